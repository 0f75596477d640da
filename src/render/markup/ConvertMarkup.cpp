#include "render/markup/ConvertMarkup.h"

#include "render/markup/MarkupFields.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tarlix {

namespace {
using namespace markup;

struct Tag {
    const char* name; // between "<" and ">", as matched without regard to case
    std::string code;
};

std::string colourCode(const char* rgb) {
    return std::string(1, kColour) + rgb;
}

// In the order they are replaced: "B" before "Blue" is safe because the whole tag must match.
const std::array<Tag, 36> kTags = {{
    {"normal", std::string(1, kNormal)},   {"b", std::string(1, kBoldOn)},
    {"/b", std::string(1, kBoldOff)},      {"i", std::string(1, kItalicOn)},
    {"/i", std::string(1, kItalicOff)},    {"u", std::string(1, kUnderlineOn)},
    {"/u", std::string(1, kUnderlineOff)}, {"/color", std::string(1, kColourOff)},
    {"red", colourCode("FF0000")},         {"/red", std::string(1, kColourOff)},
    {"blue", colourCode("0000FF")},        {"/blue", std::string(1, kColourOff)},
    {"black", colourCode("000000")},       {"/black", std::string(1, kColourOff)},
    {"green", colourCode("00C000")},       {"/green", std::string(1, kColourOff)},
    {"purple", colourCode("D000D0")},      {"/purple", std::string(1, kColourOff)},
    {"syan", colourCode("00C0C0")},        {"/syan", std::string(1, kColourOff)},
    {"gray", colourCode("808080")},        {"/gray", std::string(1, kColourOff)},
    {"l", std::string(1, kLarge)},         {"/l", std::string(1, kSizeOff)},
    {"s", std::string(1, kSmall)},         {"/s", std::string(1, kSizeOff)},
    {"sub", std::string(1, kSubscript)},   {"/sub", std::string(1, kSizeOff)},
    {"sup", std::string(1, kSuperscript)}, {"/sup", std::string(1, kSizeOff)},
    {"v", std::string(1, kVectorOn)},      {"/v", std::string(1, kVectorOff)},
    {"symbol", std::string(1, kSymbolOn)}, {"/symbol", std::string(1, kSymbolOff)},
    {"frac", std::string(1, kFraction)},   {"/frac", "}"},
}};

std::string lowered(const std::string& s) {
    std::string out = s;
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

void replaceTag(std::string& text, const std::string& tag, const std::string& code) {
    const std::string pattern = "<" + tag + ">";
    std::string lower = lowered(text);
    for (auto at = lower.find(pattern); at != std::string::npos; at = lower.find(pattern, at)) {
        text.replace(at, pattern.size(), code);
        lower.replace(at, pattern.size(), code);
    }
}

// "<Color=#RRGGBB>": the first six characters after "#" follow the code. A tag with fewer
// than six is left as text.
void replaceColourTags(std::string& text) {
    const std::string pattern = "<color=#";
    std::string lower = lowered(text);
    for (auto at = lower.find(pattern); at != std::string::npos; at = lower.find(pattern, at)) {
        const auto close = lower.find('>', at + pattern.size());
        const auto digits = close == std::string::npos ? 0 : close - at - pattern.size();
        if (digits < 6) {
            at += pattern.size();
            continue;
        }
        const std::string code = colourCode(text.substr(at + pattern.size(), 6).c_str());
        text.replace(at, close + 1 - at, code);
        lower.replace(at, close + 1 - at, code);
    }
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Every "v{" opens an arrow that its next "}" closes.
void replaceVectorGroups(std::string& text) {
    for (auto at = text.find("v{"); at != std::string::npos; at = text.find("v{", at)) {
        text.replace(at, 2, std::string(1, kVectorOn));
        const auto close = text.find('}', at);
        if (close != std::string::npos) text[close] = kVectorOff;
    }
}
} // namespace

std::string convertMarkup(const std::string& text, int mode, const MarkupEnv& env) {
    std::string out = text;
    if (out.find("!{") != std::string::npos) out = expandValueFields(out, mode, env);
    if (out.find("?{") != std::string::npos) out = expandPolynomialFields(out, mode, env);
    replaceAll(out, "~f{", std::string(1, kFraction));
    for (std::size_t i = 0; i < kTags.size(); ++i) {
        replaceTag(out, kTags[i].name, kTags[i].code);
        if (std::string(kTags[i].name) == "/u") replaceColourTags(out); // its place in the order
    }
    replaceVectorGroups(out);
    return out;
}

} // namespace tarlix
