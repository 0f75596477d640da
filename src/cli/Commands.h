#pragma once
// The subcommands of tarlix-cli. Each one lives in its own file and is listed in Commands.cpp.

#include <iosfwd>
#include <string>
#include <vector>

namespace tarlix::cli {

struct Command {
    const char* name;
    const char* usage; // one line, shown by --help
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

const std::vector<Command>& commands();

// The whole tool: args are argv[1..] in UTF-8. Returns the exit status.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tarlix::cli
