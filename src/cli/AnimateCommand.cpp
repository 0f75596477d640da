// tarlix-cli animate: steps one parameter from a value to another, as the parameter animation
// of the graph window does, and writes each picture on the way as a frame of an animated GIF or
// as numbered PNG files.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/PictureOutput.h"
#include "cli/ProjectSession.h"
#include "document/ProjectEdit.h"
#include "platform/qt/QtAnimatedGif.h"
#include "platform/qt/QtHeadless.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtPictureFiles.h"
#include "render/ProjectPicture.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>

#include <sys/stat.h>
#include <unistd.h>

namespace tarlix::cli {

namespace {

constexpr const char* kPrefix = "tarlix-cli animate: ";
constexpr int kMaxFrames = 1000;
constexpr int kDefaultDelay = 80;      // ms, the window's middle animation speed
constexpr int kMaxDelay = 0xFFFF * 10; // GIF delays are 16-bit hundredths of a second

struct AnimateRequest {
    std::string project;
    int slot = 0;
    Extended from = 0;
    Extended step = 0;
    int frames = 0;
    bool afterimages = false;
    int delay = kDefaultDelay;
    std::optional<std::pair<int, int>> size;
    std::string gif;    // -o
    std::string folder; // --frames
};

// "L=FROM:TO:STEP": the letter's slot and the values; none when malformed.
bool readSteps(const std::string& text, AnimateRequest& r, std::ostream& err) {
    const auto colon = text.find(':');
    const auto second = colon == std::string::npos ? colon : text.find(':', colon + 1);
    const auto start = parseParameterValue(text.substr(0, colon));
    const auto to = second == std::string::npos
                        ? std::nullopt
                        : parseNumber(text.substr(colon + 1, second - colon - 1));
    const auto step =
        second == std::string::npos ? std::nullopt : parseNumber(text.substr(second + 1));
    if (!start || !to || !step) {
        err << kPrefix << "--param must be L=FROM:TO:STEP with L one of a b c d m n p q s t u v "
            << "\xCE\xB8 k, got \"" << text << "\"\n";
        return false;
    }
    r.slot = start->first;
    r.from = start->second;
    r.step = *step;
    const Extended span = *to - r.from;
    if (r.step == 0 || (span != 0 && (span > 0) != (r.step > 0))) {
        err << kPrefix << "the step must lead from " << static_cast<double>(r.from) << " to "
            << static_cast<double>(*to) << " (not 0, of the sign of TO - FROM), got \"" << text
            << "\"\n";
        return false;
    }
    // A last step that lands on TO within rounding counts.
    const Extended count = std::floor(span / r.step + 1e-9L) + 1;
    if (count > kMaxFrames) {
        err << kPrefix << "at most " << kMaxFrames << " frames, these steps make "
            << static_cast<double>(count) << "\n";
        return false;
    }
    r.frames = static_cast<int>(count);
    return true;
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<AnimateRequest> readRequest(const CliArgs& args, std::ostream& err) {
    AnimateRequest r;
    const auto gif = args.value("-o");
    const auto folder = args.value("--frames");
    const auto param = args.value("--param");
    if (args.positional().size() != 1 || !param || (gif.has_value() == folder.has_value()) ||
        (gif && gif->empty()) || (folder && folder->empty())) {
        err << kPrefix << "give one project file, --param L=FROM:TO:STEP and either -o OUT.gif or "
            << "--frames FOLDER\n";
        return std::nullopt;
    }
    r.project = args.positional().front();
    if (!readSteps(*param, r, err)) return std::nullopt;
    if (gif) {
        if (pictureFileTypeOf(*gif) != PictureFileType::Gif) {
            err << kPrefix << "an animation is written as a GIF: -o must end in .gif, got \""
                << *gif << "\"\n";
            return std::nullopt;
        }
        r.gif = *gif;
    }
    if (folder) r.folder = *folder;
    if (auto delay = args.value("--delay")) {
        const auto ms = parseInteger(*delay);
        if (!ms || *ms < 1 || *ms > kMaxDelay) {
            err << kPrefix << "--delay must be a whole number of milliseconds from 1 to "
                << kMaxDelay << ", got \"" << *delay << "\"\n";
            return std::nullopt;
        }
        r.delay = static_cast<int>(*ms);
    }
    if (auto size = args.value("--size")) {
        r.size = parsePictureSize(*size);
        if (!r.size) {
            err << kPrefix << "--size must be WxH with W and H whole numbers from "
                << kMinPicturePixels << " to " << kMaxPicturePixels << ", got \"" << *size
                << "\"\n";
            return std::nullopt;
        }
    }
    r.afterimages = args.has("--afterimages");
    return r;
}

void resize(View& view, std::pair<int, int> size) {
    view.xAxis.pixelLength = size.first;
    view.yAxis.pixelLength = size.second;
    view.xAxis.recompute();
    view.yAxis.recompute();
    view.fillXSamples();
}

std::string frameName(const std::string& folder, int n) {
    char name[16];
    std::snprintf(name, sizeof name, "frame%03d.png", n);
    return folder + (folder.back() == '/' ? "" : "/") + name;
}

// The frames go to disk only once all are drawn; a frame that cannot be written takes the ones
// written before it away again.
bool writeFrames(const std::string& folder, const std::vector<std::string>& frames,
                 std::ostream& err) {
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const std::string path = frameName(folder, static_cast<int>(i));
        const SaveResult saved = saveFile(path, frames[i]);
        if (saved.ok()) continue;
        err << kPrefix << saveFailureText(path, saved) << "\n";
        for (std::size_t j = 0; j < i; ++j) unlink(frameName(folder, static_cast<int>(j)).c_str());
        return false;
    }
    return true;
}

// The picture drawn as the window shows it, its rulers beside it.
QImage drawFrame(ProjectPicture& picture, View& view, QtHeadless& platform) {
    const auto canvas = platform.createImage(view.xAxis.pixelLength, view.yAxis.pixelLength);
    picture.draw(*canvas, platform);
    const auto withRulers = picture.withRulers(*canvas, platform);
    const auto* image =
        dynamic_cast<const QtImageCanvas*>(withRulers ? withRulers.get() : canvas.get());
    return image ? image->image() : QImage();
}

int animate(const AnimateRequest& r, double timeout, std::ostream& err) {
    DeadlineBudget budget(timeout);
    if (!r.folder.empty() && !isFolder(r.folder)) {
        err << kPrefix << "the folder \"" << r.folder << "\" does not exist\n";
        return kExitFailure;
    }
    auto s = std::make_unique<ProjectSession>();
    if (!s->open(r.project, err)) return kExitFailure;
    Document& document = s->document;
    if (r.size) resize(document.view, *r.size);
    document.project.settings.afterimagesOn = r.afterimages;
    ProjectPicture picture(document);
    picture.setBudget(&budget);
    QtHeadless platform;
    AnimatedGifWriter gif(r.delay);
    std::vector<std::string> pngs;
    for (int i = 0; i < r.frames; ++i) {
        setParameterValue(document, r.slot, r.from + r.step * i);
        picture.recompute();
        const QImage frame = drawFrame(picture, document.view, platform);
        if (budget.exhausted()) {
            err << kPrefix << timeoutMessage(budget.seconds()) << "\n";
            return kExitFailure;
        }
        if (r.gif.empty())
            pngs.push_back(encodeBitmapFile(frame, PictureFileType::Png));
        else
            gif.addFrame(frame);
        // A frame that could not be drawn or encoded spoils the animation: nothing is written.
        if (frame.isNull() || (r.gif.empty() ? pngs.back().empty() : gif.frameCount() != i + 1)) {
            err << kPrefix << "frame " << i << " could not be drawn; nothing written\n";
            return kExitFailure;
        }
    }
    if (!r.gif.empty()) {
        const SaveResult saved = gif.save(r.gif);
        if (!saved.ok()) err << kPrefix << saveFailureText(r.gif, saved) << "\n";
        return saved.ok() ? kExitOk : kExitFailure;
    }
    return writeFrames(r.folder, pngs, err) ? kExitOk : kExitFailure;
}

} // namespace

int runAnimate(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto parsed = CliArgs::parse(args,
                                       {{"-o", true},
                                        {"--frames", true},
                                        {"--param", true},
                                        {"--afterimages", false},
                                        {"--delay", true},
                                        {"--size", true}},
                                       err);
    if (!parsed) return kExitUsage;
    const auto request = readRequest(*parsed, err);
    if (!request) return kExitUsage;
    return animate(*request, parsed->timeout(), err);
}

} // namespace tarlix::cli
