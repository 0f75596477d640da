#include "document/TokenLines.h"

namespace tarlix {

void TokenLines::clear() {
    lines_.clear();
    data.clear();
}

void TokenLines::addToken(std::string_view text) {
    if (data.empty()) {
        data = text;
    } else {
        data += ' ';
        data += text;
    }
}

void TokenLines::addInt(std::int32_t n) {
    addToken(std::to_string(n));
}
void TokenLines::addFloat(Extended x) {
    addToken(formatFileFloat(x, decimalChar));
}
void TokenLines::addBool(bool b) {
    addInt(b ? 1 : 0);
}

void TokenLines::endLine() {
    lines_.push_back(std::move(data));
    data.clear();
}

void TokenLines::addIntLn(std::int32_t n) {
    addInt(n);
    endLine();
}
void TokenLines::addFloatLn(Extended x) {
    addFloat(x);
    endLine();
}
void TokenLines::addBoolLn(bool b) {
    addBool(b);
    endLine();
}
void TokenLines::addStrLn(std::string_view text) {
    addToken(text);
    endLine();
}

void TokenLines::beginRead() {
    data = lines_.empty() ? std::string() : lines_.front();
}

std::string TokenLines::nextToken() {
    const std::size_t start = data.find_first_not_of(' ');
    if (start == std::string::npos) {
        data.clear();
        return {};
    }
    const std::size_t blank = data.find(' ', start);
    std::string token =
        data.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
    data = blank == std::string::npos ? std::string() : data.substr(blank + 1);
    return token;
}

void TokenLines::readInt(std::int32_t& n) {
    parseFileInt(nextToken(), n);
}
void TokenLines::readFloat(Extended& x) {
    parseFileFloat(nextToken(), decimalChar, x);
}

void TokenLines::readBool(bool& b) {
    std::int32_t n = b ? 1 : 0;
    readInt(n);
    b = n == 1;
}

void TokenLines::readByte(std::uint8_t& v) {
    std::int32_t n = v;
    readInt(n);
    v = static_cast<std::uint8_t>(n & 0xFF);
}

void TokenLines::readRest(std::string& s) {
    s = !data.empty() && data[0] == ' ' ? data.substr(1) : data;
    data.clear();
}

void TokenLines::readChar(char& c) {
    if (data.empty()) return;
    c = data[0];
    data.erase(0, 1);
}

void TokenLines::nextLine() {
    if (!lines_.empty()) lines_.pop_front();
    beginRead();
}

void TokenLines::readIntLn(std::int32_t& n) {
    readInt(n);
    nextLine();
}
void TokenLines::readFloatLn(Extended& x) {
    readFloat(x);
    nextLine();
}
void TokenLines::readBoolLn(bool& b) {
    readBool(b);
    nextLine();
}
void TokenLines::readByteLn(std::uint8_t& v) {
    readByte(v);
    nextLine();
}
void TokenLines::readStrLn(std::string& s) {
    readRest(s);
    nextLine();
}
void TokenLines::readCharLn(char& c) {
    readChar(c);
    nextLine();
}

void TokenLines::skipPast(std::string_view prefix) {
    std::string scratch;
    for (;;) {
        readStrLn(scratch);
        if (scratch.compare(0, prefix.size(), prefix) == 0 || atEnd()) return;
    }
}

void TokenLines::toFileNumbers(char decimalChar, char listSeparatorChar) {
    if (decimalChar == '.') return;
    for (std::size_t i = 1; i < lines_.size(); ++i)
        lines_[i] = lineToFileNumbers(lines_[i], decimalChar, listSeparatorChar);
}

void TokenLines::fromFileNumbers(char decimalChar, char listSeparatorChar) {
    if (decimalChar == '.') return;
    if (lines_.size() > 1 && lines_[1].find(',') != std::string::npos) return;
    for (std::size_t i = 4; i < lines_.size(); ++i)
        lines_[i] = lineFromFileNumbers(lines_[i], decimalChar, listSeparatorChar);
}

std::string TokenLines::toText() const {
    std::string out;
    for (const auto& l : lines_) {
        out += l;
        out += "\r\n";
    }
    return out;
}

void TokenLines::fromText(std::string_view text) {
    clear();
    std::string current;
    bool pending = false; // a line has started that is not yet added
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines_.push_back(std::move(current));
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending) lines_.push_back(std::move(current));
}

} // namespace tarlix
