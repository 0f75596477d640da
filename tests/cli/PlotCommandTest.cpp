#include "cli/Commands.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using namespace tarlix::cli;

namespace {

struct PlotRun {
    int status;
    std::string err;
};

PlotRun plot(const std::vector<std::string>& options) {
    std::vector<std::string> args{"plot"};
    args.insert(args.end(), options.begin(), options.end());
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, err.str()};
}

std::string tempPng(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// What lies under a drawing at (c, r): the grid, every unit (20 pixels) in the screen grid
// colour, or white.
QRgb background(int c, int r) {
    return c % 20 == 0 || r % 20 == 0 ? qRgb(160, 160, 224) : qRgb(255, 255, 255);
}

// Drawings combine with what is under them by AND.
QRgb over(QRgb ink, QRgb under) {
    return qRgb(qRed(ink) & qRed(under), qGreen(ink) & qGreen(under), qBlue(ink) & qBlue(under));
}

} // namespace

// 200 x 200 pixels of -5..5: x = 0 and y = 0 on pixel 100, 20 pixels a unit. The parabola
// a x^2 with a = 1 passes through (c, 100 - ((c - 100) / 20)^2 * 20) in the default blue.
TEST(PlotCommand, DrawsTheParabolaAndTheAxesIntoAPng) {
    const std::string path = tempPng("tarlix-plot-parabola.png");
    std::remove(path.c_str());
    const PlotRun run = plot({"-y", "a\xC2\xB7x^2", "--param", "a=1", "--size", "200x200",
                              "--range", "-5,5,-5,5", "-o", path});
    ASSERT_EQ(run.status, 0) << run.err;
    QImage image(QString::fromStdString(path));
    ASSERT_EQ(image.size(), QSize(200, 200));
    const QRgb blue = qRgb(0, 0, 255);
    for (int c = 60; c <= 140; ++c) {
        const double x = (c - 100) / 20.0;
        const int row = static_cast<int>(std::lround(100 - x * x * 20));
        // Where the curve crosses the black axes, the AND of blue and black is black.
        if (row < 99) {
            EXPECT_EQ(image.pixel(c, row), over(blue, background(c, row))) << "column " << c;
        }
        if (row + 6 < 99) {
            EXPECT_EQ(image.pixel(c, row + 6), background(c, row + 6)) << "column " << c;
        }
    }
    EXPECT_EQ(image.pixel(100, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(30, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(100, 170), qRgb(0, 0, 0));
    std::remove(path.c_str());
}

TEST(PlotCommand, RefusesBadInputWithoutWriting) {
    const std::string path = tempPng("tarlix-plot-refused.png");
    std::remove(path.c_str());
    struct Case {
        std::vector<std::string> options;
        int status;
        const char* message; // part of the message on stderr
    };
    const Case cases[] = {
        {{"-y", "x+", "-o", path}, 1, "y1: "},
        {{"-y", "x", "--size", "5000x10", "-o", path}, 2, "--size"},
        {{"-y", "x", "--range", "1,-1,-5,5", "-o", path}, 2, "--range"},
        {{"-y", "x", "--param", "z=1", "-o", path}, 2, "--param"},
        {{"-y", "x"}, 2, "-o"},
        {{"-y", "x", "--grid", "4", "-o", path}, 2, "--grid"},
        {{"-y", "x", "--grid", "dots", "-o", path}, 2, "--grid"},
    };
    for (const Case& c : cases) {
        const PlotRun run = plot(c.options);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(path)) << c.message;
    }
}

// Polar: circles about the origin and no y axis; the half x axis starts at a black dot.
TEST(PlotCommand, DrawsAPolarDottedGrid) {
    const std::string path = tempPng("tarlix-plot-polar.png");
    std::remove(path.c_str());
    const PlotRun run = plot({"-y", "x", "--grid", "2", "--polar", "--size", "200x200", "--range",
                              "-5,5,-5,5", "-o", path});
    ASSERT_EQ(run.status, 0) << run.err;
    QImage image(QString::fromStdString(path));
    ASSERT_EQ(image.size(), QSize(200, 200));
    EXPECT_EQ(image.pixel(100, 100), qRgb(0, 0, 0));
    EXPECT_NE(image.pixel(100, 170), qRgb(0, 0, 0)); // no y axis, only a dotted ray
    int gridNearCircle = 0; // the dotted circle of radius 2 crosses the top of the y axis
    for (int r = 57; r <= 63; ++r)
        for (int c = 97; c <= 103; ++c)
            if (image.pixel(c, r) == qRgb(160, 160, 224)) ++gridNearCircle;
    EXPECT_GT(gridNearCircle, 0);
    std::remove(path.c_str());
}
