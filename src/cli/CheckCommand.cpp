// tarlix-cli check: reads a project file and lists what each store holds.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ProjectSession.h"
#include "document/TokenLines.h"

#include <ostream>

namespace tarlix::cli {

namespace {

const char* const kUserFunctionNames[] = {"f", "g", "h", "f1", "f2", "f3", "f4", "f5"};

std::string vertexName(int v) {
    if (v == kXAxisVertex) return "x-axis";
    if (v == kYAxisVertex) return "y-axis";
    return std::string(1, figureLetter(v));
}

std::string figureText(const FigureEntry& f) {
    std::string text = f.Whole.Source;
    if (f.Kind >= 2 && f.Kind <= 4) text += ", r = " + f.Radius.Source;
    if (f.Kind == 5 || f.Kind == 6)
        text += ", " + std::string(1, f.ParamLetter) + " = " + f.ParamLow.Source + ".." +
                f.ParamHigh.Source;
    return text;
}

std::string segmentText(const SegmentRecord& s) {
    std::string text;
    for (int k = 0; k < s.vertexCount(); ++k) {
        if (k > 0) text += ' ';
        text += vertexName(s.Vertices[static_cast<std::size_t>(k)]);
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
    const Project& p = s.project;
    {
        StoreLine line(out, "user functions");
        for (int i = 1; i <= kUserFunctions; ++i)
            if (!p.UserFunctions[i].Source.empty())
                line.entry(kUserFunctionNames[i - 1], p.UserFunctions[i].Source);
    }
    {
        StoreLine line(out, "explicit functions");
        for (int i = 1; i <= kExplicitFunctions; ++i)
            if (!p.YFunctions[i].Expr.Source.empty())
                line.entry("y" + std::to_string(i), p.YFunctions[i].Expr.Source);
    }
    {
        StoreLine line(out, "relations");
        for (int i = 1; i <= kRelations; ++i)
            if (!p.Relations[i].Expr.Source.empty())
                line.entry("C" + std::to_string(i), p.Relations[i].Expr.Source);
    }
    {
        StoreLine line(out, "figures");
        for (int i = 1; i <= kFigures; ++i)
            if (p.Figures[i].Kind != 0)
                line.entry(std::string(1, figureLetter(i)), figureText(p.Figures[i]));
    }
    {
        StoreLine line(out, "connected figures");
        for (int i = 1; i <= p.Segments.count; ++i)
            line.entry("L" + std::to_string(i), segmentText(p.Segments[i]));
    }
    {
        StoreLine line(out, "parameters");
        for (int i = 1; i <= kParameterCount; ++i)
            if (parameterInUse(p, i, s.view.XAxis.Letter))
                line.entry(std::string(1, parameterLetter(i)),
                           formatFileFloat(p.Parameters[i].Value, '.'));
    }
    out << "memo: " << p.MemoText.size() << " lines\n";
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
