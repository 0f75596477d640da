#include "cli/CommandTime.h"
#include "cli/Commands.h"
#include "platform/qt/LeakSuppressions.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    tarlix::cli::startWatchdog(tarlix::cli::timeoutOf(args));
    return tarlix::cli::runCli(args, std::cout, std::cerr);
}
