// tarlix-cli text: draws lines of memo markup, with their live fields evaluated against the
// parameters and definitions given.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/EvalSession.h"
#include "cli/PictureOutput.h"
#include "document/ProjectSettings.h"
#include "platform/RecordingCanvas.h"
#include "platform/qt/QtHeadless.h"
#include "render/markup/DrawMarkup.h"

#include <algorithm>
#include <ostream>

namespace tarlix::cli {

namespace {
constexpr const char* kPrefix = "tarlix-cli text: ";
constexpr int kDefaultWidth = 600;
constexpr int kMargin = 4;
constexpr int kLineGap = 2;

std::vector<std::string> markupLines(const std::vector<std::string>& args) {
    std::vector<std::string> lines;
    for (const auto& a : args) {
        std::size_t start = 0;
        for (auto nl = a.find('\n'); nl != std::string::npos; nl = a.find('\n', start)) {
            lines.push_back(utf8ToText(a.substr(start, nl - start)));
            start = nl + 1;
        }
        lines.push_back(utf8ToText(a.substr(start)));
    }
    return lines;
}

// The baselines of the lines, each below the lowest row of the one before, and the height
// they take.
std::pair<std::vector<int>, int> layoutLines(Canvas& canvas, const MarkupEnv& env,
                                             const std::vector<std::string>& lines,
                                             const MarkupOptions& options) {
    MarkupOptions measuring = options;
    measuring.draw = false;
    std::vector<int> baselines;
    int bottom = kMargin;
    for (const auto& line : lines) {
        int x = kMargin;
        const MarkupExtent e = drawMarkup(canvas, env, x, 0, line, measuring);
        const bool empty = e.bottom < e.top;
        const int above = empty ? fontPixelHeight(canvas.font().size) : -e.top;
        const int below = empty ? 0 : e.bottom;
        baselines.push_back(bottom + above);
        bottom += above + below + kLineGap;
    }
    return {baselines, bottom + kMargin};
}
} // namespace

int runText(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto parsed = CliArgs::parse(
        args,
        {{"--param", true}, {"--def", true}, {"--figure", true}, {"--width", true}, {"-o", true}},
        err);
    if (!parsed) return kExitUsage;
    const auto output = parsed->value("-o");
    if (parsed->positional().empty() || !output) {
        err << kPrefix << "give the markup and -o OUT.png\n";
        return kExitUsage;
    }
    int width = kDefaultWidth;
    if (const auto w = parsed->value("--width")) {
        const auto n = parseInteger(*w);
        if (!n || *n < kMinPicturePixels || *n > kMaxPicturePixels) {
            err << kPrefix << "--width takes pixels " << kMinPicturePixels << ".."
                << kMaxPicturePixels << "\n";
            return kExitUsage;
        }
        width = static_cast<int>(*n);
    }
    EvalSession session(parsed->settings(), err, kPrefix);
    for (const auto& p : parsed->values("--param"))
        if (!session.setParameter(p)) return kExitUsage;
    for (const auto& d : parsed->values("--def"))
        if (const int status = session.define(d)) return status;
    for (const auto& f : parsed->values("--figure"))
        if (const int status = session.defineFigureOption(f)) return status;

    const MemoStyle memo;
    MarkupOptions options;
    options.defaultColour = memo.textColor;
    DeadlineBudget budget(parsed->timeout());
    MarkupEnv env{session.settings(), session.document(), session.parameters(), {}};
    env.budget = &budget;
    const auto lines = markupLines(parsed->positional());
    QtHeadless platform;
    auto probe = platform.createImage(width, kMinPicturePixels);
    probe->setFont(Font{"Times New Roman", memo.textSize, FontStyle::Plain, memo.textColor});
    const auto [baselines, height] = layoutLines(*probe, env, lines, options);
    auto image =
        platform.createImage(width, std::clamp(height, kMinPicturePixels, kMaxPicturePixels));
    image->setFont(probe->font());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int x = kMargin;
        drawMarkup(*image, env, x, baselines[i], lines[i], options);
    }
    if (budget.ranOut()) {
        err << kPrefix << timeoutMessage(budget.seconds()) << "\n";
        return kExitFailure;
    }
    const SaveResult saved = platform.savePng(*image, *output);
    if (saved.ok()) return kExitOk;
    err << kPrefix << saveFailureText(*output, saved) << "\n";
    return kExitFailure;
}

} // namespace tarlix::cli
