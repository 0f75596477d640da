#pragma once
// Memo markup turned into the string of one-byte control codes that the drawing reads: tags
// such as <B>, <Color=#RRGGBB>, <SUP> or <frac> become codes, live fields become formula groups.

#include "render/markup/MarkupEnv.h"

#include <string>

namespace tarlix {

namespace markup {
inline constexpr char kNormal = 9;
inline constexpr char kBoldOn = 10;
inline constexpr char kBoldOff = 11;
inline constexpr char kItalicOn = 12;
inline constexpr char kItalicOff = 13;
inline constexpr char kUnderlineOn = 14;
inline constexpr char kUnderlineOff = 15;
inline constexpr char kColourOff = 16;
inline constexpr char kColour = 17; // followed by six hex digits RRGGBB
inline constexpr char kLarge = 18;
inline constexpr char kSmall = 19;
inline constexpr char kSizeOff = 20;
inline constexpr char kVectorOn = 21;
inline constexpr char kVectorOff = 22;
inline constexpr char kSubscript = 23;
inline constexpr char kSuperscript = 24;
inline constexpr char kSymbolOn = 25;
inline constexpr char kSymbolOff = 26;
inline constexpr char kFraction = 31; // up to the matching "}"
inline constexpr char kLastCode = 30; // codes above this are text (except kFraction)
} // namespace markup

// Expands the live fields, then replaces the tags (letter case ignored) by control codes.
std::string convertMarkup(const std::string& text, int mode, const MarkupEnv& env);

} // namespace tarlix
