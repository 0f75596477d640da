#include "platform/qt/QtImageCanvas.h"
#include "QtTestApp.h"
#include "platform/RecordingCanvas.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <vector>

using namespace tarlix;

namespace {

constexpr Color kRed = rgbColor(255, 0, 0);
constexpr Color kBlue = rgbColor(0, 0, 255);
constexpr Color kYellow = rgbColor(255, 255, 0);
constexpr Color kCyan = rgbColor(0, 255, 255);
constexpr Color kGreen = rgbColor(0, 255, 0);

class QtImageCanvasTest : public ::testing::Test {
protected:
    void SetUp() override { qttest::qtApp<QGuiApplication>(); }
};

int countPixels(const Canvas& c, Color color) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) n += c.pixel(x, y) == color;
    return n;
}

} // namespace

TEST_F(QtImageCanvasTest, ThinLineLeavesOutItsEndPixel) {
    QtImageCanvas c(20, 10);
    c.setPen({kRed, 1});
    c.moveTo(2, 3);
    c.lineTo(12, 3);
    for (int x = 2; x < 12; ++x) EXPECT_EQ(c.pixel(x, 3), kRed) << x;
    EXPECT_EQ(c.pixel(12, 3), kWhite);
    EXPECT_EQ(c.pixel(1, 3), kWhite);
    EXPECT_EQ(countPixels(c, kRed), 10);
    EXPECT_EQ(c.pixel(-1, 3), kWhite); // outside the canvas
}

TEST_F(QtImageCanvasTest, PolygonIsFilledInsideAndOutlined) {
    QtImageCanvas c(30, 30);
    c.setPen({kBlue, 1});
    c.setBrush({kYellow, BrushStyle::Solid});
    const std::vector<Point> square = {{5, 5}, {20, 5}, {20, 20}, {5, 20}};
    c.polygon(square.data(), square.size());
    EXPECT_EQ(c.pixel(12, 12), kYellow);
    EXPECT_EQ(c.pixel(5, 12), kBlue);
    EXPECT_EQ(c.pixel(12, 5), kBlue);
    EXPECT_EQ(c.pixel(25, 12), kWhite);
    // Drawing continues after a pixel read on the same canvas.
    c.setBrush({kGreen, BrushStyle::Solid});
    c.rectangle({22, 22, 28, 28});
    EXPECT_EQ(c.pixel(25, 25), kGreen);
    EXPECT_EQ(c.pixel(22, 22), kBlue);
    EXPECT_EQ(c.pixel(27, 27), kBlue); // the outline stays inside the bounds
    EXPECT_EQ(c.pixel(28, 28), kWhite);
}

TEST_F(QtImageCanvasTest, CopiesCombineWithTheirRasterOperation) {
    QtImageCanvas layer(10, 10, kWhite);
    layer.setPixel(1, 1, kCyan);
    layer.setPixel(2, 2, kBlue);
    struct Case {
        RasterOp op;
        Color at11;
        Color at22;
        Color at55;
    };
    // Background yellow; the layer holds cyan, blue and white elsewhere.
    const Case cases[] = {
        {RasterOp::And, kGreen, kBlack, kYellow}, // white is transparent, overlaps darken
        {RasterOp::Xor, rgbColor(255, 0, 255), kWhite, kBlue},
        {RasterOp::Or, kWhite, kWhite, kWhite},
        {RasterOp::Copy, kCyan, kBlue, kWhite},
    };
    for (const Case& k : cases) {
        QtImageCanvas target(10, 10, kYellow);
        target.copyFrom(layer, {0, 0, 10, 10}, {0, 0, 10, 10}, k.op);
        EXPECT_EQ(target.pixel(1, 1), k.at11) << static_cast<int>(k.op);
        EXPECT_EQ(target.pixel(2, 2), k.at22) << static_cast<int>(k.op);
        EXPECT_EQ(target.pixel(5, 5), k.at55) << static_cast<int>(k.op);
    }
}

