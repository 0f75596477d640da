// tarlix-cli render: draws a project's view into a PNG picture, as far as the drawing of its
// objects exists: the explicit functions over plain axes through the origin.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ProjectSession.h"
#include "expression/eval/Evaluator.h"
#include "platform/Text1252.h"
#include "platform/qt/QtImageCanvas.h"
#include "render/explicit/DrawFunction.h"
#include "render/explicit/EvaluatorSampler.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>

namespace tarlix::cli {

namespace {

constexpr const char* kPrefix = "tarlix-cli render: ";
constexpr int kMinPixels = 10;
constexpr int kMaxPixels = 1400; // the widest view the function caches hold

struct RenderRequest {
    std::string project;
    std::string output;
    std::optional<std::pair<int, int>> size;
    std::vector<std::pair<int, Extended>> parameters; // slot, value
};

std::optional<std::pair<int, int>> parseSize(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos) return std::nullopt;
    const auto w = parseInteger(text.substr(0, x));
    const auto h = parseInteger(text.substr(x + 1));
    const auto fits = [](const std::optional<long>& n) {
        return n && *n >= kMinPixels && *n <= kMaxPixels;
    };
    if (!fits(w) || !fits(h)) return std::nullopt;
    return std::pair{static_cast<int>(*w), static_cast<int>(*h)};
}

std::optional<std::pair<int, Extended>> parseParameter(const std::string& text) {
    const auto eq = text.find('=');
    if (eq == std::string::npos) return std::nullopt;
    const std::string letter = utf8ToText(text.substr(0, eq));
    const auto value = parseNumber(text.substr(eq + 1));
    const int slot = letter.size() == 1 ? parameterOfLetter(letter[0]) : 0;
    if (slot == 0 || !value) return std::nullopt;
    return std::pair{slot, static_cast<Extended>(*value)};
}

std::optional<RenderRequest> readRequest(const CliArgs& args, std::ostream& err) {
    RenderRequest r;
    if (args.positional().size() != 1 || !args.value("-o") || args.value("-o")->empty()) {
        err << kPrefix << "give one project file and the picture to write with -o OUT.png\n";
        return std::nullopt;
    }
    r.project = args.positional().front();
    r.output = *args.value("-o");
    if (auto size = args.value("--size")) {
        r.size = parseSize(*size);
        if (!r.size) {
            err << kPrefix << "--size must be WxH with W and H whole numbers from " << kMinPixels
                << " to " << kMaxPixels << ", got \"" << *size << "\"\n";
            return std::nullopt;
        }
    }
    for (const std::string& p : args.values("--param")) {
        const auto parameter = parseParameter(p);
        if (!parameter) {
            err << kPrefix << "--param must be L=VALUE with L one of a b c d m n p q s t u v "
                << "\xCE\xB8 k, got \"" << p << "\"\n";
            return std::nullopt;
        }
        r.parameters.push_back(*parameter);
    }
    return r;
}

class ScaleArea : public ViewArea {
public:
    explicit ScaleArea(const ScaleT& view) : view_(view) {}
    Extended areaBound(int k) const override { return viewArea(view_, makeReal(k)).x; }

private:
    const ScaleT& view_;
};

// Plain black axis lines through the origin, where it is in view.
void drawAxes(const ScaleT& view, Canvas& canvas) {
    canvas.setPen(Pen{});
    if (view.YAxis.Low <= 0 && 0 <= view.YAxis.High) {
        const int row = view.YAxis.ToPixel(0);
        canvas.moveTo(0, row);
        canvas.lineTo(canvas.width(), row);
    }
    if (view.XAxis.Low <= 0 && 0 <= view.XAxis.High) {
        const int column = view.XAxis.ToPixel(0);
        canvas.moveTo(column, 0);
        canvas.lineTo(column, canvas.height());
    }
}

// Qt draws only with an application object; without a display it uses the offscreen platform.
void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "tarlix-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

bool savePng(const QImage& image, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The project's ranges on the requested pixels.
void resize(ScaleT& view, std::pair<int, int> size) {
    view.XAxis.PixelLength = size.first;
    view.YAxis.PixelLength = size.second;
    view.XAxis.Recompute();
    view.YAxis.Recompute();
    view.FillXSamples();
}

ParameterValues parameterValues(const Project& p, const RenderRequest& r) {
    ParameterValues values;
    for (int i = 1; i <= kParameterCount; ++i) {
        values.value(i) = p.Parameters[i].Value;
        values.step(i) = p.Parameters[i].Step;
    }
    for (const auto& [slot, value] : r.parameters) values.value(slot) = value;
    return values;
}

int render(const RenderRequest& r, std::ostream& err) {
    auto s = std::make_unique<ProjectSession>();
    if (!s->open(r.project, err)) return kExitFailure;
    ScaleT& view = s->view;
    if (r.size) resize(view, *r.size);
    ExplicitFunctionStore functions;
    for (int n = 1; n <= kExplicitFunctions; ++n) functions[n] = s->project.YFunctions[n];
    ParameterValues parameters = parameterValues(s->project, r);
    RandomState random = RandomState::seededOnce();
    ScaleArea area(view);
    const EvalEnv env{s->project.Engine, s->project, parameters, &random, &area};
    Evaluator evaluator(env);
    EvaluatorSampler sampler(evaluator, view);
    view.redrawState().dirty.set();
    UpdateFunctionSamples(view, functions, sampler);

    ensureGuiApplication();
    QtImageCanvas canvas(view.XAxis.PixelLength, view.YAxis.PixelLength, kWhite);
    drawAxes(view, canvas);
    FunctionDrawSettings settings;
    settings.DrawMode = s->project.Settings.DrawMode;
    auto buffer = std::make_unique<TVPolyLine>();
    DrawFunctions(FunctionDrawing{view, *buffer, settings, &canvas}, functions);
    if (!savePng(canvas.image(), r.output)) {
        err << kPrefix << "cannot write \"" << r.output << "\"\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

int runRender(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto parsed =
        CliArgs::parse(args, {{"-o", true}, {"--size", true}, {"--param", true}}, err);
    if (!parsed) return kExitUsage;
    const auto request = readRequest(*parsed, err);
    if (!request) return kExitUsage;
    return render(*request, err);
}

} // namespace tarlix::cli
