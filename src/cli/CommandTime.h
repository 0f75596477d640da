#pragma once
// The time a command of tarlix-cli may take (--timeout SECONDS, 60 unless told otherwise, 0 for
// no limit). The drawing commands spend it as the budget of their picture, so that their
// evaluations stop when it is over and the command ends with a message; a watchdog of the tool
// ends any command that still runs a little after it.

#include "base/WorkBudget.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tarlix::cli {

inline constexpr double kDefaultTimeoutSeconds = 60;
inline constexpr double kMostTimeoutSeconds = 1e6;

// The --timeout value as given: seconds from 0 to kMostTimeoutSeconds; nothing when malformed.
std::optional<double> parseTimeout(const std::string& text);
// The timeout the arguments of a command ask for (the default when they ask for none or give a
// malformed one, which the command's own parsing then refuses).
double timeoutOf(const std::vector<std::string>& args);

// Runs out when the time from its making is over.
class DeadlineBudget : public WorkBudget {
public:
    explicit DeadlineBudget(double seconds);
    double seconds() const { return seconds_; }

protected:
    bool check() override;

private:
    double seconds_;
    std::chrono::steady_clock::time_point deadline_;
};

// What a command prints (after its prefix) when its time is over.
std::string timeoutMessage(double seconds);

// Ends the process with the timeout message and exit status 1 once seconds (and a moment's grace
// for the command's own ending) have passed; nothing when seconds is 0.
void startWatchdog(double seconds);

} // namespace tarlix::cli
