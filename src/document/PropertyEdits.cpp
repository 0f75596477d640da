#include "document/PropertyEdits.h"

#include "document/EntryCompile.h"
#include "document/ParamTable.h"
#include "document/SegmentEdit.h"
#include "expression/CompileMessages.h"
#include "expression/References.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <array>
#include <utility>

namespace tarlix {

namespace {

bool isBlank(const CompiledExpression& e) {
    return e.source.find_first_not_of(' ') == std::string::npos;
}

// A text that was typed but did not compile (its message has been shown).
bool failed(const CompiledExpression& e) {
    return !isBlank(e) && e.code.empty();
}

bool usesToken(const CompiledExpression& e, int token) {
    return hasToken(e.tokens, [token](int t) { return t == token; });
}

bool figureCircular(Document& ctx, const FigureEntry& f) {
    for (const CompiledExpression* e : {&f.x, &f.y, &f.radius, &f.paramLow, &f.paramHigh})
        if (!isBlank(*e) && checkCircular(*e, ctx.project, ctx.messages)) return true;
    return false;
}

// The entry is tried in its slot for the cycle test and taken out again, so that a refused
// entry leaves the project as it was.
bool circularInPlace(Document& ctx, EquationEntry& slot, EquationEntry& entry) {
    std::swap(slot, entry);
    const bool circular = checkCircular(slot.expr, ctx.project, ctx.messages);
    std::swap(slot, entry);
    return circular;
}
bool circularInPlace(Document& ctx, FigureEntry& slot, FigureEntry& entry) {
    std::swap(slot, entry);
    const bool circular = figureCircular(ctx, slot);
    std::swap(slot, entry);
    return circular;
}

template <int N>
bool confirmEquation(Document& ctx, Store<EquationEntry, N>& store, int n, EquationEntry& entry,
                     int mode, bool refuseY) {
    if (!store.contains(n)) return false;
    if (isBlank(entry.expr)) {
        entry.expr = blankEquation().expr;
        return true;
    }
    compileText(entry.expr, mode, true, ctx.compileEnv());
    if (failed(entry.expr)) return false;
    if (refuseY && (usesToken(entry.expr, Token::Y) || usesToken(entry.expr, Token::R))) {
        ctx.messages.show(kMsgNoYInFunctions, MessageKind::Warning, false);
        return false;
    }
    return !circularInPlace(ctx, store[n], entry);
}

// The expressions each kind needs before it can be confirmed.
bool complete(const FigureEntry& f) {
    const bool x = !isBlank(f.x), y = !isBlank(f.y), r = !isBlank(f.radius);
    switch (f.kind) {
    case FigureKind::Point:
    case FigureKind::Parametric:
        return x && y;
    case FigureKind::Circle:
        return x && y && r;
    case FigureKind::HorizontalLine:
        return y && r;
    case FigureKind::VerticalLine:
        return x && r;
    case FigureKind::Polar:
        return r;
    default:
        return true;
    }
}

// Clears what the kind does not use, so that no stale text keeps a reference alive.
void clearUnused(FigureEntry& f) {
    if (f.kind == FigureKind::HorizontalLine) f.x = CompiledExpression{};
    if (f.kind == FigureKind::VerticalLine) f.y = CompiledExpression{};
    if (f.kind == FigureKind::Point || f.kind == FigureKind::Parametric)
        f.radius = CompiledExpression{};
    if (isCurveKind(f.kind)) return;
    f.paramLow = CompiledExpression{};
    f.paramHigh = CompiledExpression{};
    f.curveStyle = 1;
    if (f.kind != FigureKind::Point) f.locusWidth = 0;
}

// The curve checks; may switch the curve's afterimage off (with the warning).
bool curveAccepted(Document& ctx, FigureEntry& f) {
    const int param = parameterOfLetter(f.paramLetter);
    const bool rangeOk = !isBlank(f.paramLow) && !isBlank(f.paramHigh) && !failed(f.paramLow) &&
                         !failed(f.paramHigh);
    if (!rangeOk || !(f.paramStep > 0) || param == 0) {
        ctx.messages.show(kMsgBadCurveParameter, MessageKind::Warning, false);
        return false;
    }
    const int token = parameterToken(param);
    if (f.kind == FigureKind::Parametric && !usesToken(f.x, token) && !usesToken(f.y, token)) {
        ctx.messages.show(kMsgBadCurveParameter, MessageKind::Warning, false);
        return false;
    }
    if (f.lineAfterimage && (usesToken(f.paramLow, token) || usesToken(f.paramHigh, token))) {
        ctx.messages.show(kMsgRangeUsesParameter, MessageKind::Warning, false);
        f.lineAfterimage = false;
    }
    return true;
}

void takeFigureDefaults(const FigureEntry& f, FigureDefaults& d) {
    d.pointColor = f.pointColor;
    d.lineColor = f.lineColor;
    d.pointWidth = f.pointSize;
    d.lineWidth = f.lineWidth;
    d.lineStyle = f.curveStyle;
    d.dimension = f.notation;
}

} // namespace

bool confirmExplicitFunction(Document& ctx, int n, EquationEntry entry) {
    auto& store = ctx.project.explicitFunctions;
    if (!confirmEquation(ctx, store, n, entry, kModeExplicit, true)) return false;
    // An empty slot left empty changes nothing and leaves no undo step.
    if (!isBlank(entry.expr) || !isBlank(store[n].expr))
        storeExplicitFunction(ctx, n, std::move(entry));
    return true;
}

bool confirmRelation(Document& ctx, int n, EquationEntry entry) {
    auto& store = ctx.project.relations;
    if (!confirmEquation(ctx, store, n, entry, kModeRelation, false)) return false;
    if (!isBlank(entry.expr) || !isBlank(store[n].expr)) storeRelation(ctx, n, std::move(entry));
    return true;
}

bool confirmFigure(Document& ctx, int n, FigureEntry entry, FigureDefaults& defaults) {
    Project& p = ctx.project;
    if (!p.figures.contains(n)) return false;
    if (entry.kind == FigureKind::Empty) {
        storeFigure(ctx, n, blankFigure(n));
        return true;
    }
    if (entry.kind == FigureKind::Polar) {
        entry.x.source = "r cos@";
        entry.y.source = "r sin@";
    }
    if (isLineKind(entry.kind) && isBlank(entry.radius)) entry.radius.source = "0";
    clearUnused(entry);
    compileFigure(entry, n, FigureParts{}, true, ctx.compileEnv());
    if (!complete(entry)) {
        ctx.messages.show(msg::kNotFinished, MessageKind::Error, false);
        return false;
    }
    if (failed(entry.x) || failed(entry.y) || failed(entry.radius)) return false;
    if (isCurveKind(entry.kind) && !curveAccepted(ctx, entry)) return false;
    if (circularInPlace(ctx, p.figures[n], entry)) return false;
    takeFigureDefaults(entry, defaults);
    storeFigure(ctx, n, std::move(entry));
    return true;
}

bool confirmSegment(Document& ctx, int index, SegmentRecord record, const std::string& letters,
                    PenDefaults& defaults) {
    SegmentStore& segments = ctx.project.segments;
    if (index < 1 || index > segments.count + 1) return false;
    if (record.kind == SegmentKind::None) {
        deleteSegment(ctx, index);
        return true;
    }
    const std::string refusal = readSegmentVertices(ctx.project, letters, record);
    if (!refusal.empty()) {
        ctx.messages.show(refusal, MessageKind::Warning, false);
        return false;
    }
    if (record.kind == SegmentKind::Angle || record.kind == SegmentKind::Arc ||
        record.kind == SegmentKind::Bracket)
        record.lineStyle = 1;
    defaults = {record.penColor, record.width, record.lineStyle};
    if (index > segments.count) {
        if (segments.count >= kSegments) return false;
        ctx.recordUndo();
        segments.add(record);
        setSegment(ctx, segments.count, record);
    } else {
        ctx.recordUndo();
        setSegment(ctx, index, record);
    }
    return true;
}

bool setEntryColour(Document& ctx, CategoryPanel panel, int row, std::uint32_t colour,
                    ColourTarget target) {
    Project& p = ctx.project;
    switch (panel) {
    case CategoryPanel::Explicit:
    case CategoryPanel::Relations: {
        // A function or relation has one colour, its pen, which is also its line.
        const bool explicitFunction = panel == CategoryPanel::Explicit;
        if (target == ColourTarget::Inside) return false;
        if (explicitFunction ? !p.explicitFunctions.contains(row) : !p.relations.contains(row))
            return false;
        EquationEntry e = explicitFunction ? p.explicitFunctions[row] : p.relations[row];
        if (isBlank(e.expr) || e.penColor == colour) return false;
        e.penColor = colour;
        if (explicitFunction)
            storeExplicitFunction(ctx, row, std::move(e));
        else
            storeRelation(ctx, row, std::move(e));
        return true;
    }
    case CategoryPanel::Curves:
    case CategoryPanel::BasicFigures: {
        if (!p.figures.contains(row) || p.figures[row].kind == FigureKind::Empty) return false;
        FigureEntry f = p.figures[row];
        std::uint32_t& field = target == ColourTarget::Main   ? f.pointColor
                               : target == ColourTarget::Line ? f.lineColor
                                                              : f.fillColor;
        if (field == colour) return false;
        field = colour;
        storeFigure(ctx, row, std::move(f));
        return true;
    }
    case CategoryPanel::ConnectedFigures: {
        if (row < 1 || row > p.segments.count) return false;
        SegmentRecord r = p.segments[row];
        std::uint32_t& field = target == ColourTarget::Inside ? r.fillColor : r.penColor;
        if (field == colour) return false;
        field = colour;
        ctx.recordUndo();
        setSegment(ctx, row, r);
        return true;
    }
    default:
        return false;
    }
}

std::optional<Extended> steppedIncrement(Extended current, bool larger) {
    static constexpr std::array<Extended, 19> kSteps = {
        1000, 500,  200,  100,   50,    20,    10,     5,      2,     1,
        0.5L, 0.2L, 0.1L, 0.05L, 0.02L, 0.01L, 0.005L, 0.002L, 0.001L};
    if (larger) {
        for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
            if (*it > current * (1 + 1e-9L)) return *it;
    } else {
        for (Extended s : kSteps)
            if (s < current * (1 - 1e-9L)) return s;
    }
    return std::nullopt;
}

} // namespace tarlix
