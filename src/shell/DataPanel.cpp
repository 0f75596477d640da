#include "shell/DataPanel.h"

#include "document/ObjectTokens.h"
#include "document/ProjectEdit.h"
#include "platform/qt/QtText.h"
#include "shell/ParameterPanel.h"
#include "shell/ProgramObjects.h"
#include "shell/RowTexts.h"
#include "shell/ShownTexts.h"

#include <QAction>
#include <QCloseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarlix {

namespace {
struct PanelSpec {
    const char* title; // keys of the shown texts
    int rows;
    const char* create; // none for panels without a create button
};
// Titles, row counts and create controls, in the initial order of the column.
const PanelSpec kPanels[kCategoryPanels] = {
    {"Panel.Explicit", 20, "Panel.Explicit.create"},
    {"Panel.Relations", 9, "Panel.Relations.create"},
    {"Panel.Curves", 22, nullptr},
    {"Panel.BasicFigures", 22, nullptr},
    {"Panel.Parameters", 14, nullptr},
    {"Panel.UserFunctions", 8, "Panel.UserFunctions.create"},
    {"Panel.Memo", 0, "Panel.Memo.create"},
    {"Panel.ConnectedFigures", 30, "Panel.ConnectedFigures.create"},
};

// Expressions show theta as theta.
QString expressionText(const std::string& text) {
    QString s = toQString(text);
    s.replace('@', QChar(0x03B8));
    return s;
}
} // namespace

DataPanel::DataPanel(ProgramObjects& objects, QWidget* parent)
    : QMainWindow(parent), objects_(objects) {
    setObjectName("MainConsole");
    setWindowTitle(shownText("DataPanel.title"));
    QFont f("Arial");
    setFont(f);
    scroll_ = new QScrollArea(this);
    column_ = new QWidget(scroll_);
    scroll_->setWidget(column_);
    scroll_->setWidgetResizable(true);
    setCentralWidget(scroll_);
    createPanels();
    buildConsoleMenus(*this);
    resize(330, 700);
    setMinimumHeight(150);
}

void DataPanel::createPanels() {
    for (int p = 1; p <= kCategoryPanels; ++p) {
        const PanelSpec& s = kPanels[p - 1];
        if (p == cpParameters) {
            parameters_ = new ParameterPanel(objects_, column_);
            parameters_->redrawRequested = [this] {
                if (changed) changed();
            };
            parameters_->heightChanged = [this] { layoutPanels(); };
            panels_[static_cast<std::size_t>(p - 1)] = parameters_;
            continue;
        }
        auto* w = new CategoryPanelWidget(shownText(s.title), s.rows,
                                          s.create ? shownText(s.create) : QString(), column_);
        w->toggled = [this, p](int row) { toggleRow(static_cast<CategoryPanel>(p), row); };
        panels_[static_cast<std::size_t>(p - 1)] = w;
    }
}

RowGeometry DataPanel::geometry() const {
    const QScreen* s = screen();
    const int dpi = s ? static_cast<int>(std::lround(s->logicalDotsPerInchY())) : 96;
    return RowGeometry::forScreen(dpi > 0 ? dpi : 96, objects_.view.presentationMode);
}

