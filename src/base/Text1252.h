#pragma once
// The program's text is single-byte Windows-1252, with theta held as "@". These convert at the
// boundaries where UTF-8 comes in or goes out (command line, terminal, files of other tools).

#include <optional>
#include <string>
#include <string_view>

namespace tarlix {

// UTF-8 to the program's single-byte text: theta becomes "@"; characters that have no
// single-byte form, and malformed sequences, are dropped.
std::string utf8ToText(std::string_view utf8);

// The program's single-byte text to UTF-8. With thetaFromAt, "@" is shown as theta.
std::string textToUtf8(std::string_view text, bool thetaFromAt = false);

// UTF-8 to single-byte text without losing anything: the exact inverse of textToUtf8 without
// theta, so every single-byte text comes back as it was. None when a character has no
// single-byte form (theta included) or the text is not UTF-8. File names kept inside projects
// take this way.
std::optional<std::string> utf8ToTextExactly(std::string_view utf8);

// The Unicode code point of one Windows-1252 byte (undefined bytes map to themselves).
char32_t codePointOf1252(unsigned char byte);

// The Windows-1252 byte of a code point, or -1 when it has none.
int byteOf1252(char32_t cp);

} // namespace tarlix
