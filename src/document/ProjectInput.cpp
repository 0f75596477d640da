#include "document/ProjectInput.h"

#include "document/ProjectWriter.h"

namespace tarlix {

namespace {
constexpr const char* kSeparatorPrefix = "--------";
}

ProjectNumbers fileNumbers(const TokenLines& list, char decimalChar, char listSeparatorChar) {
    const bool writtenAsIs = list.count() > 1 && list.line(1).find(',') != std::string::npos;
    return {decimalChar != '.' && !writtenAsIs, decimalChar, listSeparatorChar};
}

bool acceptedHeader(const std::string& header) {
    return header >= kOldestHeader && header <= kProjectHeader;
}

ProjectInput::ProjectInput(TokenLines& l, std::string header, ProjectNumbers numbers)
    : list(l), header_(std::move(header)), numbers_(numbers) {
    list.decimalChar = numbers.convert ? '.' : numbers.decimalChar;
}

bool ProjectInput::from(const char* version) const {
    return header_ >= std::string("Tarlix/win ") + version;
}

void ProjectInput::next() {
    if (!lineLeft()) truncated = true;
    list.nextLine();
}

// The rest exactly as written: the blank before it went with the token in front, so a text
// that begins with blanks keeps them all.
std::string ProjectInput::text() {
    std::string s = std::move(list.data);
    list.data.clear();
    next();
    return s;
}

std::string ProjectInput::expression() {
    const std::string s = text();
    return numbers_.convert
               ? lineFromFileNumbers(s, numbers_.decimalChar, numbers_.listSeparatorChar)
               : s;
}

std::string ProjectInput::memoLine() {
    return list.data.empty() || list.data[0] != '#' ? text() : expression();
}

bool ProjectInput::skipPast() {
    std::string scratch;
    while (lineLeft()) {
        list.readRest(scratch);
        list.nextLine();
        if (scratch.compare(0, 8, kSeparatorPrefix) == 0) return true;
    }
    truncated = true;
    return false;
}

std::int32_t ProjectInput::readInt(std::int32_t fallback) {
    list.readInt(fallback);
    return fallback;
}

bool ProjectInput::readBool(bool fallback) {
    list.readBool(fallback);
    return fallback;
}

Extended ProjectInput::readFloat(Extended fallback) {
    list.readFloat(fallback);
    return fallback;
}

} // namespace tarlix
