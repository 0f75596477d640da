// The data panel's row commands: the rows' popup menu, the popup of the toolbar and panels,
// dropping rows, panels and files, and the keyboard's way into the parameter edits.

#include "document/PanelEdit.h"
#include "shell/DataPanel.h"
#include "shell/PanelPointer.h"
#include "shell/ParameterPanel.h"
#include "shell/ProgramObjects.h"
#include "shell/ShownTexts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

namespace tarlix {

namespace {
const int kRowCounts[kCategoryPanels] = {20, 9, 22, 22, 14, 8, 0, 30};

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}
} // namespace

void DataPanel::watchPointer() {
    pointer_ = new PanelPointer(this);
    for (CategoryPanel category : kAllCategoryPanels) {
        const int p = panelNumber(category);
        CategoryPanelWidget* w = panel(category);
        pointer_->watchPanel(w, category);
        if (category == CategoryPanel::Parameters) {
            for (int i = 1; i <= kParameterCount; ++i)
                pointer_->watchRow(parameters_->row(i).letter, category, i, false);
            continue;
        }
        for (int row = 1; row <= kRowCounts[p - 1]; ++row) {
            pointer_->watchRow(w->rowButton(row), category, row, false);
            pointer_->watchRow(w->rowText(row), category, row,
                               category != CategoryPanel::ConnectedFigures);
        }
    }
    pointer_->watchColumn(column_);
    pointer_->watchFileDrops(this);
    pointer_->menuRequested = [this](CategoryPanel panel, int row, const QPoint& at) {
        const std::unique_ptr<QMenu> menu = row > 0 ? rowMenu(panel, row) : areaMenu(panel);
        if (!menu->isEmpty()) menu->exec(at);
    };
    pointer_->rowDropped = [this](CategoryPanel panel, int dragged, int target) {
        Document& ctx = objects_.context();
        moveRowOnto(ctx, panel, dragged, target);
    };
    pointer_->panelDropped = [this](CategoryPanel dragged, std::optional<CategoryPanel> target) {
        Document& ctx = objects_.context();
        moveCategoryPanel(ctx, dragged, target);
    };
    pointer_->fileDropped = [this](const QString& path) {
        if (fileDropped) fileDropped(path);
    };
    toolBar_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(toolBar_, &QToolBar::customContextMenuRequested, this,
            [this](const QPoint& at) { areaMenu(std::nullopt)->exec(toolBar_->mapToGlobal(at)); });
    scroll_->installEventFilter(this);
}

std::unique_ptr<QMenu> DataPanel::rowMenu(CategoryPanel panel, int row) {
    auto menu = std::make_unique<QMenu>();
    const auto item = [&](const char* key, auto handler) {
        connect(menu->addAction(shownText(key)), &QAction::triggered, this, handler);
    };
    if (panel == CategoryPanel::Memo) return menu;
    if (panel != CategoryPanel::Parameters) {
        item("RowMenu.edit", [this, panel, row] {
            if (editRequested) editRequested(panel, row);
        });
        if (canDeleteEntry(objects_.document.project, panel, row))
            item("RowMenu.delete", [this, panel, row] { deleteRow(panel, row); });
        if (panel != CategoryPanel::UserFunctions)
            item("RowMenu.clearAfterimage", [this, panel, row] {
                if (afterimagesClearRequested) afterimagesClearRequested(panel, row);
            });
    }
    // Connected figures keep no Shown state: their rows are always listed.
    if (panel != CategoryPanel::ConnectedFigures)
        item("RowMenu.hide", [this, panel, row] {
            Document& ctx = objects_.context();
            setRowShown(ctx, panel, row, false);
        });
    return menu;
}

