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
    r.Marked = in.readBool(r.Marked != 0) ? 1 : 0;
    r.Source = rewriteOldSource(in.expression(), in);
}

// The panel moved to the top last ends first: the smallest stored top comes first.
void orderPanels(Store<CategoryPanelState, kCategoryPanels>& panels) {
    for (int t = kPanelTopLimit; t >= 0; --t) {
        for (int i = kCategoryPanels; i >= 1; --i) {
            if (panels[i].Top != t) continue;
            const int from = panels[i].Order;
            for (CategoryPanelState& c : panels)
                if (c.Order < from) ++c.Order;
            panels[i].Order = 1;
        }
    }
}

std::int32_t readTop(ProjectInput& in, std::int32_t fallback) {
    return readInRange(in, fallback, -1000000, 1000000);
}

void readOldPanels(ProjectInput& in, Store<CategoryPanelState, kCategoryPanels>& panels) {
    const CategoryPanel oldOrder[kOldPanelTops] = {cpExplicit,      cpRelations,  cpBasicFigures,
                                                   cpUserFunctions, cpParameters, cpMemo};
    for (CategoryPanel c : oldOrder) panels[c].Top = readTop(in, panels[c].Top);
    panels[cpCurves].Top = panels[cpBasicFigures].Top;
    panels[cpConnectedFigures].Top = kPanelTopLimit;
    const CategoryPanel visibleOrder[kCategoryPanels] = {
        cpExplicit,   cpRelations, cpBasicFigures,     cpUserFunctions,
        cpParameters, cpMemo,      cpConnectedFigures, cpCurves};
    for (CategoryPanel c : visibleOrder) panels[c].Visible = in.readBool(panels[c].Visible);
    panels[cpCurves].Visible = panels[cpBasicFigures].Visible;
    panels[cpConnectedFigures].Visible = false;
}

} // namespace

void readValueWindows(ReadState& s) {
    ProjectInput& in = s.in;
    Project& p = s.p;
    IntegralWindowState& w = p.IntegralWindow;
    in.skip();
    if (in.from("2.0"))
        readMarkedExpression(in, p.ValueWindow.X);
    else
        in.skip();
    in.skipPast();
    in.skip();
    in.skip();
    if (in.from("2.0")) {
        readMarkedExpression(in, w.Bounds.Low);
        readMarkedExpression(in, w.Bounds.High);
    } else {
        // Older windows kept plain numbers for the bounds.
        Extended low = -1;
        Extended high = 1;
        low = in.readFloat(low);
        high = in.readFloat(high);
        w.Bounds.Low.Source = formatFileFloat(low, p.Engine.DecimalChar);
        w.Bounds.High.Source = formatFileFloat(high, p.Engine.DecimalChar);
    }
    const std::int32_t partitions = in.readInt(p.Engine.IntegralPartitions);
    if (limits::validIntegralPartitions(partitions)) p.Engine.IntegralPartitions = partitions;
    in.next();
    in.skip();
    w.Dfuncno = readInRange(in, w.Dfuncno, 1, kExplicitFunctions);
    w.Efuncno = readInRange(in, w.Efuncno, 0, kExplicitFunctions);
    w.AreaQ = in.readBool(w.AreaQ);
    in.next();
    in.skipPast();
}

void readValueFunctions(ReadState& s) {
    ProjectInput& in = s.in;
    in.skip();
    std::int32_t n = in.readInt(0);
    in.next();
    for (int i = 1; i <= n && in.lineLeft(); ++i) {
        const std::string text = rewriteOldSource(in.expression(), in);
        if (i <= kValueFunctions) s.p.ValueWindow.ValueFunctions[i].Source = text;
    }
    in.skip();
}

void readPanels(ReadState& s) {
    ProjectInput& in = s.in;
    auto& panels = s.p.Categories;
    in.skip();
    if (in.from("2.1")) {
        for (CategoryPanelState& c : panels) c.Top = readTop(in, c.Top);
        for (CategoryPanelState& c : panels) c.Visible = in.readBool(c.Visible);
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
    MemoStyle& m = p.Memo;
    m.FrameStyle = readByte(in, m.FrameStyle, 0, 4);
    m.TextColor = readColour(in, m.TextColor);
    m.BackgroundColorNo = readByte(in, m.BackgroundColorNo, 0, limits::kMaxPaletteNumber);
    m.TextSize = readByte(in, m.TextSize, 1, 255);
    in.next();
    in.skip();
    p.MemoText.clear();
    const std::int32_t n = in.readInt(0);
    in.next();
    for (int i = 1; i <= n && !in.truncated; ++i) p.MemoText.push_back(in.memoLine());
    in.skip();
}

void readMemoBoxes(ReadState& s) {
    ProjectInput& in = s.in;
    const std::int32_t n = in.readInt(0);
    in.next();
    for (int i = 1; i <= n && !in.truncated; ++i) {
        MemoBoxPlace scratch;
        MemoBoxPlace& b = i <= kTextBoxes ? s.p.MemoBoxes[i] : scratch;
        b.Left = readInRange(in, b.Left, -32768, 32767);
        b.Top = readInRange(in, b.Top, -32768, 32767);
        b.Docked = in.readInt(b.Docked ? 1 : 0) == 1;
        in.next();
    }
}

} // namespace tarlix
