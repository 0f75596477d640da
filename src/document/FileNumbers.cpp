#include "document/TokenLines.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace tarlix {

namespace {
constexpr int kSignificantDigits = 15;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits (no trailing zeros) and decimal exponent of |x| rounded to 15 significant digits.
void decompose(Extended x, std::string& digits, int& exponent) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", kSignificantDigits - 1, std::fabs(x));
    // buf is "d.dddddddddddddde[+-]xx"
    digits.assign(1, buf[0]);
    const char* p = buf + 2;
    while (*p != 'e') digits += *p++;
    exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
}
} // namespace

std::string formatFileFloat(Extended x, char decimalChar) {
    if (x == 0 || !std::isfinite(x)) return "0";
    std::string digits;
    int e = 0;
    decompose(x, digits, e);
    std::string out = x < 0 ? "-" : "";
    const int n = static_cast<int>(digits.size());
    if (e >= kSignificantDigits || e < -5) {
        out += digits[0];
        if (n > 1) out += decimalChar + digits.substr(1);
        out += 'E' + std::to_string(e);
        return out;
    }
    if (e < 0) {
        out += '0';
        out += decimalChar;
        out.append(static_cast<std::size_t>(-e - 1), '0');
        out += digits;
        return out;
    }
    if (n <= e + 1) {
        out += digits;
        out.append(static_cast<std::size_t>(e + 1 - n), '0');
        return out;
    }
    out += digits.substr(0, static_cast<std::size_t>(e + 1));
    out += decimalChar;
    out += digits.substr(static_cast<std::size_t>(e + 1));
    return out;
}

bool parseFileFloat(std::string_view t, char decimalChar, Extended& x) {
    std::string plain;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) plain += t[i++];
    std::size_t mantissaDigits = 0;
    while (i < t.size() && isDigit(t[i])) plain += t[i++], ++mantissaDigits;
    if (i < t.size() && t[i] == decimalChar) {
        plain += '.';
        ++i;
        while (i < t.size() && isDigit(t[i])) plain += t[i++], ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        plain += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) plain += t[i++];
        std::size_t expDigits = 0;
        while (i < t.size() && isDigit(t[i])) plain += t[i++], ++expDigits;
        if (expDigits == 0) return false;
    }
    if (i != t.size()) return false;
    const Extended v = std::strtold(plain.c_str(), nullptr);
    if (!std::isfinite(v)) return false;
    x = v;
    return true;
}

bool parseFileInt(std::string_view t, std::int32_t& n) {
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    if (i == t.size()) return false;
    long long v = 0;
    for (; i < t.size(); ++i) {
        if (!isDigit(t[i])) return false;
        v = v * 10 + (t[i] - '0');
        if (v > 2147483648LL) return false;
    }
    if (negative) v = -v;
    if (v > std::numeric_limits<std::int32_t>::max()) return false;
    n = static_cast<std::int32_t>(v);
    return true;
}

std::string lineToFileNumbers(std::string_view line, char decimalChar, char listSeparatorChar) {
    std::string out(line);
    if (decimalChar == '.') return out;
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] == decimalChar)
            out[i] = '.';
        else if (out[i] == listSeparatorChar)
            out[i] = ',';
    }
    return out;
}

std::string lineFromFileNumbers(std::string_view line, char decimalChar, char listSeparatorChar) {
    std::string out(line);
    if (decimalChar == '.') return out;
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] == ',')
            out[i] = listSeparatorChar;
        else if (out[i] == '.' && isDigit(out[i + 1]))
            out[i] = decimalChar;
    }
    return out;
}

} // namespace tarlix