std::unique_ptr<QMenu> DataPanel::areaMenu(std::optional<CategoryPanel> panel) {
    showViewState();
    auto menu = std::make_unique<QMenu>();
    const auto add = [this, &menu](const QString& name, bool current) {
        QAction* shown = action(name);
        QAction* a = menu->addAction((current ? "-> " : "") + shown->text());
        a->setCheckable(true);
        a->setChecked(shown->isChecked());
        connect(a, &QAction::triggered, shown, &QAction::trigger);
    };
    add("ShowToolbar", !panel);
    for (CategoryPanel p : kAllCategoryPanels)
        add("ShowPanel" + QString::number(panelNumber(p)), p == panel);
    return menu;
}

void DataPanel::deleteRow(CategoryPanel panel, int row) {
    if (!canDeleteEntry(objects_.document.project, panel, row)) return;
    if (!objects_.document.messages.show(shownMessage("RowMenu.deleteQuestion"),
                                         MessageKind::Warning, true))
        return;
    Document& ctx = objects_.context();
    deleteEntry(ctx, panel, row);
}

QLineEdit* DataPanel::firstParameterEdit() const {
    if (!parameters_->isVisible()) return nullptr;
    for (int i = 1; i <= kParameterCount; ++i)
        if (parameters_->row(i).shown) return parameters_->row(i).value;
    return nullptr;
}

bool DataPanel::focusParameterEdit(const QKeyEvent& key) {
    if (!key.modifiers().testFlag(Qt::ControlModifier) || !isArrow(key.key())) return false;
    QLineEdit* edit = firstParameterEdit();
    if (edit) edit->setFocus(Qt::ShortcutFocusReason);
    return edit != nullptr;
}

void DataPanel::keyPressEvent(QKeyEvent* event) {
    if (focusParameterEdit(*event)) return;
    QMainWindow::keyPressEvent(event);
}

// The scroll area would take the arrows for scrolling first.
bool DataPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_ && event->type() == QEvent::KeyPress &&
        focusParameterEdit(*static_cast<QKeyEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tarlix

namespace tarlix {

namespace {
// The categories of "Mostrar Datos" in menu order; the memo has none.
const CategoryPanel kShowDataPanels[] = {
    CategoryPanel::Explicit,        CategoryPanel::Relations,  CategoryPanel::Curves,
    CategoryPanel::BasicFigures,    CategoryPanel::Parameters, CategoryPanel::UserFunctions,
    CategoryPanel::ConnectedFigures};
} // namespace

void DataPanel::connectViewMenu() {
    const auto on = [this](const QString& name, auto handler) {
        QAction* a = action(name);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, handler);
    };
    action("ShowToolbar")->setCheckable(true);
    action("ShowToolbar")->setChecked(true);
    // Each item toggles what is on show now, whatever its check mark last showed.
    on("ShowToolbar", [this] {
        toolBar_->setVisible(toolBar_->isHidden());
        showViewState();
    });
    for (CategoryPanel panel : kAllCategoryPanels) {
        on("ShowPanel" + QString::number(panelNumber(panel)), [this, panel] {
            const bool shown = !objects_.document.project.categories[panel].visible;
            Document& ctx = objects_.context();
            setCategoryVisible(ctx, panel, shown);
            if (panel == CategoryPanel::ConnectedFigures && !shown && connectedFiguresHidden)
                connectedFiguresHidden();
            showViewState();
        });
    }
    on("ShowDataAll", [this] {
        Document& ctx = objects_.context();
        for (CategoryPanel panel : kShowDataPanels) showAllRows(ctx, panel);
    });
    for (int k = 1; k <= 7; ++k) {
        const CategoryPanel panel = kShowDataPanels[k - 1];
        on("ShowData" + QString::number(k), [this, panel] {
            Document& ctx = objects_.context();
            showAllRows(ctx, panel);
        });
    }
    showViewState();
}

void DataPanel::showViewState() {
    action("ShowToolbar")->setChecked(!toolBar_->isHidden());
    for (int p = 1; p <= kCategoryPanels; ++p)
        action("ShowPanel" + QString::number(p))
            ->setChecked(objects_.document.project.categories[p].visible);
    action("ViewPresentation")->setChecked(objects_.document.view.presentationMode);
}

} // namespace tarlix
