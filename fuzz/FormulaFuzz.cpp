// Shows any text as a typeset formula, as the data panel, the dialogs and the memo show
// expressions: the first byte chooses the size in points (4..200, as tarlix-cli formula takes
// it), the rest is the text. Measuring alone must give what drawing gives, and the fitted
// drawing of a panel row is made too.
#include "FuzzTarget.h"

#include "expression/Calc.h"
#include "expression/formula/DrawFormula.h"
#include "platform/RecordingCanvas.h"

namespace {
using namespace tarlix;

constexpr int kSmallestSize = 4;
constexpr int kSizes = 197;
constexpr int kRowHeight = 70;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string text = fuzz::textOf(data + 1, size - 1);
    EngineSettings settings;
    RecordingMessageBox box;
    const CompileEnv env{settings, box};
    CompiledExpression record;
    setSource(record, text, kModePlain - 1, env); // tokenized as typed, not compiled
    FormulaStyle style;
    style.size = kSmallestSize + data[0] % kSizes;

    const PreparedFormula formula = prepareFormula(record.tokens, settings);
    RecordingCanvas canvas(600, kRowHeight);
    const FormulaExtent measured = drawFormulaAt(canvas, formula, style, 3, 50, false);
    const FormulaExtent drawn = drawFormulaAt(canvas, formula, style, 3, 50, true);
    if (measured.width != drawn.width || measured.top != drawn.top ||
        measured.bottom != drawn.bottom)
        __builtin_trap();
    RecordingCanvas row(600, kRowHeight);
    drawFormula(row, record.tokens, settings, style);
    return 0;
}