TEST_F(QtImageCanvasTest, CopyStretchesAndCanReadItsOwnPixels) {
    QtImageCanvas c(20, 20, kWhite);
    c.setPen({kRed, 1});
    c.moveTo(0, 0);
    c.lineTo(2, 0); // two red pixels, still in the painter when the copy reads them
    c.copyFrom(c, {0, 0, 2, 1}, {10, 10, 14, 12}, RasterOp::Copy);
    for (int y = 10; y < 12; ++y)
        for (int x = 10; x < 14; ++x) EXPECT_EQ(c.pixel(x, y), kRed) << x << "," << y;
    EXPECT_EQ(c.pixel(14, 10), kWhite);
    EXPECT_EQ(c.pixel(10, 12), kWhite);
}

TEST_F(QtImageCanvasTest, PenModesCombineWithTheBackground) {
    struct Case {
        PenMode mode;
        Color expected;
    };
    const Case cases[] = {
        {PenMode::Mask, kGreen},               // yellow AND cyan
        {PenMode::Merge, kWhite},              // yellow OR cyan
        {PenMode::Xor, rgbColor(255, 0, 255)}, // yellow XOR cyan
        {PenMode::Copy, kCyan},
    };
    for (const Case& k : cases) {
        QtImageCanvas c(20, 20, kYellow);
        Pen pen{kCyan, 3};
        pen.mode = k.mode;
        c.setPen(pen);
        const std::vector<Point> path = {{2, 10}, {10, 10}, {10, 2}};
        c.polyline(path.data(), path.size());
        EXPECT_EQ(c.pixel(6, 10), k.expected) << static_cast<int>(k.mode);
        EXPECT_EQ(c.pixel(10, 10), k.expected) << "join " << static_cast<int>(k.mode);
        EXPECT_EQ(c.pixel(16, 16), kYellow);
    }
}

TEST_F(QtImageCanvasTest, XorTwiceRestoresTheBackground) {
    QtImageCanvas c(20, 20, kYellow);
    Pen pen{kBlue, 1};
    pen.mode = PenMode::Xor;
    c.setPen(pen);
    const std::vector<Point> path = {{1, 1}, {15, 1}, {15, 15}, {1, 15}};
    c.polyline(path.data(), path.size());
    EXPECT_EQ(c.pixel(15, 1), kYellow ^ kBlue); // a shared vertex is inverted once
    c.polyline(path.data(), path.size());
    EXPECT_EQ(countPixels(c, kYellow), 400);
}

TEST_F(QtImageCanvasTest, BrushPatternSetsOnlyItsSetBitsUnderEveryMode) {
    Brush brush{kRed, BrushStyle::Solid, true, {}};
    brush.pattern.rows = {0x80, 0, 0, 0, 0, 0, 0, 0}; // one pixel in each 8 x 8 tile
    struct Case {
        PenMode mode;
        Color set;
    };
    const Case cases[] = {
        {PenMode::Copy, kRed},
        {PenMode::Mask, kRed & kYellow},
        {PenMode::Xor, kRed ^ kYellow},
    };
    for (const Case& k : cases) {
        QtImageCanvas c(32, 32, kYellow);
        Pen pen{kBlack, 1, PenStyle::Clear};
        pen.mode = k.mode;
        c.setPen(pen);
        c.setBrush(brush);
        const std::vector<Point> square = {{0, 0}, {32, 0}, {32, 32}, {0, 32}};
        c.polygon(square.data(), square.size());
        EXPECT_EQ(c.pixel(8, 16), k.set) << static_cast<int>(k.mode); // tiles follow the origin
        EXPECT_EQ(c.pixel(9, 16), kYellow) << static_cast<int>(k.mode);
        EXPECT_EQ(countPixels(c, kYellow), 32 * 32 - 16) << static_cast<int>(k.mode);
    }
}

