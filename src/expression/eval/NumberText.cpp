#include "expression/eval/NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace tarlix {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Mantissa digits without trailing zeros (and without a bare decimal point).
std::string dropTrailingZeros(std::string s) {
    if (s.find('.') == std::string::npos) return s;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}
} // namespace

std::optional<Extended> readNumber(const std::string& text, char decimalChar) {
    std::string s = trimmed(text);
    if (s.empty()) return std::nullopt;
    for (char& c : s) {
        const bool allowed = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' ||
                             c == 'E' || c == decimalChar;
        if (!allowed) return std::nullopt;
        if (c == decimalChar) c = '.';
    }
    errno = 0;
    char* end = nullptr;
    const Extended v = std::strtold(s.c_str(), &end);
    if (errno != 0 || end != s.c_str() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string formatGeneral(Extended v, int digits, char decimalChar) {
    if (v == 0) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, v);
    std::string text(buffer);
    const auto e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    if (exponent < -5 || exponent >= digits) {
        text = dropTrailingZeros(text.substr(0, e)) + "E" + std::to_string(exponent);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.*Lf", std::max(0, digits - 1 - exponent), v);
        text = dropTrailingZeros(buffer);
    }
    for (char& c : text)
        if (c == '.') c = decimalChar;
    return text;
}

namespace {

// The decimal digits of |v| rounded to n significant digits, and the exponent of the first.
std::pair<std::string, int> significantDigits(Extended v, int n) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Le", n - 1, std::fabs(v));
    const std::string_view text(buffer);
    const auto e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e))
        if (c != '.') digits += c;
    return {digits, std::atoi(buffer + e + 1)};
}

} // namespace

std::string formatFixed(Extended v, int precision, int decimals, char decimalChar) {
    if (!std::isfinite(v)) return formatGeneral(v, precision, decimalChar);
    const int exponent = significantDigits(v, precision).second;
    if (exponent >= precision) return formatGeneral(v, precision, decimalChar);
    // One rounding, at whichever comes first: the last significant digit or the last decimal.
    const int kept = std::min(precision, exponent + 1 + decimals);
    std::string whole = "0";
    std::string fraction;
    if (kept < 1) {
        // Below the last decimal but for a possible carry into it: exact enough as it is.
        char buffer[128];
        std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, std::fabs(v));
        const std::string_view text(buffer);
        whole = std::string(text.substr(0, text.find('.')));
        if (decimals > 0) fraction = std::string(text.substr(text.find('.') + 1));
    } else {
        auto [digits, e] = significantDigits(v, kept);
        const int pointAt = e + 1; // digits before the decimal point
        if (pointAt > 0) {
            digits.resize(std::max(digits.size(), std::size_t(pointAt) + decimals), '0');
            whole = digits.substr(0, pointAt);
            fraction = digits.substr(pointAt, decimals);
        } else {
            const std::string all = std::string(-pointAt, '0') + digits;
            fraction = (all + std::string(decimals, '0')).substr(0, decimals);
        }
    }
    std::string text = whole;
    if (decimals > 0) text += decimalChar + fraction;
    const bool zero = text.find_first_not_of(std::string("0") + decimalChar) == std::string::npos;
    return v < 0 && !zero ? "-" + text : text;
}

std::string calcResultText(const Value& v, const EngineSettings& s) {
    if (!v.valid) return "error";
    auto number = [&](Extended c) {
        std::string text = formatGeneral(c, 15, s.decimalChar);
        const auto e = text.find('E');
        if (e != std::string::npos) text = text.substr(0, e) + "*10^(" + text.substr(e + 1) + ")";
        return text;
    };
    if (v.kind == ValueKind::Pair)
        return "(" + number(v.x) + std::string(1, s.listSeparatorChar) + number(v.y) + ")";
    return number(v.x);
}

bool numberFromText(std::string& text, Extended& value, bool showError, Evaluator& evaluator,
                    const CompileEnv& compileEnv) {
    if (const auto n = readNumber(text, compileEnv.settings.decimalChar)) {
        value = *n;
        return true;
    }
    CompiledExpression record;
    setSource(record, text, kModeExplicit, compileEnv);
    const Value v = evaluator.evaluate(record, makeUndefined(ValueKind::Real));
    if (!isDefinedReal(v)) {
        if (showError) compileEnv.messages.show(kInvalidNumber, MessageKind::Error, false);
        return false;
    }
    value = v.x;
    text = formatGeneral(v.x, 12, compileEnv.settings.decimalChar);
    return true;
}

} // namespace tarlix
