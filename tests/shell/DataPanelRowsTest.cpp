#include "ProgramFixture.h"
#include "document/PanelEdit.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/PanelPointer.h"
#include "shell/ParameterPanel.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

// A program showing y1 = a x, y2 = x^2 and y3 = 2x, nothing modified.
struct PanelRows : ::testing::Test {
    tarlix::testing::ProgramShowingAx shown;
    PanelRows() {
        store(2, "x^2");
        store(3, "2x");
        project().modified = false;
        shown.messages.entries.clear();
    }
    Project& project() { return shown.project(); }
    DataPanel& dataPanel() { return *shown.program->dataPanel(); }
    CategoryPanelWidget* panel(CategoryPanel p) { return dataPanel().panel(p); }
    void store(int n, const std::string& text) {
        Document& ctx = shown.program->context();
        EquationEntry f;
        f.expr.source = text;
        storeExplicitFunction(ctx, n, f);
    }
    // The explicit functions in the order their rows stand, top to bottom.
    std::vector<int> rowOrder() {
        std::vector<std::pair<int, int>> tops;
        for (int n = 1; n <= kExplicitFunctions; ++n)
            if (!panel(CategoryPanel::Explicit)->rowButton(n)->isHidden())
                tops.push_back({panel(CategoryPanel::Explicit)->rowButton(n)->y(), n});
        std::sort(tops.begin(), tops.end());
        std::vector<int> order;
        for (const auto& t : tops) order.push_back(t.second);
        return order;
    }
    static QAction* item(QMenu& menu, const QString& text) {
        for (QAction* a : menu.actions())
            if (a->text() == text) return a;
        return nullptr;
    }
    static QStringList items(QMenu& menu) {
        QStringList texts;
        for (QAction* a : menu.actions()) texts << a->text();
        return texts;
    }
    // Drops data at a point of a widget, as the platform's drag does.
    static bool drop(QWidget* on, const QPoint& at, QMimeData* data) {
        QDragEnterEvent enter(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        QDropEvent dropped(QPointF(at), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &dropped);
        delete data;
        return dropped.isAccepted();
    }
    QPoint rowPoint(CategoryPanel p, int row) {
        return panel(p)->rowText(row)->geometry().center();
    }
};

} // namespace

TEST_F(PanelRows, HidingARowMovesTheNextUpAndShowDataBringsItBack) {
    const int y2Top = panel(CategoryPanel::Explicit)->rowButton(2)->y();
    auto menu = dataPanel().rowMenu(CategoryPanel::Explicit, 2);
    item(*menu, "Ocultar Datos")->trigger();
    EXPECT_TRUE(panel(CategoryPanel::Explicit)->rowButton(2)->isHidden());
    EXPECT_EQ(panel(CategoryPanel::Explicit)->rowButton(3)->y(), y2Top) << "y3 takes y2's place";
    EXPECT_TRUE(project().modified) << "Shown is saved with the project";
    const int shorter = panel(CategoryPanel::Explicit)->height();

    dataPanel().action("ShowData1")->trigger(); // "Mostrar Datos" -> "Función"
    EXPECT_EQ(rowOrder(), (std::vector<int>{1, 2, 3})) << "back in its old order";
    EXPECT_EQ(panel(CategoryPanel::Explicit)->height() - shorter,
              panel(CategoryPanel::Explicit)->rowButton(3)->y() -
                  panel(CategoryPanel::Explicit)->rowButton(2)->y())
        << "the panel grows by one row";
}

TEST_F(PanelRows, DroppingARowOnAnotherReordersTheCategory) {
    EXPECT_TRUE(drop(panel(CategoryPanel::Explicit), rowPoint(CategoryPanel::Explicit, 3),
                     panelDragData({CategoryPanel::Explicit, 1})));
    EXPECT_EQ(rowOrder(), (std::vector<int>{2, 3, 1}));
    EXPECT_TRUE(project().modified);

    EXPECT_TRUE(drop(panel(CategoryPanel::Explicit), rowPoint(CategoryPanel::Explicit, 2),
                     panelDragData({CategoryPanel::Explicit, 1})));
    EXPECT_EQ(rowOrder(), (std::vector<int>{1, 2, 3})) << "upwards it goes before its target";

    // A row of another category is no target.
    Document& ctx = shown.program->context();
    EquationEntry c;
    c.expr.source = "x<y";
    storeRelation(ctx, 1, c);
    EXPECT_FALSE(drop(panel(CategoryPanel::Relations), rowPoint(CategoryPanel::Relations, 1),
                      panelDragData({CategoryPanel::Explicit, 1})));
    EXPECT_EQ(rowOrder(), (std::vector<int>{1, 2, 3}));
}

