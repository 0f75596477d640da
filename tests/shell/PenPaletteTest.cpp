// The pen palette's panels: what each entry hands over and shows on its button, and the
// monochrome colour set.
#include "shell/dialogs/PenPalette.h"
#include "QtTestApp.h"

#include <QApplication>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

QColor shownColour(const QAbstractButton& b) {
    return b.icon().pixmap(18, 18).toImage().pixelColor(9, 9);
}
QColor qColour(unsigned bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// The application comes before the windows.
struct WithApplication {
    WithApplication() { qttest::qtApp<QApplication>(); }
};

struct PenPaletteTest : ::testing::Test, WithApplication {
    PenPaletteTest() {
        target.resize(28, 24);
        target.move(100, 100);
        target.show();
    }
    // Pops the panel up on the target, clicks entry and returns what was handed over.
    unsigned choose(PenPanel panel, int entry) {
        unsigned chosen = 9999;
        palette.popUp(&target, panel, [&chosen](unsigned v) { chosen = v; });
        EXPECT_EQ(palette.shownPanel(), panel);
        palette.entry(panel, entry)->click();
        EXPECT_FALSE(palette.isVisible());
        return chosen;
    }
    PenPaletteWindow palette;
    QToolButton target;
};

} // namespace

// Colour index panels hand over the index and show its colour; the others hand over the
// entry's value and show it as text.
TEST_F(PenPaletteTest, EachPanelHandsOverItsEntrysValue) {
    struct Case {
        PenPanel panel;
        int entry;
        unsigned value;
        unsigned colour; // shown as a swatch, or none
        const char* text;
    } cases[] = {
        {PenPanel::Colour, 2, 0x0000FF, 0x0000FF, ""},
        {PenPanel::MarkerColour, 3, 3, 0x00BF00, ""},
        {PenPanel::BackgroundColour, 1, 1, 0xE8FFFF, ""},
        {PenPanel::MemoFrame, 4, 4, 0, "4"},
        {PenPanel::FontSize, 3, 18, 0, "18"},
        {PenPanel::ParameterStyle, 2, 2, 0, "2"},
        {PenPanel::Pattern2, 10, 10, 0, "10"},
        {PenPanel::FigureType, 1, 1, 0, "1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(choose(c.panel, c.entry), c.value) << static_cast<int>(c.panel);
        EXPECT_EQ(target.text(), c.text) << static_cast<int>(c.panel);
        if (c.text[0] == '\0') {
            EXPECT_EQ(shownColour(target), qColour(c.colour)) << static_cast<int>(c.panel);
        }
    }
}

TEST_F(PenPaletteTest, MemoFrameEntriesHaveTheirHints) {
    const char* hints[] = {"no mostrar", "Solo letra", "Limpiar color BG", "normal",
                           "Ocultar borde"};
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(palette.entry(PenPanel::MemoFrame, i)->toolTip(), hints[i]) << i;
    EXPECT_EQ(palette.entry(PenPanel::MemoFrame, 5), nullptr);
}

// The monochrome set recolours the swatches and the indexed colour panels, and back.
TEST_F(PenPaletteTest, TheMonochromeSetRecoloursEverySwatch) {
    palette.setMonochrome(true);
    EXPECT_EQ(choose(PenPanel::Colour, 1), 0x000000u); // red becomes black
    EXPECT_EQ(choose(PenPanel::Colour, 6), 0xD0D0D0u);
    EXPECT_EQ(shownColour(*palette.entry(PenPanel::MarkerColour, 1)), QColor(Qt::black));
    EXPECT_EQ(shownColour(*palette.entry(PenPanel::BackgroundColour, 1)), QColor(Qt::white));
    EXPECT_EQ(choose(PenPanel::MarkerColour, 1), 1u); // still the index
    EXPECT_EQ(shownColour(target), QColor(Qt::black));
    EXPECT_EQ(graphPanelColour(true), 0u);
    palette.setMonochrome(false);
    EXPECT_EQ(choose(PenPanel::Colour, 1), 0xFF0000u);
    EXPECT_EQ(shownColour(*palette.entry(PenPanel::MarkerColour, 1)), qColour(0xFF0000));
}
