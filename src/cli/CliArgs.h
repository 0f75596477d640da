#pragma once
// Option parsing shared by the subcommands of tarlix-cli.

#include "cli/CommandTime.h"
#include "expression/EngineSettings.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarlix::cli {

struct OptionDef {
    std::string name; // with its dashes, e.g. "--mode" or "-y"
    bool takesValue;  // the next argument is its value
};

// Exit statuses of tarlix-cli.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // the input was read but refused (compile error, bad file)
constexpr int kExitUsage = 2;   // bad options or values

class CliArgs {
public:
    // Parses the arguments of one subcommand. "--set NAME=VALUE" and "--timeout SECONDS" are
    // understood by every subcommand; "--" ends the options so that a positional argument may begin
    // with "-". On a bad option the message goes to err and nothing is returned.
    static std::optional<CliArgs> parse(const std::vector<std::string>& args,
                                        const std::vector<OptionDef>& defs, std::ostream& err);

    const std::vector<std::string>& values(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const; // the last one given
    bool has(const std::string& name) const;
    const std::vector<std::string>& positional() const { return positional_; }
    const EngineSettings& settings() const { return settings_; }
    // The seconds the command may take (--timeout, understood by every subcommand; 0: no limit).
    double timeout() const { return timeout_; }

private:
    std::map<std::string, std::vector<std::string>> options_;
    std::vector<std::string> positional_;
    EngineSettings settings_;
    double timeout_ = kDefaultTimeoutSeconds;
};

// Applies one "NAME=VALUE" engine setting. Returns false (message on err) for an unknown name
// or a value out of range.
bool applySetting(EngineSettings& settings, const std::string& nameValue, std::ostream& err);

// Reads a whole number or a decimal number in C notation; nothing on malformed text.
std::optional<long> parseInteger(const std::string& text);
std::optional<long double> parseNumber(const std::string& text);

} // namespace tarlix::cli