TEST_F(PanelRows, ADragStartsAfterMovingMoreThanSevenPixels) {
    std::vector<int> started;
    dataPanel().pointer().startDrag = [&](QWidget*, const PanelDragItem& item) {
        started.push_back(panelNumber(item.panel) * 100 + item.row);
    };
    QLabel* image = panel(CategoryPanel::Explicit)->rowText(2);
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(at), QPointF(image->mapToGlobal(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(image, &e);
    };
    send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    send(QEvent::MouseMove, {14, 13}, Qt::LeftButton); // 4 + 3 = 7: not yet
    EXPECT_TRUE(started.empty());
    send(QEvent::MouseMove, {14, 14}, Qt::LeftButton); // 4 + 4 = 8
    EXPECT_EQ(started, (std::vector<int>{panelNumber(CategoryPanel::Explicit) * 100 + 2}));
    send(QEvent::MouseButtonRelease, {14, 14}, Qt::NoButton);

    // The panel's background drags the whole panel.
    CategoryPanelWidget* relations = panel(CategoryPanel::Relations);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2),
                      QPointF(relations->mapToGlobal(QPoint(2, 2))), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(relations, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 12),
                     QPointF(relations->mapToGlobal(QPoint(2, 12))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(relations, &move);
    EXPECT_EQ(started.back(), panelNumber(CategoryPanel::Relations) * 100);
}

TEST_F(PanelRows, APanelDroppedOnAnotherGoesBeforeOrAfterIt) {
    const auto order = [&] {
        std::vector<int> o;
        for (CategoryPanel p : panelsInOrder(project())) o.push_back(panelNumber(p));
        return o;
    };
    EXPECT_TRUE(drop(panel(CategoryPanel::Relations), {5, 5},
                     panelDragData({CategoryPanel::Parameters, 0})));
    EXPECT_EQ(order(), (std::vector<int>{1, 5, 2, 3, 4, 6, 7, 8})) << "from below: before";
    EXPECT_GT(panel(CategoryPanel::Relations)->y(), panel(CategoryPanel::Parameters)->y())
        << "the column follows";
    EXPECT_TRUE(
        drop(panel(CategoryPanel::Curves), {5, 5}, panelDragData({CategoryPanel::Explicit, 0})));
    EXPECT_EQ(order(), (std::vector<int>{5, 2, 3, 1, 4, 6, 7, 8})) << "from above: after";
    EXPECT_TRUE(project().modified);
}

TEST_F(PanelRows, DeletingAsksKeepsTheOrderAndANewObjectComesLast) {
    auto menu = dataPanel().rowMenu(CategoryPanel::Explicit, 2);
    shown.messages.setAnswer(false);
    item(*menu, "Borrar")->trigger();
    ASSERT_EQ(shown.messages.entries.size(), 1u);
    EXPECT_EQ(shown.messages.entries[0].text, "Borrar usando [OK]");
    EXPECT_EQ(project().explicitFunctions[2].expr.source, "x^2") << "cancelled";

    drop(panel(CategoryPanel::Explicit), rowPoint(CategoryPanel::Explicit, 1),
         panelDragData({CategoryPanel::Explicit, 3}));
    ASSERT_EQ(rowOrder(), (std::vector<int>{3, 1, 2}));
    shown.messages.setAnswer(true);
    item(*menu, "Borrar")->trigger();
    EXPECT_EQ(project().explicitFunctions[2].expr.source, "");
    EXPECT_EQ(rowOrder(), (std::vector<int>{3, 1}));
    EXPECT_TRUE(dataPanel().action("EditUndo")->isEnabled());

    store(2, "x-1");
    EXPECT_EQ(rowOrder(), (std::vector<int>{3, 1, 2})) << "created last";
}

TEST_F(PanelRows, EachCategoryOffersItsOwnRowItems) {
    Document& ctx = shown.program->context();
    CompiledExpression f;
    f.source = "x";
    storeUserFunction(ctx, 1, f);
    FigureEntry o = blankFigure(kFigures);
    o.kind = FigureKind::Point;
    o.x.source = "0";
    o.y.source = "0";
    storeFigure(ctx, kFigures, o);
    struct Case {
        CategoryPanel panel;
        int row;
        QStringList items;
    };
    const QString edit = "Editar", del = "Borrar", clear = "Borrar después de la imagen",
                  hide = "Ocultar Datos";
    const Case cases[] = {
        {CategoryPanel::Explicit, 1, {edit, del, clear, hide}},
        {CategoryPanel::Parameters, 1, {hide}},
        {CategoryPanel::UserFunctions, 1, {edit, del, hide}},
        {CategoryPanel::BasicFigures, kFigures, {edit, clear, hide}}, // O cannot be deleted
    };
    for (const Case& c : cases) {
        auto menu = dataPanel().rowMenu(c.panel, c.row);
        EXPECT_EQ(items(*menu), c.items) << panelNumber(c.panel);
    }
}

TEST_F(PanelRows, AUserFunctionIsLabelledByItsWidestArgument) {
    Document& ctx = shown.program->context();
    const char* texts[] = {"x+1", "x+y", "2@", "z", "x w"};
    for (int n = 1; n <= 5; ++n) {
        CompiledExpression f;
        f.source = texts[n - 1];
        storeUserFunction(ctx, n, f);
    }
    struct Case {
        int n;
        QString label;
        int width;
    };
    const Case cases[] = {{1, " f(x)=", 46},
                          {2, " g(x,y)=", 58},
                          {3, " h(x,y)=", 58},
                          {4, " f1(x,y,z)=", 70},
                          {5, " f2(x,y,z,w)=", 70}};
    for (const Case& c : cases) {
        QToolButton* label = panel(CategoryPanel::UserFunctions)->rowButton(c.n);
        EXPECT_EQ(label->text(), c.label) << c.n;
        EXPECT_EQ(label->width(), c.width) << c.n;
        EXPECT_TRUE(label->font().bold() && label->font().italic()) << c.n;
    }
}

TEST_F(PanelRows, ADroppedFileOpensOnlyWhenItIsAProject) {
    QTemporaryDir dir;
    const QString picture = dir.filePath("picture.bmp");
    QFile(picture).open(QIODevice::WriteOnly);
    const auto files = [](const QString& path) {
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(path)});
        return data;
    };
    drop(&dataPanel(), {20, 20}, files(picture));
    ASSERT_EQ(shown.messages.entries.size(), 1u);
    EXPECT_EQ(shown.messages.entries[0].text, "Este archivo no puede ser utilizado");
    EXPECT_EQ(project().explicitFunctions[2].expr.source, "x^2");
    EXPECT_FALSE(project().modified);

    // A project dropped on the graph window replaces this one.
    ASSERT_TRUE(shown.program->saveProjectAs(dir.filePath("saved.tlx")));
    store(2, "x^3");
    shown.messages.entries.clear();
    shown.messages.setAnswer(false);
    drop(shown.program->graph(), {20, 20}, files(dir.filePath("saved.tlx")));
    ASSERT_EQ(shown.messages.entries.size(), 1u) << "the change would be lost";
    EXPECT_EQ(shown.messages.entries[0].text, "Limpiar datos actuales usando [OK]");
    EXPECT_EQ(project().explicitFunctions[2].expr.source, "x^3") << "kept";

    project().modified = false;
    shown.messages.entries.clear();
    drop(shown.program->graph(), {20, 20}, files(dir.filePath("saved.tlx")));
    EXPECT_TRUE(shown.messages.entries.empty());
    EXPECT_EQ(project().explicitFunctions[2].expr.source, "x^2");
}

