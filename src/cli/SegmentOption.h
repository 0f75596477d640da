#pragma once
// The --segment KIND:LETTERS option of tarlix-cli plot: a connected figure of the kind through
// the figures named by their letters (X and Y the axes), as the connected-figure properties
// take them.

#include "document/Project.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tarlix::cli {

struct SegmentOption {
    SegmentKind kind = SegmentKind::None;
    std::string letters; // program text
    std::string text;    // as given, for messages
};

// The message for a bad --segment.
std::string segmentOptionHelp();

// KIND one of the connected-figure kinds and LETTERS figure letters or X and Y.
std::optional<SegmentOption> parseSegmentOption(const std::string& text);

// Adds a connected figure for each option through the figures the project defines, in the
// defaults of new connected figures. On letters the kind does not take, the program's message
// goes to err after prefix and nothing more is added.
bool addSegments(const std::vector<SegmentOption>& options, Project& project, std::ostream& err,
                 const char* prefix);

} // namespace tarlix::cli
