// Field reads with their ranges, the pen palette of older files and the rewriting of
// expressions written by older versions.

#include "document/FileLimits.h"
#include "document/ReadSteps.h"

#include <array>

namespace tarlix {

std::int32_t readInRange(ProjectInput& in, std::int32_t fallback, std::int32_t low,
                         std::int32_t high) {
    const std::int32_t v = in.readInt(fallback);
    return v >= low && v <= high ? v : fallback;
}

int readCount(ProjectInput& in) {
    const std::int32_t n = in.readInt(0);
    in.next();
    return n < 0 ? 0 : n;
}

std::uint8_t readByte(ProjectInput& in, std::uint8_t fallback, int low, int high) {
    return static_cast<std::uint8_t>(readInRange(in, fallback, low, high));
}

std::uint32_t paletteColour(int number) {
    static constexpr std::array<std::uint32_t, 16> palette{
        0xFFFFFF, 0xFF0000, 0x0000FF, 0x00BF00, 0x000000, 0x808080, 0xE0E0FF, 0xFFE0E0,
        0xE0FFE0, 0xD000D0, 0xE0E0E0, 0xE0FFFF, 0xC0C000, 0x00FFFF, 0xFFE0FF, 0xFFFFE0};
    return palette[static_cast<std::size_t>(number)];
}

std::uint32_t readColour(ProjectInput& in, std::uint32_t fallback) {
    constexpr std::int32_t kNone = -1;
    if (!in.from("2.8")) {
        const std::int32_t n = readInRange(in, kNone, 0, limits::kMaxPaletteNumber);
        return n == kNone ? fallback : paletteColour(n);
    }
    return static_cast<std::uint32_t>(
        readInRange(in, static_cast<std::int32_t>(fallback), 0, 0xFFFFFF));
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

namespace {

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Before theta had its own sign, "Q" stood for it; "Qr", "Qx" and "Qy" were other names.
void thetaFromQ(std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != 'Q') continue;
        const char after = i + 1 < text.size() ? text[i + 1] : '\0';
        if (after != 'r' && after != 'x' && after != 'y') text[i] = '@';
    }
}

} // namespace

std::string rewriteOldSource(std::string text, const ProjectInput& in) {
    if (!in.from("1.7")) thetaFromQ(text);
    if (!in.from("2.4")) {
        replaceAll(text, "pas", "path");
        replaceAll(text, "Min", "min");
        replaceAll(text, "Max", "max");
    }
    return text;
}

} // namespace tarlix
