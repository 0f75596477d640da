#include "shell/DataPanel.h"

#include "document/ProjectEdit.h"
#include "platform/qt/QtText.h"
#include "shell/FormulaImage.h"
#include "shell/ParameterPanel.h"
#include "shell/ProgramObjects.h"
#include "shell/ShownTexts.h"
#include "shell/TitleBarWatch.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>
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

// Expressions show theta as the Greek letter.
QString expressionText(const std::string& text) {
    QString s = toQString(text);
    s.replace('@', QChar(0x03B8));
    return s;
}

std::vector<PanelRowContent> rowContents(const std::vector<PanelRowText>& texts,
                                         CategoryPanel panel, const EngineSettings& settings,
                                         const RowGeometry& geometry, FormulaMetrics& metrics) {
    std::vector<PanelRowContent> rows;
    rows.reserve(texts.size());
    for (const PanelRowText& t : texts) {
        rows.push_back(
            {t.used,
             t.shown,
             t.position,
             t.visible,
             toQString(t.caption),
             expressionText(t.text),
             t.color,
             t.bold,
             t.arguments > 0 ? userFunctionLabelWidth(t.arguments, geometry.presentation) : 0,
             {}});
        // Connected figures list vertex letters, not an expression.
        if (t.used && t.shown && panel != CategoryPanel::ConnectedFigures)
            rows.back().formula = formulaImage(t.text, settings, geometry.fontSize, false,
                                               geometry.rowHeight - 2, &metrics);
    }
    return rows;
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
    // The memo panel's "Editar" opens the memo editor as "Editar Nota" does, and only when that
    // can.
    QAction* memo = action("EditMemo");
    QPushButton* editMemo = panel(CategoryPanel::Memo)->createButton();
    editMemo->setEnabled(memo->isEnabled());
    connect(memo, &QAction::enabledChanged, editMemo, &QPushButton::setEnabled);
    watchPointer();
    connectViewMenu();
    new TitleBarWatch(*this, [this] {
        if (moved) moved();
    });
    resize(objects_.document.view.presentationMode ? 390 : 330, 700); // presenting: 60 pixels wider
    setMinimumHeight(150);
}

void DataPanel::createPanels() {
    for (CategoryPanel panel : kAllCategoryPanels) {
        const int p = panelNumber(panel);
        const PanelSpec& s = kPanels[p - 1];
        if (panel == CategoryPanel::Parameters) {
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
        w->toggled = [this, panel](int row) { toggleRow(panel, row); };
        w->edited = [this, panel](int n) {
            if (editRequested) editRequested(panel, n);
        };
        w->createRequested = [this, panel] {
            if (panel == CategoryPanel::ConnectedFigures) {
                if (connectPointsRequested) connectPointsRequested();
            } else if (panel == CategoryPanel::Memo) {
                action("EditMemo")->trigger();
            } else if (editRequested) {
                editRequested(panel, 0);
            }
        };
        w->letterChosen = [this, panel](int figure) {
            if (editRequested) editRequested(panel, figure);
        };
        w->colourDropped = [this, panel](int row, unsigned colour) {
            if (colourDropped) colourDropped(panel, row, colour);
        };
        if (panel == CategoryPanel::ConnectedFigures) w->useNarrowRows();
        panels_[static_cast<std::size_t>(p - 1)] = w;
    }
}

RowGeometry DataPanel::geometry() const {
    const QScreen* s = screen();
    const int dpi = s ? static_cast<int>(std::lround(s->logicalDotsPerInchY())) : 96;
    return RowGeometry::forScreen(dpi > 0 ? dpi : 96, objects_.document.view.presentationMode);
}

void DataPanel::refreshCategory(CategoryPanel panel) {
    if (panel == CategoryPanel::Parameters) {
        parameters_->refreshParameterRows(geometry());
        layoutPanels();
        return;
    }
    const auto rows = rowContents(panelRows(objects_.document.project, panel), panel,
                                  objects_.document.project.engine, geometry(), rowMetrics_);
    int used = 0;
    for (const auto& r : rows) used += r.used ? 1 : 0;
    const bool canCreate = panel == CategoryPanel::Memo ||
                           (panel == CategoryPanel::Explicit && used < kExplicitFunctions) ||
                           (panel == CategoryPanel::Relations && used < kRelations) ||
                           (panel == CategoryPanel::UserFunctions && used < kUserFunctions) ||
                           (panel == CategoryPanel::ConnectedFigures && used < kSegments);
    if (panel == CategoryPanel::Curves || panel == CategoryPanel::BasicFigures) {
        std::vector<int> free;
        for (int n = 1; n <= kFigures; ++n)
            if (objects_.document.project.figures[n].kind == FigureKind::Empty) free.push_back(n);
        this->panel(panel)->setLetterStrip(free);
    }
    this->panel(panel)->setRows(rows, geometry(), canCreate);
    layoutPanels();
}

void DataPanel::refreshAll() {
    for (CategoryPanel panel : kAllCategoryPanels) refreshCategory(panel);
}

void DataPanel::layoutPanels() {
    Project& project = objects_.document.project;
    int top = 0;
    const int width = std::max(scroll_->width() - 20, 200);
    for (CategoryPanel p : panelsInOrder(project)) {
        CategoryPanelWidget* w = panel(p);
        const bool visible = project.categories[p].visible;
        w->setVisible(visible);
        if (!visible) continue;
        w->setGeometry(0, top, width, w->height());
        notePanelTop(project, p, top);
        top += w->height();
    }
    column_->setMinimumHeight(top);
}

// A slot without an object has no change to make; its button shows the model again.
void DataPanel::toggleRow(CategoryPanel panel, int row) {
    Document& ctx = objects_.context();
    if (!toggleEntryVisible(ctx, panel, row)) refreshCategory(panel);
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