TEST_F(PanelRows, ControlWithAnArrowReachesTheFirstParameterEdit) {
    dataPanel().activateWindow();
    panel(CategoryPanel::Explicit)->rowButton(1)->setFocus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Down, Qt::ControlModifier);
    QApplication::sendEvent(&dataPanel(), &key);
    EXPECT_EQ(dataPanel().focusWidget(), dataPanel().parameterPanel()->row(1).value);
}

TEST_F(PanelRows, TheAfterimageButtonsStandBesideTheBarOnlyInAWidePanel) {
    ParameterPanel* parameters = dataPanel().parameterPanel();
    const auto lefts = [&] {
        std::vector<int> x;
        for (QToolButton* b : {parameters->afterimageSwitch(), parameters->makeAfterimageButton(),
                               parameters->clearAfterimageButton()})
            x.push_back(b->x());
        return x;
    };
    dataPanel().resize(330, dataPanel().height());
    EXPECT_EQ(lefts(), (std::vector<int>{156, 185, 214}));
    EXPECT_EQ(parameters->afterimageSwitch()->y(), 4);
    dataPanel().resize(230, dataPanel().height());
    EXPECT_EQ(lefts(), (std::vector<int>{48, 77, 106}));
    EXPECT_EQ(parameters->afterimageSwitch()->y(), 32);
}

