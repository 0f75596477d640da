#include "ProjectFixture.h"

#include "document/ObjectTokens.h"

#include <functional>

using namespace tarlix;
using tarlix::testing::ProjectTest;

namespace {

struct ParameterEditTest : ProjectTest {
    // y1 uses a; the edits that built it are not counted.
    ParameterEditTest() {
        storeY(1, "a x");
        settle();
    }
    void settle() {
        hooks.undoSteps.reset();
        hooks.redraws = 0;
        project.modified = false;
        redraw.clear();
    }
    bool usersOfAMarked() const {
        return redraw.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(1)));
    }
};

constexpr int a = 1;

} // namespace

// Each change is one undo step and sets modified; asking for what is already there is no edit.
TEST_F(ParameterEditTest, ASettingChangeIsOneUndoStepAndTheSameValueIsNone) {
    struct Case {
        const char* name;
        std::function<bool(Document&)> change;
        std::function<bool(const Project&)> applied;
        bool redraws; // the users of a are marked and the picture redrawn
    };
    const Case cases[] = {
        {"speed", [](Document& c) { return setAnimationPeriod(c, 8); },
         [](const Project& p) { return p.settings.animationPeriod == 8; }, false},
        {"afterimages", [](Document& c) { return setAfterimagesEnabled(c, false); },
         [](const Project& p) { return !p.settings.afterimagesOn; }, false},
        {"sync", [](Document& c) { return setParameterSync(c, a, true); },
         [](const Project& p) { return p.parameters[a].sync; }, false},
        {"fixed", [](Document& c) { return setParameterFixed(c, a, true); },
         [](const Project& p) { return !p.parameters[a].unfixed; }, false},
        {"step", [](Document& c) { return setParameterStep(c, a, 0.5L); },
         [](const Project& p) { return p.parameters[a].step == 0.5L; }, true},
    };
    for (const Case& c : cases) {
        settle();
        EXPECT_TRUE(c.change(ctx)) << c.name;
        EXPECT_TRUE(c.applied(project)) << c.name;
        EXPECT_EQ(hooks.undoSteps(), 1) << c.name;
        EXPECT_TRUE(project.modified) << c.name;
        EXPECT_EQ(usersOfAMarked(), c.redraws) << c.name;
        EXPECT_EQ(hooks.redraws, c.redraws ? 1 : 0) << c.name;

        settle();
        EXPECT_FALSE(c.change(ctx)) << c.name << " again";
        EXPECT_EQ(hooks.undoSteps(), 0) << c.name << " again";
        EXPECT_FALSE(project.modified) << c.name << " again";
    }
}

TEST_F(ParameterEditTest, StepRulesThatRefuseAChangeRecordNothing) {
    EXPECT_FALSE(setParameterStep(ctx, a, 0)) << "0 keeps the step";
    project.parameters[a].step = 1000;
    EXPECT_FALSE(changeParameterRatio(ctx, a, true)) << "the top of the ladder";
    EXPECT_FALSE(setParameterSync(ctx, 15, true));
    EXPECT_FALSE(setParameterValue(ctx, a, 1)) << "a is 1 already";
    EXPECT_EQ(hooks.undoSteps(), 0);
    EXPECT_FALSE(project.modified);

    EXPECT_TRUE(changeParameterRatio(ctx, a, false));
    EXPECT_EQ(project.parameters[a].step, 500);
    EXPECT_EQ(hooks.undoSteps(), 1);
    EXPECT_TRUE(usersOfAMarked());
}

TEST_F(ParameterEditTest, TheModeButtonTwiceRestoresTheStepInTwoUndoSteps) {
    toggleParameterStepMode(ctx, a);
    EXPECT_FALSE(project.parameters[a].additive);
    EXPECT_EQ(project.parameters[a].step, 1.1L);
    toggleParameterStepMode(ctx, a);
    EXPECT_TRUE(project.parameters[a].additive);
    EXPECT_EQ(project.parameters[a].step, 0.1L);
    EXPECT_EQ(hooks.undoSteps(), 2);
    EXPECT_EQ(hooks.redraws, 2);
    EXPECT_TRUE(project.modified);
}

// A held step button steps many times a second; the undo history keeps the user's edits.
TEST_F(ParameterEditTest, ValuesAreNoUndoStepsButSetModifiedAndMarkTheUsers) {
    EXPECT_EQ(stepParameterValue(ctx, a, 1, false), std::vector<int>{a});
    EXPECT_EQ(project.parameters[a].value, 1.1L);
    EXPECT_TRUE(usersOfAMarked());
    EXPECT_EQ(hooks.redraws, 1) << "a step is followed by the redraw";

    settle();
    EXPECT_TRUE(setParameterValue(ctx, a, 3));
    EXPECT_TRUE(usersOfAMarked());
    EXPECT_EQ(hooks.redraws, 0) << "the caller redraws after setting what it sets";
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(hooks.undoSteps(), 0);
}

TEST_F(ParameterEditTest, OnlyParametersOutOfSightAreUnfixedAndThatIsNoEdit) {
    storeY(2, "b x");
    storeY(3, "c x");
    settle();
    for (int i : {1, 2, 3, 4}) project.parameters[i].unfixed = false;
    project.parameterRows[2].shown = false;

    unfixHiddenParameters(project, 'x');
    EXPECT_FALSE(project.parameters[1].unfixed) << "a is used and on show";
    EXPECT_TRUE(project.parameters[2].unfixed) << "b's row is hidden";
    EXPECT_FALSE(project.parameters[3].unfixed);
    EXPECT_TRUE(project.parameters[4].unfixed) << "d is not used";
    unfixHiddenParameters(project, 'a');
    EXPECT_TRUE(project.parameters[1].unfixed) << "a names the horizontal axis";
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(hooks.undoSteps(), 0);
}
