#include "document/TokenLines.h"

namespace tarlix {

void TokenLines::Clear() {
    lines_.clear();
    data.clear();
}

void TokenLines::AddToken(std::string_view text) {
    if (data.empty()) {
        data = text;
    } else {
        data += ' ';
        data += text;
    }
}

void TokenLines::AddInt(std::int32_t n) {
    AddToken(std::to_string(n));
}
void TokenLines::AddFloat(Extended x) {
    AddToken(formatFileFloat(x, decimalChar));
}
void TokenLines::AddBool(bool b) {
    AddInt(b ? 1 : 0);
}

void TokenLines::EndLine() {
    lines_.push_back(std::move(data));
    data.clear();
}

void TokenLines::AddIntLn(std::int32_t n) {
    AddInt(n);
    EndLine();
}
void TokenLines::AddFloatLn(Extended x) {
    AddFloat(x);
    EndLine();
}
void TokenLines::AddBoolLn(bool b) {
    AddBool(b);
    EndLine();
}
void TokenLines::AddStrLn(std::string_view text) {
    AddToken(text);
    EndLine();
}

void TokenLines::BeginRead() {
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

void TokenLines::ReadInt(std::int32_t& n) {
    parseFileInt(nextToken(), n);
}
void TokenLines::ReadFloat(Extended& x) {
    parseFileFloat(nextToken(), decimalChar, x);
}

void TokenLines::ReadBool(bool& b) {
    std::int32_t n = b ? 1 : 0;
    ReadInt(n);
    b = n == 1;
}

void TokenLines::ReadByte(std::uint8_t& v) {
    std::int32_t n = v;
    ReadInt(n);
    v = static_cast<std::uint8_t>(n & 0xFF);
}

void TokenLines::ReadRest(std::string& s) {
    s = !data.empty() && data[0] == ' ' ? data.substr(1) : data;
    data.clear();
}

void TokenLines::ReadChar(char& c) {
    if (data.empty()) return;
    c = data[0];
    data.erase(0, 1);
}

void TokenLines::NextLine() {
    if (!lines_.empty()) lines_.pop_front();
    BeginRead();
}

void TokenLines::ReadIntLn(std::int32_t& n) {
    ReadInt(n);
    NextLine();
}
void TokenLines::ReadFloatLn(Extended& x) {
    ReadFloat(x);
    NextLine();
}
void TokenLines::ReadBoolLn(bool& b) {
    ReadBool(b);
    NextLine();
}
void TokenLines::ReadByteLn(std::uint8_t& v) {
    ReadByte(v);
    NextLine();
}
void TokenLines::ReadStrLn(std::string& s) {
    ReadRest(s);
    NextLine();
}
void TokenLines::ReadCharLn(char& c) {
    ReadChar(c);
    NextLine();
}

void TokenLines::SkipPast(std::string_view prefix) {
    std::string scratch;
    for (;;) {
        ReadStrLn(scratch);
        if (scratch.compare(0, prefix.size(), prefix) == 0 || AtEnd()) return;
    }
}

void TokenLines::ToFileNumbers(char decimalChar, char listSeparatorChar) {
    if (decimalChar == '.') return;
    for (std::size_t i = 1; i < lines_.size(); ++i)
        lines_[i] = lineToFileNumbers(lines_[i], decimalChar, listSeparatorChar);
}

void TokenLines::FromFileNumbers(char decimalChar, char listSeparatorChar) {
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
    Clear();
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
