#include "cli/CommandTime.h"

#include "cli/CliArgs.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <thread>

#include <unistd.h>

namespace tarlix::cli {

namespace {
// The watchdog waits this much longer than the budget, so that a command that heard its budget
// run out ends with its own message.
constexpr double kWatchdogGraceSeconds = 2;
} // namespace

std::optional<double> parseTimeout(const std::string& text) {
    const auto n = parseNumber(text);
    if (!n || !std::isfinite(*n) || *n < 0 || *n > kMostTimeoutSeconds) return std::nullopt;
    return static_cast<double>(*n);
}

double timeoutOf(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i + 1 < args.size() && args[i] != "--"; ++i)
        if (args[i] == "--timeout")
            if (const auto seconds = parseTimeout(args[i + 1])) return *seconds;
    return kDefaultTimeoutSeconds;
}

DeadlineBudget::DeadlineBudget(double seconds)
    : seconds_(seconds), deadline_(std::chrono::steady_clock::now() +
                                   std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                       std::chrono::duration<double>(seconds))) {}

bool DeadlineBudget::check() {
    return seconds_ > 0 && std::chrono::steady_clock::now() >= deadline_;
}

std::string timeoutMessage(double seconds) {
    std::ostringstream text;
    text << "stopped after " << seconds << " s, the time --timeout allows; nothing written";
    return text.str();
}

void startWatchdog(double seconds) {
    if (seconds <= 0) return;
    std::thread([seconds] {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds + kWatchdogGraceSeconds));
        const std::string line = "tarlix-cli: " + timeoutMessage(seconds) + "\n";
        (void)!::write(STDERR_FILENO, line.data(), line.size());
        std::_Exit(1);
    }).detach();
}

} // namespace tarlix::cli
