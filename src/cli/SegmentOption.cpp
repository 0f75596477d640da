#include "cli/SegmentOption.h"

#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "document/NewObjectDefaults.h"
#include "document/SegmentEdit.h"

#include <cctype>
#include <ostream>

namespace tarlix::cli {

namespace {

bool vertexLetter(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == 'X' || upper == 'Y' || c == ' ') return true;
    for (int n = 1; n <= kFigures; ++n)
        if (figureLetter(n) == upper) return true;
    return false;
}

// The first letter naming a figure the project does not define, or 0.
char undefinedFigure(const Project& project, const std::string& letters) {
    for (char c : letters) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (int n = 1; n <= kFigures; ++n)
            if (figureLetter(n) == upper && project.figures[n].kind == FigureKind::Empty)
                return upper;
    }
    return 0;
}

} // namespace

std::string segmentOptionHelp() {
    return "--segment must be KIND:LETTERS with KIND 1 segment, 2 line, 3 vector, 5 rectangle, "
           "6 polyline, 7 polygon, 8 angle, 9 ray, 10 arc, 11 bracket or 12 Bezier curve and "
           "LETTERS figure letters (X and Y the axes)";
}

std::optional<SegmentOption> parseSegmentOption(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto number = parseInteger(text.substr(0, colon));
    const auto kind = number ? segmentKindOfNumber(static_cast<int>(*number)) : std::nullopt;
    if (!kind) return std::nullopt;
    SegmentOption option{*kind, utf8ToText(text.substr(colon + 1)), text};
    if (option.letters.empty()) return std::nullopt;
    for (char c : option.letters)
        if (!vertexLetter(c)) return std::nullopt;
    return option;
}

bool addSegments(const std::vector<SegmentOption>& options, Project& project, std::ostream& err,
                 const char* prefix) {
    const PenDefaults defaults = NewObjectDefaults{}.segment;
    for (const SegmentOption& option : options) {
        SegmentRecord r;
        r.kind = option.kind;
        r.penColor = defaults.color;
        r.width = static_cast<std::uint8_t>(defaults.width);
        r.lineStyle = static_cast<std::uint8_t>(defaults.lineStyle);
        const std::string refused = readSegmentVertices(project, option.letters, r);
        if (!refused.empty()) {
            err << prefix << "--segment \"" << option.text << "\": " << textToUtf8(refused, true);
            if (const char missing = undefinedFigure(project, option.letters))
                err << " (the figure " << missing << " is not defined)";
            err << "\n";
            return false;
        }
        if (!project.segments.add(r)) {
            err << prefix << "at most " << kSegments << " connected figures (--segment)\n";
            return false;
        }
    }
    return true;
}

} // namespace tarlix::cli
