// tarlix-cli check: reads a project file and lists what each store holds.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ProjectSession.h"
#include "document/ProjectEdit.h"
#include "document/TokenLines.h"

#include <ostream>

namespace tarlix::cli {

namespace {

std::string vertexName(int v) {
    if (v == kXAxisVertex) return "x-axis";
    if (v == kYAxisVertex) return "y-axis";
    return std::string(1, figureLetter(v));
}

std::string figureText(const FigureEntry& f) {
    std::string text = f.whole.source;
    if (hasRadius(f.kind)) text += ", r = " + f.radius.source;
    if (isCurveKind(f.kind))
        text += ", " + std::string(1, f.paramLetter) + " = " + f.paramLow.source + ".." +
                f.paramHigh.source;
    return text;
}

std::string segmentText(const SegmentRecord& s) {
    std::string text;
    for (int k = 0; k < s.vertexCount(); ++k) {
        if (k > 0) text += ' ';
        text += vertexName(s.vertices[static_cast<std::size_t>(k)]);
    }
    return text;
}

// One store: its label, then "name = text" of every used entry.
class StoreLine {
public:
    StoreLine(std::ostream& out, const char* label) : out_(out) { out_ << label << ":"; }
    ~StoreLine() { out_ << "\n"; }
    void entry(const std::string& name, const std::string& text) {
        out_ << (first_ ? " " : "; ") << textToUtf8(name, true) << " = " << textToUtf8(text, true);
        first_ = false;
    }

private:
    std::ostream& out_;
    bool first_ = true;
};

void printProject(const ProjectSession& s, std::ostream& out) {
    const Project& p = s.document.project;
    {
        StoreLine line(out, "user functions");
        for (int i = 1; i <= kUserFunctions; ++i)
            if (!p.userFunctions[i].source.empty())
                line.entry(userFunctionName(i), p.userFunctions[i].source);
    }
    {
        StoreLine line(out, "explicit functions");
        for (int i = 1; i <= kExplicitFunctions; ++i)
            if (!p.explicitFunctions[i].expr.source.empty())
                line.entry("y" + std::to_string(i), p.explicitFunctions[i].expr.source);
    }
    {
        StoreLine line(out, "relations");
        for (int i = 1; i <= kRelations; ++i)
            if (!p.relations[i].expr.source.empty())
                line.entry("C" + std::to_string(i), p.relations[i].expr.source);
    }
    {
        StoreLine line(out, "figures");
        for (int i = 1; i <= kFigures; ++i)
            if (p.figures[i].kind != FigureKind::Empty)
                line.entry(std::string(1, figureLetter(i)), figureText(p.figures[i]));
    }
    {
        StoreLine line(out, "connected figures");
        for (int i = 1; i <= p.segments.count; ++i)
            line.entry("L" + std::to_string(i), segmentText(p.segments[i]));
    }
    {
        StoreLine line(out, "parameters");
        for (int i = 1; i <= kParameterCount; ++i)
            if (parameterInUse(p, i, s.document.view.xAxis.letter))
                line.entry(std::string(1, parameterLetter(i)),
                           formatFileFloat(p.parameters[i].value, '.'));
    }
    out << "memo: " << p.memoText.size() << " lines\n";
}

} // namespace

int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto parsed = CliArgs::parse(args, {}, err);
    if (!parsed) return kExitUsage;
    if (parsed->positional().size() != 1) {
        err << "tarlix-cli check: give one project file\n";
        return kExitUsage;
    }
    ProjectSession s;
    if (!s.open(parsed->positional().front(), err)) return kExitFailure;
    printProject(s, out);
    return kExitOk;
}

} // namespace tarlix::cli
