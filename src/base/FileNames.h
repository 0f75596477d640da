#pragma once
// File names as the program compares them: extensions match whatever their case, as on the
// systems the projects come from.

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tarlix {

// True when text ends with tail, letters compared without case.
inline bool endsWithNoCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size()) return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

} // namespace tarlix