std::vector<PanelRowContent> DataPanel::rowsOf(CategoryPanel panel) const {
    const Project& pr = objects_.project;
    std::vector<PanelRowContent> rows;
    auto equation = [&](const EquationEntry& e, const RowState& st, QString caption) {
        PanelRowContent r;
        r.used = !e.expr.source.empty();
        r.shown = st.shown;
        r.position = st.position;
        r.visible = e.visible;
        r.caption = caption;
        r.text = expressionText(e.expr.source);
        r.color = e.penColor;
        r.bold = e.penWidth > 1;
        return r;
    };
    switch (panel) {
    case cpExplicit:
        for (int i = 1; i <= kExplicitFunctions; ++i)
            rows.push_back(equation(pr.explicitFunctions[i], pr.explicitFunctionRows[i],
                                    toQString(explicitRowCaption(i))));
        break;
    case cpRelations:
        for (int i = 1; i <= kRelations; ++i)
            rows.push_back(
                equation(pr.relations[i], pr.relationRows[i], toQString(relationRowCaption(i))));
        break;
    case cpCurves:
    case cpBasicFigures:
        for (int i = 1; i <= kFigures; ++i) {
            const FigureEntry& f = pr.figures[i];
            PanelRowContent r;
            r.used = f.kind != 0 && isCurveKind(f.kind) == (panel == cpCurves);
            r.shown = pr.figureRows[i].shown;
            r.position = pr.figureRows[i].position;
            r.visible = f.visible;
            r.caption = QString(QChar(figureLetter(i)));
            r.text = expressionText(figureRowText(f));
            r.color = f.pointColor;
            rows.push_back(r);
        }
        break;
    case cpUserFunctions:
        for (int i = 1; i <= kUserFunctions; ++i) {
            PanelRowContent r;
            r.used = !pr.userFunctions[i].source.empty();
            r.shown = pr.userFunctionRows[i].shown;
            r.position = pr.userFunctionRows[i].position;
            r.caption = toQString(userFunctionRowCaption(pr, i));
            r.text = expressionText(pr.userFunctions[i].source);
            rows.push_back(r);
        }
        break;
    case cpConnectedFigures:
        for (int i = 1; i <= kSegments; ++i) {
            PanelRowContent r;
            r.used = i <= pr.segments.count;
            r.position = i;
            if (r.used) {
                const SegmentRecord& s = pr.segments[i];
                r.visible = s.visible;
                r.caption = toQString(segmentRowCaption(i));
                r.text = toQString(segmentRowText(s));
                r.color = s.penColor;
            }
            rows.push_back(r);
        }
        break;
    case cpParameters: // the parameter panel lays out its own rows
    case cpMemo:
        break;
    }
    return rows;
}

void DataPanel::refreshCategory(CategoryPanel panel) {
    if (panel == cpParameters) {
        parameters_->refreshParameterRows(geometry());
        layoutPanels();
        return;
    }
    const auto rows = rowsOf(panel);
    int used = 0;
    for (const auto& r : rows) used += r.used ? 1 : 0;
    const bool canCreate = panel == cpMemo || (panel == cpExplicit && used < kExplicitFunctions) ||
                           (panel == cpRelations && used < kRelations) ||
                           (panel == cpUserFunctions && used < kUserFunctions) ||
                           (panel == cpConnectedFigures && used < kSegments);
    this->panel(panel)->setRows(rows, geometry(), canCreate);
    layoutPanels();
}

void DataPanel::refreshAll() {
    for (int p = 1; p <= kCategoryPanels; ++p) refreshCategory(static_cast<CategoryPanel>(p));
}

void DataPanel::layoutPanels() {
    std::array<int, kCategoryPanels> order{};
    for (int p = 1; p <= kCategoryPanels; ++p) order[static_cast<std::size_t>(p - 1)] = p;
    const auto& cats = objects_.project.categories;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return cats[a].order < cats[b].order; });
    int top = 0;
    const int width = std::max(scroll_->width() - 20, 200);
    for (int p : order) {
        CategoryPanelWidget* w = panel(static_cast<CategoryPanel>(p));
        const bool visible = objects_.project.categories[p].visible;
        w->setVisible(visible);
        if (!visible) continue;
        w->setGeometry(0, top, width, w->height());
        objects_.project.categories[p].top = top;
        top += w->height();
    }
    column_->setMinimumHeight(top);
}

void DataPanel::toggleRow(CategoryPanel panel, int row) {
    Project& pr = objects_.project;
    int token = 0;
    switch (panel) {
    case cpExplicit:
        pr.explicitFunctions[row].visible = !pr.explicitFunctions[row].visible;
        token = explicitFunctionToken(row);
        break;
    case cpRelations:
        pr.relations[row].visible = !pr.relations[row].visible;
        token = relationToken(row);
        break;
    case cpCurves:
    case cpBasicFigures:
        pr.figures[row].visible = !pr.figures[row].visible;
        token = figureToken(row);
        break;
    case cpConnectedFigures:
        pr.segments[row].visible = !pr.segments[row].visible;
        break;
    default:
        return;
    }
    if (token != 0) markChanged(pr, objects_.redraw, token);
    pr.modified = true;
    refreshCategory(panel);
    if (changed) changed();
}

QAction* DataPanel::action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void DataPanel::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (closeRequested) closeRequested();
}

void DataPanel::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutPanels();
}

void DataPanel::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (moved) moved();
}

} // namespace tarlix
