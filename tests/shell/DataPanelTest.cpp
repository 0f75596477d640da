#include "shell/DataPanel.h"
#include "shell/ParameterPanel.h"
#include "shell/Program.h"
#include "shell/ProgramFixture.h"

#include <QApplication>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
// A program showing y1 = a x and the user function f = x + 1, with nothing modified.
struct PanelProgram : tarlix::testing::ProgramShowingAx {
    PanelProgram() {
        Document& ctx = program->context();
        CompiledExpression u;
        u.source = "x+1";
        storeUserFunction(ctx, 1, u);
        project().modified = false;
    }
    CategoryPanelWidget* panel(CategoryPanel p) { return program->dataPanel()->panel(p); }
};
} // namespace

TEST(DataPanel, AShowButtonHidesItsObjectAndFollowsTheModel) {
    PanelProgram p;
    QToolButton* y1 = p.panel(CategoryPanel::Explicit)->rowButton(1);
    y1->click();
    EXPECT_FALSE(p.project().explicitFunctions[1].visible);
    EXPECT_TRUE(p.project().modified);
    EXPECT_TRUE(y1->isChecked());
    y1->click();
    EXPECT_TRUE(p.project().explicitFunctions[1].visible);
    EXPECT_FALSE(y1->isChecked());

    // A user function has nothing to show or hide: its button stays up, nothing changes.
    p.project().modified = false;
    QToolButton* f = p.panel(CategoryPanel::UserFunctions)->rowButton(1);
    f->click();
    EXPECT_FALSE(f->isChecked());
    EXPECT_FALSE(p.project().modified);
}

TEST(DataPanel, TheSpeedBarAndTheAfterimageSwitchChangeTheProjectSettings) {
    PanelProgram p;
    ParameterPanel* parameters = p.program->dataPanel()->parameterPanel();
    parameters->speedBar()->setValue(19);
    EXPECT_EQ(p.project().settings.animationPeriod, 8);
    EXPECT_TRUE(p.project().modified);

    p.project().modified = false;
    parameters->afterimageSwitch()->click();
    EXPECT_FALSE(p.project().settings.afterimagesOn);
    EXPECT_TRUE(p.project().modified);
}
