#include "shell/GraphContextMenu.h"

#include "document/PointPlacement.h"
#include "document/RowTexts.h"
#include "platform/qt/QtText.h"
#include "render/figures/FigureStore.h"
#include "shell/GraphMouse.h"
#include "shell/GraphWindow.h"
#include "shell/HoverObject.h"
#include "shell/ShownTexts.h"
#include "view/CoordinateText.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

#include <vector>

namespace tarlix {

namespace {

struct ZoomItem {
    const char* name;
    const char* caption;
    Extended factor;
};
constexpr ZoomItem kZoomItems[] = {
    {"x10", "x10", 10},     {"x51", "x5", 5},       {"x21", "x2", 2},
    {"x1d2", "x1/2", 0.5L}, {"x1d5", "x1/5", 0.2L}, {"x1d10", "x1/10", 0.1L},
};

// A menu item that shows and sets the state of a checkable button.
void addToggle(QMenu& menu, const char* name, QAction* button) {
    QAction* a = menu.addAction(button->text());
    a->setObjectName(name);
    a->setCheckable(true);
    a->setChecked(button->isChecked());
    QObject::connect(a, &QAction::triggered, button, &QAction::toggle);
}

} // namespace

GraphContextMenu::GraphContextMenu(GraphWindow& window, GraphMouse& mouse,
                                   std::function<Document&()> context, ProjectPicture& picture,
                                   Commands commands)
    : QObject(&window), window_(window), mouse_(mouse), context_(std::move(context)),
      picture_(picture), commands_(std::move(commands)), graphImage_(window.graphImage()) {
    graphImage_->installEventFilter(this);
}

bool GraphContextMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ContextMenu || watched != graphImage_) return false;
    const auto* e = static_cast<QContextMenuEvent*>(event);
    menuAt(e->pos().x(), e->pos().y())->popup(e->globalPos());
    return true;
}

QMenu* GraphContextMenu::menuAt(int px, int py) {
    delete menu_;
    menu_ = new QMenu(&window_);
    menu_->setObjectName("PopupMenuGraph");
    addPropertyItems(*menu_, px, py);
    addSetPointItems(*menu_, px, py);
    menu_->addSeparator();
    addToggle(*menu_, "ppmPosition", window_.positionButton());
    addToggle(*menu_, "ppmEquation", window_.equationButton());
    addToggle(*menu_, "mnseg", window_.connectTool());
    addZoomItems(*menu_, px, py);
    menu_->addSeparator();
    const auto command = [this](const char* key, const char* name, const std::function<void()>& run,
                                bool can = true) {
        QAction* a = menu_->addAction(shownText(key));
        a->setObjectName(name);
        a->setEnabled(run && can);
        if (run) connect(a, &QAction::triggered, this, [run] { run(); });
    };
    command("GraphMenu.makeAfterimage", "ppmZon", commands_.makeAfterimage);
    command("GraphMenu.clearAfterimages", "ppmZClear", commands_.clearAfterimages);
    command("GraphMenu.copy", "ppmcopy", commands_.copyGraph);
    command("GraphMenu.print", "ppmprint", commands_.print,
            !commands_.canPrint || commands_.canPrint());
    return menu_;
}

// One item for each kind of object under the pointer; a curve found also as the figure under
// the pointer is offered once.
void GraphContextMenu::addPropertyItems(QMenu& menu, int px, int py) {
    const Document& c = context_();
    const ObjectsUnderPointer hits = objectsAt(c, picture_, px, py);
    const auto item = [&](const char* name, const std::string& object, CategoryPanel panel, int n) {
        if (n == 0) return;
        QAction* a = menu.addAction(shownText("GraphMenu.properties").arg(toQString(object)));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, panel, n] {
            if (commands_.openProperties) commands_.openProperties(panel, n);
        });
    };
    const auto letter = [](int n) { return std::string(1, kFigureLetters[n - 1]); };
    if (hits.figure != 0 && hits.figure != hits.curve)
        item("MnPOint", letter(hits.figure),
             isCurveKind(c.project.figures[hits.figure].kind) ? CategoryPanel::Curves
                                                              : CategoryPanel::BasicFigures,
             hits.figure);
    item("mnsegment", hits.segment ? segmentRowCaption(hits.segment) : "",
         CategoryPanel::ConnectedFigures, hits.segment);
    item("MnFunction", "y" + std::to_string(hits.function), CategoryPanel::Explicit, hits.function);
    item("MnCfx", "C" + std::to_string(hits.relation), CategoryPanel::Relations, hits.relation);
    item("mncrv", hits.curve ? letter(hits.curve) : "", CategoryPanel::Curves, hits.curve);
}

