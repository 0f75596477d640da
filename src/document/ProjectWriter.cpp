// The project file, section by section. The caption lines are for people reading the file;
// the reader skips them.

#include "document/ProjectWriter.h"

#include "document/BackgroundEdit.h"

#include <string>
#include <vector>

namespace tarlix {

namespace {

// Project files count entries up to the last one in use; empty ones before it are written.
template <typename T, int N, typename Used> int lastUsed(const Store<T, N>& store, Used used) {
    for (int n = N; n >= 1; --n)
        if (used(store[n])) return n;
    return 0;
}

bool hasText(const CompiledExpression& r) {
    return !r.source.empty();
}

// Collects the lines that hold free text (names, labels, captions, memo text), which the
// decimal-comma conversion must leave as written.
struct FreeText {
    std::vector<int>* lines;
    // The line being built holds free text after its numbers.
    void mark(const TokenLines& list) const {
        if (lines) lines->push_back(list.count());
    }
};

std::int32_t colour(std::uint32_t c) {
    return static_cast<std::int32_t>(c);
}

// The caption of a store's section, its count and the panel rows of its entries.
template <int N>
void writeHead(TokenLines& list, const char* caption, const Store<RowState, N>& rows, int n) {
    list.addStrLn(caption);
    list.addIntLn(n);
    for (int i = 1; i <= n; ++i) list.addInt(rows[i].position);
    for (int i = 1; i <= n; ++i) list.addBool(rows[i].shown);
    list.endLine();
}

void writeBackground(TokenLines& list, const ProjectSettings& s, const FreeText& free) {
    list.addStrLn("BGstretchOn BGfile");
    list.addInt(s.backgroundStretch);
    free.mark(list);
    // Setting the picture refuses a name without a single-byte form, so none is left out here.
    list.addStrLn(backgroundNameInFile(s.backgroundFile).value_or(std::string()));
    list.addStrLn(kSectionSeparator);
}

void writeUserFunctions(TokenLines& list, const Project& p) {
    const int n = lastUsed(p.userFunctions, hasText);
    writeHead(list, "UserFunction", p.userFunctionRows, n);
    for (int i = 1; i <= n; ++i) list.addStrLn(p.userFunctions[i].source);
    list.addStrLn(kSectionSeparator);
}

void writeExplicitFunctions(TokenLines& list, const Project& p) {
    const int n =
        lastUsed(p.explicitFunctions, [](const EquationEntry& f) { return hasText(f.expr); });
    writeHead(list, "y = f(x)", p.explicitFunctionRows, n);
    for (int i = 1; i <= n; ++i) {
        const EquationEntry& f = p.explicitFunctions[i];
        list.addStrLn(f.expr.source);
        list.addBool(f.afterimage);
        list.addInt(colour(f.penColor));
        list.addInt(f.penWidth);
        list.addBool(f.visible);
        list.addIntLn(f.lineStyle);
    }
    list.addStrLn(kSectionSeparator);
}

void writeRelations(TokenLines& list, const Project& p) {
    const int n = lastUsed(p.relations, [](const EquationEntry& f) { return hasText(f.expr); });
    writeHead(list, "0 = f(x,y)", p.relationRows, n);
    for (int i = 1; i <= n; ++i) {
        const EquationEntry& f = p.relations[i];
        list.addStrLn(f.expr.source);
        list.addBool(f.afterimage);
        list.addInt(colour(f.penColor));
        list.addInt(f.penWidth);
        list.addBool(f.fastPolynomial);
        list.addInt(f.fillPattern);
        list.addBool(f.visible);
        list.addInt(f.borderStyle);
        list.addIntLn(f.lineStyle);
    }
    list.addStrLn(kSectionSeparator);
}

void writeFigure(TokenLines& list, const FigureEntry& f, int n, const FreeText& free) {
    list.addStrLn(std::string(1, figureLetter(n)));
    list.addInt(static_cast<int>(f.kind));
    list.addInt(f.labelPosition);
    list.addIntLn(static_cast<int>(f.notation));
    if (f.kind == FigureKind::Empty) return;
    free.mark(list);
    list.addStrLn(f.label);
    for (const CompiledExpression* r : {&f.x, &f.y, &f.radius, &f.paramLow, &f.paramHigh})
        list.addStrLn(r->source);
    list.addToken(std::string(1, f.paramLetter));
    list.addFloatLn(f.paramStep);
    list.addBool(f.pointAfterimage);
    list.addBoolLn(f.lineAfterimage);
    list.addInt(colour(f.pointColor));
    list.addInt(colour(f.lineColor));
    list.addInt(colour(f.fillColor));
    list.addBool(f.visible);
    list.addBool(f.hollow);
    list.addBool(f.drag);
    list.addInt(f.fillPattern);
    list.addInt(f.curveStyle);
    list.addIntLn(static_cast<int>(f.curveFill));
    list.addInt(f.pointSize);
    list.addInt(f.locusWidth);
    list.addIntLn(f.lineWidth);
}

void writeFigures(TokenLines& list, const Project& p, const FreeText& free) {
    const int n =
        lastUsed(p.figures, [](const FigureEntry& f) { return f.kind != FigureKind::Empty; });
    writeHead(list, "Point", p.figureRows, n);
    for (int i = 1; i <= n; ++i) writeFigure(list, p.figures[i], i, free);
    list.addStrLn(kSectionSeparator);
}

void writeSegments(TokenLines& list, const SegmentStore& segments, const FreeText& free) {
    list.addStrLn("Segments");
    list.addIntLn(segments.count);
    for (int i = 1; i <= segments.count; ++i) {
        const SegmentRecord& s = segments[i];
        list.addInt(static_cast<int>(s.kind));
        list.addInt(s.lineStyle);
        list.addInt(s.fillPattern);
        list.addInt(colour(s.penColor));
        list.addInt(colour(s.fillColor));
        list.addInt(s.width);
        list.addBool(s.afterimage);
        list.addBoolLn(s.visible);
        list.addInt(s.labelPosition);
        free.mark(list);
        list.addStrLn(s.label);
        for (int k = 0; k < kSegmentVertices; ++k) {
            const std::uint8_t v = s.vertices[static_cast<std::size_t>(k)];
            list.addInt(v == kFigures ? kFileVertexO : v);
        }
        list.endLine();
    }
    list.addStrLn(kSectionSeparator);
}

void writeParameters(TokenLines& list, const Project& p) {
    list.addStrLn("paramater");
    list.addIntLn(kParameterCount);
    for (int i = 1; i <= kParameterCount; ++i) {
        const ParameterRec& r = p.parameters[i];
        list.addFloat(r.value);
        list.addBoolLn(r.sync);
        list.addBool(r.unfixed);
        list.addBool(r.additive);
        list.addFloat(r.step);
        list.addBoolLn(p.parameterRows[i].shown);
    }
    list.addInt(1); // placeholders where older files kept one step for all parameters
    list.addInt(1);
    list.addIntLn(p.settings.animationPeriod);
    list.addStrLn(kSectionSeparator);
}

void writeSettings(TokenLines& list, const Project& p) {
    const ProjectSettings& s = p.settings;
    const EngineSettings& e = p.engine;
    list.addStrLn("KakuMode ScanWidth LogMode ThetaMode AreaMode capStyle");
    for (int v : {static_cast<int>(e.angleMode), int{s.scanWidth}, static_cast<int>(e.logMode),
                  static_cast<int>(e.thetaMode), static_cast<int>(e.angleArea),
                  static_cast<int>(s.capStyle), int{s.drawWhileDragging}, int{s.drawWhileComputing},
                  int{e.complexMode}, int{e.allowSqrtN}, int{s.afterimageFills}})
        list.addInt(v);
    list.endLine();
    list.addStrLn("DrawMode SegmentShowSync");
    list.addInt(static_cast<int>(s.drawMode));
    list.addBoolLn(s.showSync);
    list.addStrLn("AfterImageColorNo, CanAImg");
    list.addInt(s.afterimageColorIndex);
    list.addBoolLn(s.afterimagesOn);
    list.addStrLn("circleMode");
    list.addIntLn(static_cast<int>(e.circleMode));
    list.addStrLn(kSectionSeparator);
}

void writeAxisTicks(TokenLines& list, const Axis& axis) {
    list.addStrLn("NUmber,Base,Linterval");
    list.addInt(axis.divisions);
    list.addFloat(axis.base);
    list.addIntLn(axis.labelInterval);
    list.addStrLn("High,Low");
    list.addFloat(axis.high);
    list.addFloatLn(axis.low);
    list.addStrLn(kSectionSeparator);
}

void writeAxisPixels(TokenLines& list, const Axis& axis, const FreeText& free) {
    list.addStrLn("Vlow,VHigh,label");
    list.addInt(axis.pixelStart);
    list.addInt(axis.pixelLength);
    free.mark(list);
    list.addStrLn(axis.caption);
}

void writeAxes(TokenLines& list, const View& view, bool degreeFont, const FreeText& free) {
    const Axis& x = view.xAxis;
    list.addStrLn("ScaleX");
    writeAxisPixels(list, x, free);
    list.addStrLn(std::string(1, x.letter));
    list.addStrLn("AxesVisible,ScaleVisible,Svaluevisible,AddDegreeLetter,ScaleGuidevisible");
    for (bool b : {x.axesVisible, x.scaleVisible, x.valueVisible, degreeFont, x.guideVisible})
        list.addBool(b);
    list.endLine();
    writeAxisTicks(list, x);

    const Axis& y = view.yAxis;
    list.addStrLn("ScaleY");
    writeAxisPixels(list, y, free);
    list.addStrLn("AxesVisible,ScaleVisible,Svaluevisible,ScaleGuidevisible");
    for (bool b : {y.axesVisible, y.scaleVisible, y.valueVisible, y.guideVisible}) list.addBool(b);
    list.endLine();
    writeAxisTicks(list, y);
}

void writeViewSettings(TokenLines& list, const View& view, const ProjectSettings& s) {
    list.addStrLn("ScaleS");
    list.addStrLn("SquareQ AreaRectify PsMesh AxisWidth FontSize AxisOn letterCenterShowPOsition "
                  "ShowEquation AxisType PolorNum Areafixed");
    list.addBool(view.equalScales);
    list.addBool(view.areaRectify);
    list.addInt(static_cast<int>(view.gridStyle));
    list.addInt(view.axisWidth);
    list.addInt(view.fontSize);
    list.addBool(view.axisOn);
    list.addInt(static_cast<int>(view.tickLabelPlacement));
    list.addBool(s.showCoordinates);
    list.addBool(s.showEquation);
    list.addInt(static_cast<int>(view.axisType));
    list.addInt(view.thetaNum);
    list.addBoolLn(s.areaFixed);
    list.addStrLn(kSectionSeparator);
}

void writeMarkedExpression(TokenLines& list, const CompiledExpression& r) {
    list.addBool(r.marked != 0);
    list.addStrLn(r.source);
}

void writeWindows(TokenLines& list, const Project& p) {
    list.addStrLn("Yvalue");
    writeMarkedExpression(list, p.valueWindow.x);
    list.addStrLn(kSectionSeparator);

    const IntegralWindowState& w = p.integralWindow;
    list.addStrLn("Iinterval");
    list.addStrLn("Svalue Evalue sliceNo");
    writeMarkedExpression(list, w.bounds.low);
    writeMarkedExpression(list, w.bounds.high);
    list.addIntLn(p.engine.integralPartitions);
    list.addStrLn("Dfuncno Efuncno AreaQ");
    list.addInt(w.integratedFunction);
    list.addInt(w.secondFunction);
    list.addBoolLn(w.areaMode);
    list.addStrLn(kSectionSeparator);

    list.addStrLn("Yvalue Function List");
    list.addIntLn(kValueFunctions);
    for (const CompiledExpression& f : p.valueWindow.valueFunctions) list.addStrLn(f.source);
    list.addStrLn(kSectionSeparator);
}

void writePanels(TokenLines& list, const Project& p) {
    list.addStrLn("Panel Position");
    for (const CategoryPanelState& c : p.categories) list.addInt(c.top);
    for (const CategoryPanelState& c : p.categories) list.addBool(c.visible);
    list.endLine();
    list.addStrLn("1");
    list.addStrLn(kSectionSeparator);
}

// Script lines carry numbers and expressions; the other memo lines are text.
void writeMemo(TokenLines& list, const Project& p, const FreeText& free) {
    list.addStrLn("MEMO SECTION");
    list.addStrLn("Style, Color, BGcolor , Size, PositionX, positionY");
    list.addInt(p.memo.frameStyle);
    list.addInt(colour(p.memo.textColor));
    list.addInt(p.memo.backgroundColorIndex);
    list.addInt(p.memo.textSize);
    for (int i = 0; i < 3; ++i) list.addInt(0);
    list.endLine();
    list.endLine();
    list.addIntLn(static_cast<std::int32_t>(p.memoText.size()));
    for (const std::string& line : p.memoText) {
        if (line.empty() || line[0] != '#') free.mark(list);
        list.addStrLn(line);
    }
    list.addStrLn(kSectionSeparator);

    list.addIntLn(kMemoBoxes);
    for (const MemoBoxPlace& b : p.memoBoxes) {
        list.addInt(b.left);
        list.addInt(b.top);
        list.addBoolLn(b.docked);
    }
    list.addStrLn(kSectionSeparator);
}

} // namespace

void writeProject(const Project& project, const View& view, TokenLines& list,
                  std::vector<int>* freeTextLines) {
    const FreeText free{freeTextLines};
    if (freeTextLines) freeTextLines->clear();
    list.clear();
    list.decimalChar = project.engine.decimalChar;
    list.addStrLn(kProjectHeader);
    list.addToken("[Don't Edit]");
    list.addFloatLn(3.14L);
    list.addStrLn(kSectionSeparator);
    writeBackground(list, project.settings, free);
    writeUserFunctions(list, project);
    writeExplicitFunctions(list, project);
    writeRelations(list, project);
    writeFigures(list, project, free);
    writeSegments(list, project.segments, free);
    writeParameters(list, project);
    writeSettings(list, project);
    writeAxes(list, view, project.settings.degreeFont, free);
    writeViewSettings(list, view, project.settings);
    writeWindows(list, project);
    writePanels(list, project);
    writeMemo(list, project, free);
}

} // namespace tarlix
