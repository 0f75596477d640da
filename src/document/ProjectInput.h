#pragma once
// The project reader's view of the lines of a project file: version flags from the header,
// line reads that notice when the file ends too early, and expressions brought from the
// file's "." and "," into the locale's separators one field at a time (free text is never
// converted).

#include "document/TokenLines.h"

#include <string>

namespace tarlix {

struct ProjectNumbers {
    bool convert = false; // the file uses "." and ","; the locale does not
    char decimalChar = '.';
    char listSeparatorChar = ',';
};

// How a list's numbers are written: project files converted on saving carry "." and ",";
// a file whose marker line carries a "," was written in the locale's own notation.
ProjectNumbers fileNumbers(const TokenLines& list, char decimalChar, char listSeparatorChar);

inline constexpr const char* kOldestHeader = "Tarlix/win 1.6";
// Headers compare in plain character-code order, so "Tarlix/win 1.65" reads as 1.6.
bool acceptedHeader(const std::string& header);

class ProjectInput {
public:
    ProjectInput(TokenLines& list, std::string header, ProjectNumbers numbers);

    // The file was written by version v or later.
    bool from(const char* version) const;

    TokenLines& list;
    // A read needed a line the file does not have, or a section lacked its separator.
    bool truncated = false;

    bool lineLeft() const { return list.count() > 0; }
    // The current line has more to read; counts in a file never run past their line.
    bool tokensLeft() const { return !list.data.empty(); }
    // Fewer than two lines remain: the trailing sections are absent.
    bool atEnd() const { return list.atEnd(); }
    // Ends the current line.
    void next();
    void skip() { next(); }
    std::string text();
    std::string expression();
    // A memo line: script lines carry expressions, the others are text.
    std::string memoLine();
    // Skips past the next separator line; false (and truncated) when there is none.
    bool skipPast();

    std::int32_t readInt(std::int32_t fallback);
    bool readBool(bool fallback);
    Extended readFloat(Extended fallback);

private:
    std::string header_;
    ProjectNumbers numbers_;
};

} // namespace tarlix
