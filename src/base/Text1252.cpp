#include "base/Text1252.h"

#include <array>

namespace tarlix {

namespace {
// Code points of bytes 0x80..0x9F; 0 where Windows-1252 defines nothing.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
constexpr char32_t kTheta = 0x03B8;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; advances i. Returns -1 for a malformed sequence.
long decodeOne(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80) return b0;
    int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : -1;
    if (extra < 0 || b0 >= 0xF8) return -1;
    long cp = b0 & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return -1;
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (b & 0x3F);
        ++i;
    }
    return cp;
}
} // namespace

char32_t codePointOf1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] != 0) return kHigh[byte - 0x80];
    return byte;
}

int byteOf1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (std::size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == cp && cp != 0) return static_cast<int>(0x80 + k);
    return -1;
}

std::string utf8ToText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const long cp = decodeOne(utf8, i);
        if (cp < 0) continue;
        if (cp == kTheta) {
            out += '@';
            continue;
        }
        const int b = byteOf1252(static_cast<char32_t>(cp));
        if (b >= 0) out += static_cast<char>(b);
    }
    return out;
}

std::optional<std::string> utf8ToTextExactly(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        const long cp = decodeOne(utf8, i);
        // An overlong form is not UTF-8 either.
        const std::size_t shortest = cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
        if (cp < 0 || i - start != shortest) return std::nullopt;
        int b = byteOf1252(static_cast<char32_t>(cp));
        // The bytes Windows-1252 leaves undefined stand for themselves (codePointOf1252).
        if (b < 0 && cp >= 0x80 && cp <= 0x9F && kHigh[cp - 0x80] == 0) b = static_cast<int>(cp);
        if (b < 0) return std::nullopt;
        out += static_cast<char>(b);
    }
    return out;
}

std::string textToUtf8(std::string_view text, bool thetaFromAt) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (thetaFromAt && c == '@')
            appendUtf8(out, kTheta);
        else
            appendUtf8(out, codePointOf1252(b));
    }
    return out;
}

} // namespace tarlix
