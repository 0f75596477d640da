#include "cli/CliArgs.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <ostream>

namespace tarlix::cli {

namespace {
const std::vector<std::string> kNone;

const OptionDef* findOption(const std::vector<OptionDef>& defs, const std::string& name) {
    for (const auto& d : defs)
        if (d.name == name) return &d;
    return nullptr;
}

std::optional<bool> parseSwitch(const std::string& v) {
    if (v == "1" || v == "on" || v == "true") return true;
    if (v == "0" || v == "off" || v == "false") return false;
    return std::nullopt;
}

// A choice given by its number, as files keep it.
template <typename Choice>
bool setChoice(Choice& field, const std::string& value, std::initializer_list<Choice> allowed) {
    const auto n = parseInteger(value);
    if (!n) return false;
    for (Choice a : allowed)
        if (*n == static_cast<int>(a)) {
            field = a;
            return true;
        }
    return false;
}
} // namespace

std::optional<long> parseInteger(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') return std::nullopt;
    return v;
}

std::optional<long double> parseNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long double v = std::strtold(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool applySetting(EngineSettings& s, const std::string& nameValue, std::ostream& err) {
    const auto eq = nameValue.find('=');
    if (eq == std::string::npos) {
        err << "tarlix-cli: --set expects NAME=VALUE, got \"" << nameValue << "\"\n";
        return false;
    }
    const std::string name = nameValue.substr(0, eq);
    const std::string value = nameValue.substr(eq + 1);
    bool ok = false;
    if (name == "AngleMode")
        ok = setChoice(s.angleMode, value, {AngleMode::Radians, AngleMode::Degrees});
    else if (name == "LogMode")
        ok = setChoice(s.logMode, value, {LogMode::Common, LogMode::Natural});
    else if (name == "AngleArea")
        ok = setChoice(s.angleArea, value, {AngleArea::ZeroToTwoPi, AngleArea::MinusPiToPi});
    else if (name == "CircleMode")
        ok = setChoice(s.circleMode, value,
                       {CircleMode::NegativeRadiusAllowed, CircleMode::NegativeRadiusUndefined});
    else if (name == "ThetaMode")
        ok = setChoice(s.thetaMode, value, {ThetaMode::PolarAngle, ThetaMode::Parameter});
    else if (name == "ComplexMode" || name == "AllowSqrtN") {
        const auto b = parseSwitch(value);
        ok = b.has_value();
        if (ok) (name == "ComplexMode" ? s.complexMode : s.allowSqrtN) = *b;
    } else if (name == "IntegralPartitions") {
        const auto n = parseInteger(value);
        ok = n && *n >= 2 && *n <= 200 && *n % 2 == 0;
        if (ok) s.integralPartitions = static_cast<int>(*n);
    } else {
        err << "tarlix-cli: unknown setting \"" << name
            << "\" (known: AngleMode, ComplexMode, LogMode, AngleArea, AllowSqrtN, ThetaMode, "
               "CircleMode, IntegralPartitions)\n";
        return false;
    }
    if (!ok) err << "tarlix-cli: bad value \"" << value << "\" for setting " << name << "\n";
    return ok;
}

std::optional<CliArgs> CliArgs::parse(const std::vector<std::string>& args,
                                      const std::vector<OptionDef>& defs, std::ostream& err) {
    CliArgs out;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.size() < 2 || a[0] != '-') {
            out.positional_.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        const bool isSet = a == "--set";
        const bool isTimeout = a == "--timeout";
        const OptionDef* def = isSet || isTimeout ? nullptr : findOption(defs, a);
        if (!isSet && !isTimeout && !def) {
            err << "tarlix-cli: unknown option \"" << a
                << "\" (put \"--\" before an expression that begins with \"-\")\n";
            return std::nullopt;
        }
        if (isSet || isTimeout || def->takesValue) {
            if (i + 1 >= args.size()) {
                err << "tarlix-cli: option " << a << " needs a value\n";
                return std::nullopt;
            }
            const std::string& v = args[++i];
            if (isSet) {
                if (!applySetting(out.settings_, v, err)) return std::nullopt;
            } else if (isTimeout) {
                const auto seconds = parseTimeout(v);
                if (!seconds) {
                    err << "tarlix-cli: --timeout takes seconds from 0 (no limit) to "
                        << kMostTimeoutSeconds << ", got \"" << v << "\"\n";
                    return std::nullopt;
                }
                out.timeout_ = *seconds;
            } else {
                out.options_[a].push_back(v);
            }
        } else {
            out.options_[a].push_back("");
        }
    }
    return out;
}

const std::vector<std::string>& CliArgs::values(const std::string& name) const {
    const auto it = options_.find(name);
    return it == options_.end() ? kNone : it->second;
}

std::optional<std::string> CliArgs::value(const std::string& name) const {
    const auto& v = values(name);
    if (v.empty()) return std::nullopt;
    return v.back();
}

bool CliArgs::has(const std::string& name) const {
    return options_.count(name) != 0;
}

} // namespace tarlix::cli