TEST_F(PanelRows, ClearingARowsAfterimageLeavesTheOthers) {
    shown.program->dataPanel()->parameterPanel()->makeAfterimageButton()->click();
    AfterimageStore& store = shown.program->afterimages();
    ASSERT_EQ(store.size(), 1u);
    const Color none = AfterimageSnapshot().functions[0];
    ASSERT_NE(store[0].functions[0], none) << "y1 left a trace";
    ASSERT_NE(store[0].functions[1], none) << "y2 left a trace";

    item(*dataPanel().rowMenu(CategoryPanel::Explicit, 1), "Borrar después de la imagen")
        ->trigger();
    EXPECT_EQ(store[0].functions[0], none);
    EXPECT_NE(store[0].functions[1], none);
    EXPECT_EQ(project().explicitFunctions[1].expr.source, "a x") << "the object stays";
}

TEST_F(PanelRows, RowsStandByTheirSlotsAndThePanelFitsThem) {
    CategoryPanelWidget* functions = panel(CategoryPanel::Explicit);
    const RowGeometry g = RowGeometry::forScreen(96, false);
    EXPECT_EQ(g.fontSize, 12);
    EXPECT_EQ(g.rowHeight, 38); // round(96 / 72 * (12 * 2.2 + 2))
    EXPECT_EQ(RowGeometry::forScreen(120, false).fontSize, 10);
    EXPECT_EQ(RowGeometry::forScreen(96, true).fontSize, 24) << "doubled when presenting";
    const int h = functions->rowButton(2)->y() - functions->rowButton(1)->y();
    EXPECT_EQ(functions->rowButton(1)->y(), 22);
    EXPECT_EQ(functions->rowButton(3)->y(), 22 + 2 * h);
    EXPECT_EQ(functions->height(), 3 * h + 26 + functions->createButton()->sizeHint().height());

    for (int n = 4; n <= kExplicitFunctions; ++n) store(n, "x");
    EXPECT_TRUE(functions->createButton()->isHidden()) << "every slot is used";
    EXPECT_EQ(functions->height(), kExplicitFunctions * h + 26);

    // Connected figures: rows 22 pixels apart from 26.
    Document& ctx = shown.program->context();
    FigureEntry p = blankFigure(1), q = blankFigure(2);
    p.kind = q.kind = FigureKind::Point;
    p.whole.source = "(1,1)";
    q.whole.source = "(2,1)";
    storeFigure(ctx, 1, p);
    storeFigure(ctx, 2, q);
    for (int i = 0; i < 2; ++i) {
        SegmentRecord s;
        s.kind = SegmentKind::Polyline;
        s.vertices = {1, 2};
        project().segments.add(s);
    }
    dataPanel().refreshCategory(CategoryPanel::ConnectedFigures);
    CategoryPanelWidget* segments = panel(CategoryPanel::ConnectedFigures);
    EXPECT_EQ(segments->rowButton(1)->y(), 26);
    EXPECT_EQ(segments->rowButton(2)->y(), 48);
    EXPECT_EQ(segments->height(), 2 * 22 + 30 + segments->createButton()->sizeHint().height());
}
