// Draws any text as memo markup, as labels, captions and the memo are drawn. Live fields are
// evaluated against a new project under a counted budget, as a redraw's budget bounds them.
// Without live fields the text draws the same twice, so measuring alone must give exactly what
// drawing gives: the labels are placed by measuring.
#include "FuzzTarget.h"

#include "document/Project.h"
#include "platform/RecordingCanvas.h"
#include "render/markup/DrawMarkup.h"

#include <memory>

namespace {
using namespace tarlix;

// The budget is asked after some sixty thousand evaluation steps: enough for every kind of
// field to run, while no input spends long under the sanitizers.
constexpr long kBudgetQuestions = 1;

struct Drawn {
    int x = 0;
    MarkupExtent extent;
};

Drawn draw(const Project& project, const std::string& text, bool drawing) {
    ParameterValues values;
    MarkupEnv env = markupEnvOf(project, values);
    CountedBudget budget(kBudgetQuestions);
    env.budget = &budget;
    RecordingCanvas canvas(400, 300);
    canvas.setFont(Font{"Times New Roman", 12, FontStyle::Plain, kBlack});
    MarkupOptions options;
    options.draw = drawing;
    Drawn d;
    d.x = 10;
    d.extent = drawMarkup(canvas, env, d.x, 100, text, options);
    return d;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto project = std::make_unique<Project>();
    const std::string text = fuzz::textOf(data, size);
    const Drawn drawn = draw(*project, text, true);
    // Fields evaluate afresh each time, and "rnd" differs between the two.
    if (text.find("!{") != std::string::npos || text.find("?{") != std::string::npos) return 0;
    const Drawn measured = draw(*project, text, false);
    if (measured.x != drawn.x || measured.extent.top != drawn.extent.top ||
        measured.extent.bottom != drawn.extent.bottom)
        __builtin_trap();
    return 0;
}