// The letters P..V and A..N whose figure is not in use; the chosen one becomes a point at the
// pixel where the menu opened. From seven letters on they stand in two columns, the second
// starting after the first (n + 1) / 2.
void GraphContextMenu::addSetPointItems(QMenu& menu, int px, int py) {
    QMenu* letters = menu.addMenu(shownText("GraphMenu.setPoint"));
    letters->setObjectName("MnSetPoint");
    letters->menuAction()->setObjectName("MnSetPoint");
    const Project& project = context_().project;
    constexpr int kLettered = 21; // figure O has no item
    std::vector<QAction*> free;
    for (int n = 1; n <= kLettered; ++n) {
        if (project.figures[n].kind != FigureKind::Empty) continue;
        auto* a = new QAction(QString(QChar(kFigureLetters[n - 1])), letters);
        a->setObjectName(QStringLiteral("SetPoint%1").arg(n));
        connect(a, &QAction::triggered, this, [this, letters, n, px, py] {
            letters->close(); // a button in the menu does not close it as an item would
            menu_->close();
            setPoint(n, px, py);
        });
        free.push_back(a);
    }
    letters->setEnabled(!free.empty());
    if (free.empty()) return;
    // A menu lays its items out in one column; the letters are buttons in a grid instead.
    const int count = static_cast<int>(free.size());
    const int rows = count >= 7 ? (count + 1) / 2 : count;
    auto* grid = new QWidget(letters);
    grid->setObjectName("SetPointColumns");
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    for (int i = 0; i < count; ++i) {
        auto* button = new QToolButton(grid);
        button->setDefaultAction(free[static_cast<std::size_t>(i)]);
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setMinimumWidth(40);
        layout->addWidget(button, i % rows, i / rows);
    }
    auto* columns = new QWidgetAction(letters);
    columns->setDefaultWidget(grid);
    letters->addAction(columns);
}

void GraphContextMenu::setPoint(int n, int px, int py) {
    Document& c = context_();
    const auto text = [&](const Axis& axis, int p) {
        const std::string t =
            formatAxisValue(axis, axis.toWorld(p), 0, c.project.engine.decimalChar);
        return t.substr(t.find_first_not_of(' '));
    };
    const NewObjectDefaults defaults =
        commands_.newObjects ? *commands_.newObjects : NewObjectDefaults{};
    if (!placePoint(c, n, text(c.view.xAxis, px), text(c.view.yAxis, py), defaults.figure)) return;
    if (defaults.showProperty && commands_.openProperties)
        commands_.openProperties(CategoryPanel::BasicFigures, n);
}

void GraphContextMenu::addZoomItems(QMenu& menu, int px, int py) {
    QMenu* zoom = menu.addMenu(shownText("Graph.zoomMenu"));
    zoom->setObjectName("MnZoom");
    zoom->menuAction()->setObjectName("MnZoom");
    for (const ZoomItem& z : kZoomItems) {
        QAction* a = zoom->addAction(QString::fromLatin1(z.caption));
        a->setObjectName(z.name);
        const Extended factor = z.factor;
        connect(a, &QAction::triggered, this,
                [this, px, py, factor] { mouse_.zoomAt(px, py, factor); });
    }
}

} // namespace tarlix
