// The figure categories' letter strip: letters on hover, sideways scrolling near the edges of
// a panel narrower than the strip.
#include "shell/LetterStrip.h"
#include "QtTestApp.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QToolButton>

#include <gtest/gtest.h>

#include <numeric>

using namespace tarlix;

namespace {

// The application comes before the windows.
struct WithApplication {
    WithApplication() { qttest::qtApp<QApplication>(); }
};

struct LetterStripTest : ::testing::Test, WithApplication {
    LetterStripTest() {
        panel.resize(150, 100);
        std::vector<int> all(22);
        std::iota(all.begin(), all.end(), 1);
        strip = new LetterStrip(&panel);
        strip->setFreeFigures(all); // 22 letters, far wider than the panel
        panel.show();
    }
    void moveTo(int x) {
        const QPointF at(x, 5);
        QMouseEvent e(QEvent::MouseMove, at, strip->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(strip, &e);
    }
    QWidget panel;
    LetterStrip* strip = nullptr;
};

} // namespace

TEST_F(LetterStripTest, LettersShowOverTheStripAndHideWhenThePointerLeaves) {
    EXPECT_EQ(strip->width(), 150);
    EXPECT_FALSE(strip->lettersShown());
    const QPointF at(60, 5);
    QEnterEvent enter(at, at, strip->mapToGlobal(at));
    QApplication::sendEvent(strip, &enter);
    EXPECT_TRUE(strip->lettersShown());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(strip, &leave);
    EXPECT_FALSE(strip->lettersShown());
    // The letters stay clickable buttons for the free slots only.
    strip->setFreeFigures({2, 5});
    EXPECT_TRUE(strip->letterButton(1)->isHidden());
    EXPECT_FALSE(strip->letterButton(5)->isHidden());
    EXPECT_EQ(strip->letterButton(5)->x(), LetterStrip::kLetterSpacing);
}

TEST_F(LetterStripTest, NearAnEdgeTheStripScrollsThreePixelsAtATimeWithinItsLength) {
    moveTo(60);
    EXPECT_EQ(strip->scrollOffset(), 0);
    moveTo(148); // the right edge
    EXPECT_EQ(strip->scrollOffset(), 3);
    moveTo(60);
    moveTo(5); // the left edge
    EXPECT_EQ(strip->scrollOffset(), 0);
    moveTo(2);
    EXPECT_EQ(strip->scrollOffset(), 0); // nothing before the first letter
    for (int i = 0; i < 500; ++i) strip->scrollStep(1);
    const int end = strip->scrollOffset();
    EXPECT_GT(end, 0);
    EXPECT_LT(end, 22 * LetterStrip::kLetterSpacing);
    strip->scrollStep(1);
    EXPECT_EQ(strip->scrollOffset(), end); // nothing after the last
    // A panel wide enough for every letter does not scroll.
    panel.resize(700, 100);
    EXPECT_EQ(strip->scrollOffset(), 0);
    moveTo(695);
    EXPECT_EQ(strip->scrollOffset(), 0);
}
