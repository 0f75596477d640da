#pragma once
// The "Symbol" font's code table. Formulas and tick labels ask for Greek letters and
// mathematical signs by drawing ordinary bytes in "Symbol" ("p" is pi, 163 is "less or equal");
// fonts on this platform are Unicode, so the canvas draws the sign this table names instead.

#include <string>
#include <string_view>

namespace tarlix {

// The Unicode sign that byte stands for in the "Symbol" font; bytes the font leaves empty map
// to their Windows-1252 character.
char32_t symbolFontCodePoint(unsigned char byte);

// A whole text drawn in "Symbol", as UTF-32.
std::u32string symbolFontText(std::string_view text);

} // namespace tarlix
