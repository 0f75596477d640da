// tarlix-cli plot with relations: the circle's boundary, an inequality's hatching and the
// refused options.

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

struct RelationRun {
    int status;
    std::string err;
};

RelationRun plot(const std::vector<std::string>& options) {
    std::vector<std::string> args{"plot"};
    args.insert(args.end(), options.begin(), options.end());
    std::ostringstream out, err;
    return {runCli(args, out, err), err.str()};
}

std::string tempPng(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

bool dark(QRgb p) {
    return qRed(p) + qGreen(p) + qBlue(p) < 3 * 200;
}

// Pixels within two pixels of (x, y) that are not white.
bool darkNear(const QImage& image, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (dark(image.pixel(x + dx, y + dy))) return true;
    return false;
}

// Pixels in the square of side 2h around (x, y) that are neither white nor the bare grid of
// the axes (a drawing over the grid darkens it).
int inkAround(const QImage& image, int x, int y, int h) {
    int n = 0;
    for (int dy = -h; dy < h; ++dy)
        for (int dx = -h; dx < h; ++dx) {
            const QRgb p = image.pixel(x + dx, y + dy);
            if (p != qRgb(255, 255, 255) && p != qRgb(160, 160, 224)) ++n;
        }
    return n;
}

} // namespace

// 200 x 200 pixels of -5..5: 20 pixels a unit, the origin at pixel (100, 100).
TEST(RelationPlotCommand, CircleIsDrawnOnItsRadiusAtEveryScanWidth) {
    const std::string path = tempPng("tarlix-plot-circle.png");
    for (const char* scan : {"1", "8"})
        for (bool fast : {true, false}) {
            std::remove(path.c_str());
            std::vector<std::string> options{"-c",      "x^2+y^2=4", "--scan",    scan, "--size",
                                             "200x200", "--range",   "-5,5,-5,5", "-o", path};
            if (!fast) options.push_back("--no-fastpoly");
            const RelationRun run = plot(options);
            ASSERT_EQ(run.status, 0) << run.err;
            QImage image(QString::fromStdString(path));
            ASSERT_EQ(image.size(), QSize(200, 200));
            for (int k = 0; k < 16; ++k) {
                const double a = k * M_PI / 8 + 0.2; // off the axes
                const int x = int(std::lround(100 + 40 * std::cos(a)));
                const int y = int(std::lround(100 - 40 * std::sin(a)));
                EXPECT_TRUE(darkNear(image, x, y)) << scan << fast << " angle " << a;
            }
            EXPECT_EQ(inkAround(image, 88, 88, 5), 0) << "inside, off the circle";
            EXPECT_EQ(inkAround(image, 20, 20, 5), 0) << "outside";
        }
    std::remove(path.c_str());
}

TEST(RelationPlotCommand, InequalityHatchesInside) {
    const std::string path = tempPng("tarlix-plot-disc.png");
    std::remove(path.c_str());
    const RelationRun run =
        plot({"-c", "x^2+y^2<4", "--size", "200x200", "--range", "-5,5,-5,5", "-o", path});
    ASSERT_EQ(run.status, 0) << run.err;
    QImage image(QString::fromStdString(path));
    ASSERT_EQ(image.size(), QSize(200, 200));
    // The hatch lines are 16 pixels apart: every 16 x 16 square inside holds some.
    EXPECT_GT(inkAround(image, 80, 80, 8), 0);
    EXPECT_GT(inkAround(image, 115, 115, 8), 0);
    EXPECT_EQ(inkAround(image, 30, 30, 8), 0);
    EXPECT_EQ(inkAround(image, 170, 170, 8), 0);
    std::remove(path.c_str());
}

TEST(RelationPlotCommand, RefusesBadRelationsAndScanWidths) {
    const std::string path = tempPng("tarlix-plot-refused-relation.png");
    std::remove(path.c_str());
    const struct {
        std::vector<std::string> options;
        int status;
        const char* message;
    } cases[] = {
        {{"-c", "x^2+y^2=", "-o", path}, 1, "C1: "},
        {{"-c", "x=1", "-c", "x y=(", "-o", path}, 1, "C2: "},
        {{"-c", "x=1", "--scan", "3", "-o", path}, 2, "--scan"},
        {{"-c", "x=1", "--scan", "four", "-o", path}, 2, "--scan"},
    };
    for (const auto& c : cases) {
        const RelationRun run = plot(c.options);
        EXPECT_EQ(run.status, c.status) << c.options[1];
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}
