// Reading the sections after the view: the function-value and integral windows, the value
// function list, the category panels, the memo and its text boxes. Files may end before them.

#include "document/FileLimits.h"
#include "document/ReadSteps.h"

namespace tarlix {

namespace {

constexpr int kPanelTopLimit = 2000;
constexpr int kOldPanelTops = 6;
constexpr int kTextBoxes = 10; // the boxes that can hold text; the eleventh line is read past

void readMarkedExpression(ProjectInput& in, CompiledExpression& r) {
    r.marked = in.readBool(r.marked != 0) ? 1 : 0;
    r.source = rewriteOldSource(in.expression(), in);
}

// The panel moved to the top last ends first: the smallest stored top comes first.
void orderPanels(CategoryPanels& panels) {
    for (int t = kPanelTopLimit; t >= 0; --t) {
        for (int i = kCategoryPanels; i >= 1; --i) {
            if (panels[i].top != t) continue;
            const int from = panels[i].order;
            for (CategoryPanelState& c : panels)
                if (c.order < from) ++c.order;
            panels[i].order = 1;
        }
    }
}

std::int32_t readTop(ProjectInput& in, std::int32_t fallback) {
    return readInRange(in, fallback, -1000000, 1000000);
}

void readOldPanels(ProjectInput& in, CategoryPanels& panels) {
    const CategoryPanel oldOrder[kOldPanelTops] = {
        CategoryPanel::Explicit,      CategoryPanel::Relations,  CategoryPanel::BasicFigures,
        CategoryPanel::UserFunctions, CategoryPanel::Parameters, CategoryPanel::Memo};
    for (CategoryPanel c : oldOrder) panels[c].top = readTop(in, panels[c].top);
    panels[CategoryPanel::Curves].top = panels[CategoryPanel::BasicFigures].top;
    panels[CategoryPanel::ConnectedFigures].top = kPanelTopLimit;
    const CategoryPanel visibleOrder[kCategoryPanels] = {
        CategoryPanel::Explicit,         CategoryPanel::Relations,  CategoryPanel::BasicFigures,
        CategoryPanel::UserFunctions,    CategoryPanel::Parameters, CategoryPanel::Memo,
        CategoryPanel::ConnectedFigures, CategoryPanel::Curves};
    for (CategoryPanel c : visibleOrder) panels[c].visible = in.readBool(panels[c].visible);
    panels[CategoryPanel::Curves].visible = panels[CategoryPanel::BasicFigures].visible;
    panels[CategoryPanel::ConnectedFigures].visible = false;
}

} // namespace

void readValueWindows(ReadState& s) {
    ProjectInput& in = s.in;
    Project& p = s.p;
    IntegralWindowState& w = p.integralWindow;
    in.skip();
    if (in.from("2.0"))
        readMarkedExpression(in, p.valueWindow.x);
    else
        in.skip();
    in.skipPast();
    in.skip();
    in.skip();
    if (in.from("2.0")) {
        readMarkedExpression(in, w.bounds.low);
        readMarkedExpression(in, w.bounds.high);
    } else {
        // Older windows kept plain numbers for the bounds.
        Extended low = -1;
        Extended high = 1;
        low = in.readFloat(low);
        high = in.readFloat(high);
        w.bounds.low.source = formatFileFloat(low, p.engine.decimalChar);
        w.bounds.high.source = formatFileFloat(high, p.engine.decimalChar);
    }
    const std::int32_t partitions = in.readInt(p.engine.integralPartitions);
    if (limits::validIntegralPartitions(partitions)) p.engine.integralPartitions = partitions;
    in.next();
    in.skip();
    w.integratedFunction = readInRange(in, w.integratedFunction, 0, kExplicitFunctions);
    w.secondFunction = readInRange(in, w.secondFunction, 0, kExplicitFunctions);
    w.areaMode = in.readBool(w.areaMode);
    in.next();
    in.skipPast();
}

void readValueFunctions(ReadState& s) {
    ProjectInput& in = s.in;
    in.skip();
    const int n = readCount(in);
    for (int i = 1; i <= n && in.lineLeft(); ++i) {
        const std::string text = rewriteOldSource(in.expression(), in);
        if (i <= kValueFunctions) s.p.valueWindow.valueFunctions[i].source = text;
    }
    in.skip();
}

void readPanels(ReadState& s) {
    ProjectInput& in = s.in;
    auto& panels = s.p.categories;
    in.skip();
    if (in.from("2.1")) {
        for (CategoryPanelState& c : panels) c.top = readTop(in, c.top);
        for (CategoryPanelState& c : panels) c.visible = in.readBool(c.visible);
    } else {
        readOldPanels(in, panels);
    }
    in.next();
    orderPanels(panels);
}

void readMemo(ReadState& s) {
    ProjectInput& in = s.in;
    Project& p = s.p;
    if (in.from("2.3")) in.skip();
    in.skip();
    in.skip();
    in.skip();
    MemoStyle& m = p.memo;
    m.frameStyle = readByte(in, m.frameStyle, 0, 4);
    m.textColor = readColour(in, m.textColor);
    m.backgroundColorIndex = readByte(in, m.backgroundColorIndex, 0, limits::kMaxPaletteNumber);
    m.textSize = readByte(in, m.textSize, 1, 255);
    in.next();
    in.skip();
    p.memoText.clear();
    const int n = readCount(in);
    for (int i = 1; i <= n && !in.truncated; ++i) p.memoText.push_back(in.memoLine());
    in.skip();
}

void readMemoBoxes(ReadState& s) {
    ProjectInput& in = s.in;
    const int n = readCount(in);
    for (int i = 1; i <= n && !in.truncated; ++i) {
        MemoBoxPlace scratch;
        MemoBoxPlace& b = i <= kTextBoxes ? s.p.memoBoxes[i] : scratch;
        b.left = readInRange(in, b.left, -32768, 32767);
        b.top = readInRange(in, b.top, -32768, 32767);
        b.docked = in.readInt(b.docked ? 1 : 0) == 1;
        in.next();
    }
}

} // namespace tarlix