TEST_F(QtImageCanvasTest, SymbolTextIsDrawnAsSignsWithoutGreyEdges) {
    QtImageCanvas c(80, 30);
    c.setFont({"Symbol", 14, FontStyle::Plain, kBlack});
    c.setBrush({kWhite, BrushStyle::Clear});
    const std::string signs = "pq\xB3\xF2"; // pi theta >= integral
    const Size extent = c.textExtent(signs);
    EXPECT_GT(extent.width, 10);
    EXPECT_EQ(extent.height, c.textExtent("ab").height);
    c.textOut(2, 2, signs);
    int black = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const Color p = c.pixel(x, y);
            EXPECT_TRUE(p == kBlack || p == kWhite) << x << "," << y; // no antialiasing
            black += p == kBlack;
        }
    EXPECT_GT(black, 20);
}

TEST_F(QtImageCanvasTest, TextBackgroundFollowsTheBrush) {
    QtImageCanvas c(80, 30, kYellow);
    c.setFont({"Arial", 12, FontStyle::Plain, kBlue});
    c.setBrush({kWhite, BrushStyle::Solid});
    c.textOut(0, 0, "x");
    const Size e = c.textExtent("x");
    EXPECT_EQ(e.height, c.textExtent("Times").height);
    EXPECT_EQ(c.pixel(0, 0), kWhite); // the top-left corner of the cell is background
    EXPECT_EQ(c.pixel(e.width, 0), kYellow);
    EXPECT_GT(countPixels(c, kBlue), 5);
}

TEST_F(QtImageCanvasTest, ClipLimitsDrawingAndPixels) {
    QtImageCanvas c(20, 20);
    c.setClip({5, 5, 10, 10});
    c.setBrush({kRed, BrushStyle::Solid});
    c.fillRect({0, 0, 20, 20});
    c.setPixel(2, 2, kBlue);
    EXPECT_EQ(countPixels(c, kRed), 25);
    EXPECT_EQ(c.pixel(2, 2), kWhite);
    c.setClip({});
    c.setPixel(2, 2, kBlue);
    EXPECT_EQ(c.pixel(2, 2), kBlue);
}

TEST_F(QtImageCanvasTest, RasterImageIsDrawnWithItsOperation) {
    RasterImage image{2, 1, {kCyan, kWhite}};
    QtImageCanvas c(4, 4, kYellow);
    c.drawImage(1, 1, image, RasterOp::And);
    EXPECT_EQ(c.pixel(1, 1), kGreen);
    EXPECT_EQ(c.pixel(2, 1), kYellow);
}

// Copies between Qt images are combined without the painter; they must give what the painter
// gives (a source it cannot read directly goes through it), with offsets, clips and copies
// reaching past the target.
TEST_F(QtImageCanvasTest, DirectCopiesMatchThePainterForEveryOperation) {
    const auto fillPattern = [](Canvas& c) {
        for (int y = 0; y < c.height(); ++y)
            for (int x = 0; x < c.width(); ++x)
                c.setPixel(x, y, rgbColor((x * 37) % 256, (y * 53) % 256, (x * y) % 256));
    };
    QtImageCanvas source(23, 17);
    RecordingCanvas viaPainter(23, 17);
    fillPattern(source);
    fillPattern(viaPainter);
    const struct {
        Rect from, to, clip;
    } placements[] = {
        {{0, 0, 23, 17}, {0, 0, 23, 17}, {}},
        {{3, 2, 20, 15}, {5, 1, 22, 14}, {}},
        {{0, 0, 23, 17}, {10, 8, 33, 25}, {}}, // past the target's edge
        {{0, 0, 23, 17}, {0, 0, 23, 17}, {4, 4, 12, 9}},
    };
    for (const RasterOp op : {RasterOp::Copy, RasterOp::And, RasterOp::Or, RasterOp::Xor})
        for (const auto& p : placements) {
            SCOPED_TRACE(static_cast<int>(op));
            QtImageCanvas direct(25, 19, kCyan), painted(25, 19, kCyan);
            direct.setClip(p.clip);
            painted.setClip(p.clip);
            direct.copyFrom(source, p.from, p.to, op);
            painted.copyFrom(viaPainter, p.from, p.to, op);
            for (int y = 0; y < 19; ++y)
                for (int x = 0; x < 25; ++x)
                    ASSERT_EQ(direct.pixel(x, y), painted.pixel(x, y)) << x << "," << y;
        }
}
