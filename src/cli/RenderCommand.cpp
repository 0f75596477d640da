// tarlix-cli render: draws a project's view into a PNG picture, as far as the drawing of its
// objects exists: the project's picture as the graph window shows it.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/PictureOutput.h"
#include "cli/ProjectSession.h"
#include "platform/Text1252.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtSurfaces.h"
#include "render/ProjectPicture.h"

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

// The project's ranges on the requested pixels.
void resize(ScaleT& view, std::pair<int, int> size) {
    view.XAxis.PixelLength = size.first;
    view.YAxis.PixelLength = size.second;
    view.XAxis.Recompute();
    view.YAxis.Recompute();
    view.FillXSamples();
}

int render(const RenderRequest& r, std::ostream& err) {
    auto s = std::make_unique<ProjectSession>();
    if (!s->open(r.project, err)) return kExitFailure;
    ScaleT& view = s->view;
    if (r.size) resize(view, *r.size);
    for (const auto& [slot, value] : r.parameters) s->project.Parameters[slot].Value = value;

    ProjectPicture picture(s->project, view, s->redraw);
    picture.recompute();
    ensureGuiApplication();
    QtImageCanvas canvas(view.XAxis.PixelLength, view.YAxis.PixelLength, kWhite);
    QtSurfaces surfaces;
    picture.draw(canvas, surfaces);
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
