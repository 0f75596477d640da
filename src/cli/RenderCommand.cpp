// tarlix-cli render: draws a project's view into a picture file of any type the program writes,
// as far as the drawing of its objects exists: the project's picture as the graph window shows
// it.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/PictureOutput.h"
#include "cli/ProjectSession.h"
#include "document/AfterimageFile.h"

#include <memory>
#include <optional>
#include <ostream>

namespace tarlix::cli {

namespace {

constexpr const char* kPrefix = "tarlix-cli render: ";

struct RenderRequest {
    std::string project;
    std::string output;
    std::optional<std::pair<int, int>> size;
    std::vector<std::pair<int, Extended>> parameters; // slot, value
    PictureOptions options;
};

std::optional<RenderRequest> readRequest(const CliArgs& args, std::ostream& err) {
    RenderRequest r;
    if (args.positional().size() != 1 || !args.value("-o") || args.value("-o")->empty()) {
        err << kPrefix << "give one project file and the picture to write with -o OUT (its type by "
            << "the extension: " << acceptedPictureExtensions() << ")\n";
        return std::nullopt;
    }
    r.project = args.positional().front();
    r.output = *args.value("-o");
    if (!checkPictureExtension(r.output, kPrefix, err)) return std::nullopt;
    if (auto size = args.value("--size")) {
        r.size = parsePictureSize(*size);
        if (!r.size) {
            err << kPrefix << "--size must be WxH with W and H whole numbers from "
                << kMinPicturePixels << " to " << kMaxPicturePixels << ", got \"" << *size
                << "\"\n";
            return std::nullopt;
        }
    }
    const auto options = readPictureOptions(args, kPrefix, err);
    if (!options) return std::nullopt;
    r.options = *options;
    r.options.integral = args.has("--integral");
    r.options.valueMarker = args.has("--values");
    for (const std::string& p : args.values("--param")) {
        const auto parameter = parseParameterValue(p);
        if (!parameter) {
            err << kPrefix << parameterOptionHelp() << ", got \"" << p << "\"\n";
            return std::nullopt;
        }
        r.parameters.push_back(*parameter);
    }
    return r;
}

// The project's ranges on the requested pixels.
void resize(View& view, std::pair<int, int> size) {
    view.xAxis.pixelLength = size.first;
    view.yAxis.pixelLength = size.second;
    view.xAxis.recompute();
    view.yAxis.recompute();
    view.fillXSamples();
}

int render(const RenderRequest& r, double timeout, std::ostream& err) {
    DeadlineBudget budget(timeout);
    auto s = std::make_unique<ProjectSession>();
    if (!s->open(r.project, err)) return kExitFailure;
    Document& document = s->document;
    // A damaged afterimage file is reported; what was read before the damage is drawn.
    for (const auto& m : document.messages.kept.entries)
        if (m.text == kMsgAfterimageFileDamaged) err << kPrefix << textToUtf8(m.text) << "\n";
    if (r.size) resize(document.view, *r.size);
    for (const auto& [slot, value] : r.parameters) document.project.parameters[slot].value = value;
    PictureOptions options = r.options;
    options.budget = &budget;
    return writeProjectPicture(document, r.output, kPrefix, err, options) ? kExitOk : kExitFailure;
}

} // namespace

int runRender(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto parsed = CliArgs::parse(
        args,
        {{"-o", true},
         {"--size", true},
         {"--param", true},
         {"--bw", false},
         {"--scale", true},
         {"--integral", false},
         {"--values", false}},
        err);
    if (!parsed) return kExitUsage;
    const auto request = readRequest(*parsed, err);
    if (!request) return kExitUsage;
    return render(*request, parsed->timeout(), err);
}

} // namespace tarlix::cli
