#include "ProgramFixture.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/WindowArrangement.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

struct PanelMenus : ::testing::Test {
    tarlix::testing::ProgramShowingAx shown;
    DataPanel& dataPanel() { return *shown.program->dataPanel(); }
    QAction* action(const char* name) { return dataPanel().action(name); }
    Project& project() { return shown.project(); }
};

} // namespace

TEST_F(PanelMenus, ConnectPointsShowsItsCategoryAndHidingItStopsTheTool) {
    QAction* tool = shown.program->graph()->connectTool();
    ASSERT_FALSE(project().categories[CategoryPanel::ConnectedFigures].visible);
    action("EditConnect")->trigger();
    EXPECT_TRUE(tool->isChecked());
    EXPECT_TRUE(project().categories[CategoryPanel::ConnectedFigures].visible);
    EXPECT_FALSE(dataPanel().panel(CategoryPanel::ConnectedFigures)->isHidden());

    dataPanel().showViewState();
    QAction* area = action("ShowPanel8");
    EXPECT_TRUE(area->isChecked());
    area->trigger(); // "[Línea && Polígono]" off
    EXPECT_FALSE(project().categories[CategoryPanel::ConnectedFigures].visible);
    EXPECT_FALSE(tool->isChecked());
    EXPECT_FALSE(action("EditConnect")->isChecked());

    // Any panel hides and comes back from its item; the column closes up.
    const int relationsTop = dataPanel().panel(CategoryPanel::Relations)->y();
    action("ShowPanel1")->trigger();
    EXPECT_TRUE(dataPanel().panel(CategoryPanel::Explicit)->isHidden());
    EXPECT_LT(dataPanel().panel(CategoryPanel::Relations)->y(), relationsTop);
    action("ShowPanel1")->trigger();
    EXPECT_EQ(dataPanel().panel(CategoryPanel::Relations)->y(), relationsTop);
    EXPECT_TRUE(project().modified);
}

TEST_F(PanelMenus, ThePanelPopupMarksThePanelUnderThePointer) {
    const auto menu = dataPanel().areaMenu(CategoryPanel::Parameters);
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text();
    ASSERT_EQ(texts.size(), 9);
    EXPECT_EQ(texts[0], "Barra de Herramientas");
    EXPECT_EQ(texts[5], "-> [Parámetro]");
    EXPECT_EQ(texts.filter("-> ").size(), 1);

    menu->actions()[0]->trigger(); // the toolbar goes
    EXPECT_TRUE(dataPanel().toolBar()->isHidden());
    EXPECT_EQ(dataPanel().areaMenu(std::nullopt)->actions()[0]->text(), "-> Barra de Herramientas");
}

TEST_F(PanelMenus, HintsGoToTheGraphStatusLineAndTheSwitchSilencesThem) {
    QToolButton* y1 = dataPanel().panel(CategoryPanel::Explicit)->rowButton(1);
    QLabel* status = shown.program->graph()->statusText();
    const QString domain = status->text();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(y1, &enter);
    EXPECT_EQ(status->text(), "Mostrar/Ocultar");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(y1, &leave);
    EXPECT_EQ(status->text(), domain);

    action("ViewHints")->trigger(); // off
    QApplication::sendEvent(y1, &enter);
    EXPECT_EQ(status->text(), domain);
    QHelpEvent tip(QEvent::ToolTip, {2, 2}, y1->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(y1, &tip);
    EXPECT_FALSE(QToolTip::isVisible()) << "the pop-up hint is taken before it shows";
    action("ViewHints")->trigger(); // on again
    QApplication::sendEvent(y1, &tip);
    EXPECT_TRUE(QToolTip::isVisible());
    QToolTip::hideText();
}

TEST_F(PanelMenus, PresentationModeEnlargesTheRowsAndThePanel) {
    CategoryPanelWidget* functions = dataPanel().panel(CategoryPanel::Explicit);
    const int width = dataPanel().width();
    const int rowHeight = functions->rowButton(1)->height();
    const int fontSize = functions->rowButton(1)->font().pointSize();
    action("ViewPresentation")->trigger();
    EXPECT_TRUE(shown.program->objects().document.view.presentationMode);
    EXPECT_EQ(dataPanel().width(), width + 60);
    EXPECT_EQ(functions->rowButton(1)->font().pointSize(), 2 * fontSize);
    EXPECT_GT(functions->rowButton(1)->height(), rowHeight);
    EXPECT_EQ(shown.program->objects().objectDefaults.graph.width, 3) << "new functions";
    action("ViewPresentation")->trigger();
    EXPECT_EQ(dataPanel().width(), width);
    EXPECT_EQ(functions->rowButton(1)->height(), rowHeight);
}

TEST(WindowArrangement, PresentationMovesBothWindowsLeftToKeepThePanelOnScreen) {
    struct Case {
        const char* name;
        int graphLeft;
        int screenWidth;
        int expectedGraphLeft;
    };
    // The graph 800 wide and the widened panel 390 beside it.
    const Case cases[] = {
        {"fits: stays", 0, 1200, 0},
        {"panel over the edge: both move", 100, 1200, 10},
        {"never past the left edge", 20, 1150, 0},
    };
    for (const Case& c : cases) {
        MainWindowFrames f{{c.graphLeft, 0, c.graphLeft + 800, 700},
                           {c.graphLeft + 800, 0, c.graphLeft + 1190, 700},
                           true};
        keepPanelOnScreen(f, {0, 0, c.screenWidth, 1000});
        EXPECT_EQ(f.graph.left, c.expectedGraphLeft) << c.name;
        EXPECT_EQ(f.panel.left, f.graph.right) << c.name << ": still side by side";
    }
}

TEST_F(PanelMenus, TheHelpMenuFollowsTheManualsBesideTheProgram) {
    QTemporaryDir app;
    project().appFolder = (app.path() + "/").toStdString();
    QMenu* help = dataPanel().menuBar()->actions().last()->menu();
    Q_EMIT help->aboutToShow();
    EXPECT_FALSE(action("HelpPdf")->isEnabled());
    EXPECT_FALSE(action("HelpHtml")->isVisible());
    action("HelpHtml")->trigger();
    ASSERT_EQ(shown.messages.entries.size(), 1u);
    EXPECT_EQ(shown.messages.entries[0].text, "No hay archivo de ayuda");
}
