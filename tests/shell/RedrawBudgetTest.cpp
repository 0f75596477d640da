#include "QtTestApp.h"

#include "shell/RedrawBudget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarlix;

namespace {
void press(QWidget& w, Qt::Key key, const QString& text = {}) {
    QCoreApplication::postEvent(&w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
}
} // namespace

// A redraw shorter than half a second shows nothing; a longer one shows its progress in the
// caption and keeps the program alive, but other keys, clicks and timers wait for its end; it
// ends when Escape or F1 is pressed, and the caption is given back.
TEST(RedrawBudget, ALongRedrawShowsItsProgressAndStopsOnEscapeOrF1) {
    qttest::qtApp<QApplication>();
    for (const Qt::Key stopKey : {Qt::Key_Escape, Qt::Key_F1}) {
        QLineEdit window;
        window.setWindowTitle("TARLIX : clase.tlx");
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(0);
        FakeClock clock;
        RedrawBudget budget(window, clock);
        budget.setProgress(37);

        clock.advance(400);
        press(window, Qt::Key_A, "a");
        press(window, stopKey);
        EXPECT_FALSE(budget.exhausted());
        EXPECT_EQ(window.windowTitle(), "TARLIX : clase.tlx");

        clock.advance(200);
        EXPECT_TRUE(budget.exhausted());
        EXPECT_EQ(window.windowTitle(), "TARLIX : clase.tlx : 37% : Interrumpir con la tecla F1");
        EXPECT_TRUE(budget.stopped());
        EXPECT_EQ(window.text(), "") << "the other key waits";
        EXPECT_EQ(ticks, 0) << "no timer ran during the redraw";

        budget.finish();
        EXPECT_EQ(window.windowTitle(), "TARLIX : clase.tlx");
        QCoreApplication::processEvents();
        EXPECT_EQ(window.text(), "a") << "the key that waited reached the window";
        EXPECT_GT(ticks, 0) << "timers run again after it";
    }
}

TEST(RedrawBudget, ALongRedrawNobodyStopsGoesOn) {
    qttest::qtApp<QApplication>();
    QLineEdit window;
    FakeClock clock;
    RedrawBudget budget(window, clock);
    for (int slice = 0; slice < 5; ++slice) {
        clock.advance(700);
        budget.setProgress(slice * 20);
        EXPECT_FALSE(budget.exhausted());
    }
    EXPECT_EQ(window.windowTitle().toStdString(), " : 80% : Interrumpir con la tecla F1");
}
