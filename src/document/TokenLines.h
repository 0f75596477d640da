#pragma once
// The typed line container through which projects and undo snapshots are written and read.
// Writing appends typed tokens to a line buffer and commits it as the last line; reading loads
// the first line, consumes tokens from its front, then deletes it. Reading is destructive, so
// readers work on a copy. A missing or malformed token leaves the target as it was, which is
// how shorter lines of older files read cleanly.

#include "expression/Value.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace tarlix {

class TokenLines {
public:
    std::string data; // the line being built, or the unread rest of the current line

    // The string list.
    int count() const { return static_cast<int>(lines_.size()); }
    const std::string& line(int i) const { return lines_[static_cast<std::size_t>(i)]; }
    void setLine(int i, std::string text) { lines_[static_cast<std::size_t>(i)] = std::move(text); }
    void add(std::string text) { lines_.push_back(std::move(text)); }
    void removeLine(int i) { lines_.erase(lines_.begin() + i); }
    void assign(const TokenLines& other) { lines_ = other.lines_; }

    // Writing.
    void clear();
    void addToken(std::string_view text);
    void addInt(std::int32_t n);
    void addFloat(Extended x);
    void addBool(bool b);
    void endLine();
    void addIntLn(std::int32_t n);
    void addFloatLn(Extended x);
    void addBoolLn(bool b);
    void addStrLn(std::string_view text);

    // Reading: each read keeps the target's value when its token is missing or malformed.
    void beginRead();
    void readInt(std::int32_t& n);
    void readFloat(Extended& x);
    void readBool(bool& b);
    void readByte(std::uint8_t& v);
    void readRest(std::string& s);
    void readChar(char& c);
    void nextLine();
    void readIntLn(std::int32_t& n);
    void readFloatLn(Extended& x);
    void readBoolLn(bool& b);
    void readByteLn(std::uint8_t& v);
    void readStrLn(std::string& s);
    void readCharLn(char& c);
    bool atEnd() const { return lines_.size() < 2; }
    void skipPast(std::string_view prefix);

    // Decimal-comma conversion of whole lists of project files (no-ops when the decimal
    // character is "."). Undo snapshots are never converted.
    void toFileNumbers(char decimalChar, char listSeparatorChar);
    void fromFileNumbers(char decimalChar, char listSeparatorChar);

    // The file form: every line ended by CR LF. Reading accepts CR LF, LF or CR.
    std::string toText() const;
    void fromText(std::string_view text);

    // The decimal character in force; numbers are written and read with it.
    char decimalChar = '.';

private:
    std::string nextToken();
    std::deque<std::string> lines_;
};

// Conversion of one line between the locale's separators and the file's ("." and ",").
// The last character of the line is never converted.
std::string lineToFileNumbers(std::string_view line, char decimalChar, char listSeparatorChar);
std::string lineFromFileNumbers(std::string_view line, char decimalChar, char listSeparatorChar);

// The shortest general text of a value with at most 15 significant digits, as project files
// carry numbers: 3.14, -0.5, 200, 1E20, 1.5E-6.
std::string formatFileFloat(Extended x, char decimalChar);
// Reads such a text (sign, digits, decimal character, exponent); false on anything else,
// including infinities and NaN.
bool parseFileFloat(std::string_view token, char decimalChar, Extended& x);
bool parseFileInt(std::string_view token, std::int32_t& n);

} // namespace tarlix
