// tarlix-cli plot: draws explicit functions y1, y2, ..., relations C1, C2, ... and figures on a
// white picture with the axes, their grid and values (or the polar grid) and writes it as PNG.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/FigureOption.h"
#include "cli/PictureOutput.h"
#include "cli/SegmentOption.h"
#include "document/Project.h"
#include "expression/Calc.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

namespace tarlix::cli {

namespace {

constexpr const char* kPrefix = "tarlix-cli plot: ";

struct PlotRequest {
    std::vector<std::string> expressions;
    std::vector<std::string> relations;
    std::vector<FigureOption> figures;
    int scanWidth = 4;
    bool fastPolynomial = true;
    int width = 600;
    int height = 600;
    Extended xLow = -5, xHigh = 5, yLow = -5, yHigh = 5;
    bool polar = false;
    GridStyle gridStyle = GridStyle::Lines;
    std::vector<std::pair<int, Extended>> parameters; // slot, value
    std::vector<SegmentOption> segments;
    std::string output;
    PictureOptions options;
};

std::vector<std::string> splitOn(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

bool parseSize(const std::string& text, PlotRequest& r) {
    const auto size = parsePictureSize(text);
    if (!size) return false;
    std::tie(r.width, r.height) = *size;
    return true;
}

bool parseRange(const std::string& text, PlotRequest& r) {
    const auto parts = splitOn(text, ',');
    if (parts.size() != 4) return false;
    std::optional<long double> v[4];
    for (int i = 0; i < 4; ++i)
        if (!(v[i] = parseNumber(parts[static_cast<std::size_t>(i)]))) return false;
    if (!(*v[0] < *v[1]) || !(*v[2] < *v[3])) return false;
    r.xLow = *v[0];
    r.xHigh = *v[1];
    r.yLow = *v[2];
    r.yHigh = *v[3];
    return true;
}

bool parseScanWidth(const std::string& text, PlotRequest& r) {
    const auto n = parseInteger(text);
    if (!n || (*n != 1 && *n != 2 && *n != 4 && *n != 8)) return false;
    r.scanWidth = static_cast<int>(*n);
    return true;
}

bool parseGridStyle(const std::string& text, PlotRequest& r) {
    const auto n = parseInteger(text);
    if (!n || *n < 0 || *n > 3) return false;
    r.gridStyle = static_cast<GridStyle>(*n);
    return true;
}

bool parseParameter(const std::string& text, PlotRequest& r) {
    const auto parameter = parseParameterValue(text);
    if (parameter) r.parameters.push_back(*parameter);
    return parameter.has_value();
}

// Reads the options; on a bad one the message is written and nothing is returned.
std::optional<PlotRequest> readRequest(const CliArgs& args, std::ostream& err) {
    PlotRequest r;
    const auto options = readPictureOptions(args, kPrefix, err);
    if (!options) return std::nullopt;
    r.options = *options;
    r.expressions = args.values("-y");
    if (r.expressions.size() > static_cast<std::size_t>(functionCount)) {
        err << kPrefix << "at most " << functionCount << " functions (-y)\n";
        return std::nullopt;
    }
    r.relations = args.values("-c");
    if (r.relations.size() > static_cast<std::size_t>(kRelations)) {
        err << kPrefix << "at most " << kRelations << " relations (-c)\n";
        return std::nullopt;
    }
    if (auto scan = args.value("--scan"); scan && !parseScanWidth(*scan, r)) {
        err << kPrefix << "--scan must be 1, 2, 4 or 8, got \"" << *scan << "\"\n";
        return std::nullopt;
    }
    r.fastPolynomial = !args.has("--no-fastpoly");
    if (auto size = args.value("--size"); size && !parseSize(*size, r)) {
        err << kPrefix << "--size must be WxH with W and H whole numbers from " << kMinPicturePixels
            << " to " << kMaxPicturePixels << ", got \"" << *size << "\"\n";
        return std::nullopt;
    }
    if (auto range = args.value("--range"); range && !parseRange(*range, r)) {
        err << kPrefix << "--range must be XMIN,XMAX,YMIN,YMAX with XMIN < XMAX and YMIN < YMAX, "
            << "got \"" << *range << "\"\n";
        return std::nullopt;
    }
    if (auto grid = args.value("--grid"); grid && !parseGridStyle(*grid, r)) {
        err << kPrefix << "--grid must be 0 (lines), 1 (crosses), 2 (dotted) or 3 (dark lines), "
            << "got \"" << *grid << "\"\n";
        return std::nullopt;
    }
    for (const std::string& f : args.values("--figure")) {
        auto figure = parseFigureOption(f, kPrefix, err);
        if (!figure) return std::nullopt;
        r.figures.push_back(std::move(*figure));
    }
    r.polar = args.has("--polar");
    for (const std::string& p : args.values("--param"))
        if (!parseParameter(p, r)) {
            err << kPrefix << parameterOptionHelp() << ", got \"" << p << "\"\n";
            return std::nullopt;
        }
    for (const std::string& s : args.values("--segment")) {
        const auto segment = parseSegmentOption(s);
        if (!segment) {
            err << kPrefix << segmentOptionHelp() << ", got \"" << s << "\"\n";
            return std::nullopt;
        }
        r.segments.push_back(*segment);
    }
    const auto output = args.value("-o");
    if (!output || output->empty() || !args.positional().empty()) {
        err << kPrefix << "give the picture to write with -o OUT.png; expressions go after -y, "
            << "-c and --figure\n";
        return std::nullopt;
    }
    r.output = *output;
    if (!checkPictureExtension(r.output, kPrefix, err)) return std::nullopt;
    return r;
}

// Compiles every expression into y1, y2, ... and every relation into C1, C2, ...; false (the
// messages on err) when one fails.
bool compileExpressions(const PlotRequest& r, Project& project, std::ostream& err) {
    RecordingMessageBox box;
    const CompileEnv env{project.engine, box};
    const auto fails = [&](const char* letter, std::size_t i) {
        for (const auto& e : box.entries)
            err << letter << i + 1 << ": " << textToUtf8(e.text, true) << "\n";
        return false;
    };
    for (std::size_t i = 0; i < r.expressions.size(); ++i) {
        CompiledExpression& record = project.explicitFunctions[static_cast<int>(i) + 1].expr;
        setSource(record, utf8ToText(r.expressions[i]), kModePlain - 1, env);
        if (!compile(record, kModeExplicit, true, env)) return fails("y", i);
    }
    for (std::size_t i = 0; i < r.relations.size(); ++i) {
        EquationEntry& relation = project.relations[static_cast<int>(i) + 1];
        relation.fastPolynomial = r.fastPolynomial;
        setSource(relation.expr, utf8ToText(r.relations[i]), kModePlain - 1, env);
        if (!compile(relation.expr, kModeRelation, true, env)) return fails("C", i);
    }
    for (const FigureOption& f : r.figures)
        if (!defineFigure(project.figures[f.figure], f, project.engine, err)) return false;
    return true;
}

// The view of the picture: exactly the requested ranges on exactly the requested pixels.
void setUpView(View& view, const PlotRequest& r) {
    view.areaRectify = false;
    view.xAxis.pixelLength = r.width;
    view.yAxis.pixelLength = r.height;
    view.setView(r.xLow, r.xHigh, r.yLow, r.yHigh);
    view.axisType = r.polar ? AxisType::Polar : AxisType::Cartesian;
    view.gridStyle = r.gridStyle;
}

int plot(const PlotRequest& r, const CliArgs& args, std::ostream& err) {
    const EngineSettings& settings = args.settings();
    DeadlineBudget budget(args.timeout());
    auto document = std::make_unique<Document>();
    Project& project = document->project;
    project.engine = settings;
    project.settings.scanWidth = static_cast<std::uint8_t>(r.scanWidth);
    project.settings.drawWhileComputing = false; // no window shows a partial drawing
    if (!compileExpressions(r, project, err)) return kExitFailure;
    if (!addSegments(r.segments, project, err, kPrefix)) return kExitUsage;

    setUpView(document->view, r);
    for (const auto& [slot, value] : r.parameters) project.parameters[slot].value = value;

    PictureOptions options = r.options;
    options.budget = &budget;
    return writeProjectPicture(*document, r.output, kPrefix, err, options) ? kExitOk : kExitFailure;
}

} // namespace

int runPlot(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto parsed = CliArgs::parse(args,
                                       {{"-y", true},
                                        {"-c", true},
                                        {"--segment", true},
                                        {"--scan", true},
                                        {"--no-fastpoly", false},
                                        {"--range", true},
                                        {"--size", true},
                                        {"--param", true},
                                        {"--polar", false},
                                        {"--grid", true},
                                        {"--figure", true},
                                        {"--bw", false},
                                        {"--scale", true},
                                        {"-o", true}},
                                       err);
    if (!parsed) return kExitUsage;
    const auto request = readRequest(*parsed, err);
    if (!request) return kExitUsage;
    return plot(*request, *parsed, err);
}

} // namespace tarlix::cli
