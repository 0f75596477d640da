#include "render/markup/ConvertMarkup.h"

#include "render/markup/MarkupFields.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace tarlix {

namespace {
using namespace markup;

struct Tag {
    const char* name; // between "<" and ">", as matched without regard to case
    std::string code;
};

std::string colourCode(std::string_view rgb) {
    return std::string(1, kColour) + std::string(rgb);
}

// In the order they are replaced, colour tags "<Color=#RRGGBB>" coming after the first
// kFirstAfterColours.
constexpr std::size_t kFirstAfterColours = 7;
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

// The code of a fixed tag whose name (between "<" and ">") is name, matched without case.
const std::string* fixedTagCode(std::string_view name) {
    for (const Tag& tag : kTags) {
        const std::string_view t = tag.name;
        if (t.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < t.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(name[i])) == t[i];
        if (same) return &tag.code;
    }
    return nullptr;
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view lowerPrefix) {
    if (text.size() - at < lowerPrefix.size()) return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != lowerPrefix[i]) return false;
    return true;
}

// "~f{" opens a fraction; occurrences are taken from the left.
std::string fractionOpenings(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "~f{") == 0) {
            out += kFraction;
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The tags replaced before colour tags, whose ">" cannot end one.
bool replacedBeforeColours(const std::string* code) {
    return code >= &kTags[0].code && code <= &kTags[kFirstAfterColours - 1].code;
}

// Tags converted in one pass from the left, giving what replacing each tag in turn over the
// whole text gives: no tag contains "<" or ">" and no code does, so tags never overlap. A colour
// tag "<Color=#" runs to the next ">" that the tags before it in the order did not take, and takes
// the six characters after "#" as those tags left them; with fewer it is text.
class TagScanner {
    static constexpr std::size_t kLongestTag = 8; // "</symbol"

public:
    explicit TagScanner(const std::string& text) : text_(text) {}

    std::string codes() {
        constexpr std::string_view kColourTag = "<color=#";
        std::string out;
        out.reserve(text_.size());
        for (std::size_t i = 0; i < text_.size(); ++i) {
            if (text_[i] != '<') {
                out += text_[i];
                continue;
            }
            std::size_t end = 0;
            if (startsWithNoCase(text_, i, kColourTag) && colour(i + kColourTag.size(), out, end)) {
                i = end;
            } else if (const std::string* code = tagAt(i, end)) {
                out += *code;
                i = end;
            } else {
                out += '<';
            }
        }
        return out;
    }

private:
    // The fixed tag starting at the "<" at i, and the position of its ">".
    const std::string* tagAt(std::size_t i, std::size_t& end) const {
        for (std::size_t k = i + 1; k < text_.size() && k <= i + kLongestTag + 1; ++k) {
            if (text_[k] == '<') return nullptr;
            if (text_[k] == '>') {
                end = k;
                return fixedTagCode(std::string_view(text_).substr(i + 1, k - i - 1));
            }
        }
        return nullptr;
    }

    // The "<" of a tag that the ">" at close may end: near enough before it, with no ">" between.
    std::size_t openingOf(std::size_t close) const {
        for (std::size_t k = close; k > 0 && close - k <= kLongestTag; --k) {
            if (text_[k - 1] == '<') return k - 1;
            if (text_[k - 1] == '>') break;
        }
        return std::string::npos;
    }

    // The first ">" at or after from that no earlier-replaced tag ends. Asked with growing from,
    // so the search goes over the text once.
    std::size_t freeClose(std::size_t from) {
        if (closeSearch_ < from) closeSearch_ = from;
        for (; closeSearch_ < text_.size(); ++closeSearch_) {
            if (text_[closeSearch_] != '>') continue;
            const std::size_t open = openingOf(closeSearch_);
            std::size_t end = 0;
            const std::string* code = open == std::string::npos ? nullptr : tagAt(open, end);
            if (!code || !replacedBeforeColours(code)) break;
        }
        return closeSearch_;
    }

    // A colour tag whose digits start at from: its code, and the position of its ">".
    bool colour(std::size_t from, std::string& out, std::size_t& end) {
        const std::size_t close = freeClose(from);
        if (close >= text_.size()) return false;
        std::string six;
        for (std::size_t k = from; k < close && six.size() < 6; ++k) {
            std::size_t tagEnd = 0;
            const std::string* code = text_[k] == '<' ? tagAt(k, tagEnd) : nullptr;
            if (code && replacedBeforeColours(code)) {
                six += *code;
                k = tagEnd;
            } else {
                six += text_[k];
            }
        }
        if (six.size() < 6) return false;
        out += colourCode(std::string_view(six).substr(0, 6));
        end = close;
        return true;
    }

    const std::string& text_;
    std::size_t closeSearch_ = 0;
};

// Every "v{" opens an arrow that the first "}" after it not closing an earlier arrow closes.
std::string vectorGroups(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t open = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == 'v' && i + 1 < text.size() && text[i + 1] == '{') {
            out += kVectorOn;
            ++open;
            ++i;
        } else if (text[i] == '}' && open > 0) {
            out += kVectorOff;
            --open;
        } else {
            out += text[i];
        }
    }
    return out;
}
} // namespace

std::string convertMarkup(const std::string& text, int mode, const MarkupEnv& env) {
    std::string out = text;
    if (out.find("!{") != std::string::npos) out = expandValueFields(out, mode, env);
    if (out.find("?{") != std::string::npos) out = expandPolynomialFields(out, mode, env);
    return vectorGroups(TagScanner(fractionOpenings(out)).codes());
}

} // namespace tarlix
