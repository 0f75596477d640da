#include "cli/Commands.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using namespace tarlix::cli;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::string& command, const std::vector<std::string>& options) {
    std::vector<std::string> args{command};
    args.insert(args.end(), options.begin(), options.end());
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::string tempPng(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

bool anyPixelNear(const QImage& image, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixel(x + dx, y + dy) == colour) return true;
    return false;
}

} // namespace

TEST(FigureOption, EvalReadsFiguresBuiltFromEachOther) {
    const struct {
        std::vector<std::string> args;
        const char* out;
    } cases[] = {
        {{"--figure", "P=(1,2)", "--figure", "A=mid(P,(3,4))", "A"}, "(2,3)\n"},
        {{"--figure", "P=(0,0)", "--figure", "Q=(2,0)", "--figure", "R=(0,1)", "--figure",
          "S=(2,1)", "intr(P,S,Q,R)"},
         "(1,0.5)\n"},
        {{"--figure", "circle:C=(1,1);a+1", "--param", "a=2", "C.r+C.x"}, "4\n"},
        {{"--figure", "hline:H=3;0.5", "H.y+H.r"}, "3.5\n"},
        {{"--figure", "vline:V=-2", "V.x"}, "-2\n"},
        {{"--figure", "polar:K=2", "--param", "\xCE\xB8=0", "K"}, "(2,0)\n"},
        {{"--figure", "curve:B=(t,t^2);0;1", "--param", "t=3", "B.y"}, "9\n"},
    };
    for (const auto& c : cases) {
        const CliRun r = run("eval", c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out) << c.args.back();
    }
}

TEST(FigureOption, RefusesMalformedFiguresAndReportsCompileErrors) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"--figure", "P=(1,2", "P"}, 1, "P: "},
        {{"--figure", "circle:C=(0,0);2+", "C"}, 1, "C: "},
        {{"--figure", "curve:B=(t,t);0;1;-1", "B"}, 1, "step"},
        {{"--figure", "W=(1,2)", "1"}, 2, "--figure"},
        {{"--figure", "PQ=(1,2)", "1"}, 2, "--figure"},
        {{"--figure", "circle:C=(0,0)", "1"}, 2, "--figure"},
        {{"--figure", "curve:B=(t,t);0", "1"}, 2, "--figure"},
        {{"--figure", "spiral:B=t", "1"}, 2, "--figure"},
    };
    for (const auto& c : cases) {
        for (const char* command : {"eval", "plot"}) {
            std::vector<std::string> args = c.args;
            if (std::string(command) == "plot") {
                args.pop_back();
                args.insert(args.end(), {"-o", tempPng("tarlix-figure-refused.png")});
            }
            const CliRun r = run(command, args);
            EXPECT_EQ(r.status, c.status) << command << " " << c.args[1];
            EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(tempPng("tarlix-figure-refused.png")));
}

// 200 x 200 pixels of -5..5, 20 pixels a unit; figures start blue (0x00BBGGRR 0xFF0000).
TEST(FigureOption, PlotDrawsTheFiguresOverTheFunctions) {
    const std::string path = tempPng("tarlix-plot-figures.png");
    std::remove(path.c_str());
    const CliRun r =
        run("plot", {"-y", "-3", "--figure", "P=(1,2)", "--figure", "circle:C=(-2,-2);1",
                     "--figure", "Q=(1,sqrt(-1))", "--figure", "curve:B=(t,4);-4;-2", "--size",
                     "200x200", "--range", "-5,5,-5,5", "-o", path});
    ASSERT_EQ(r.status, 0) << r.err;
    QImage image(QString::fromStdString(path));
    ASSERT_EQ(image.size(), QSize(200, 200));
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_EQ(image.pixel(121, 61), blue) << "P's disc";
    const QRgb blueOverGrid = qRgb(0, 0, 224);
    EXPECT_EQ(image.pixel(60, 140), blueOverGrid) << "C's centre over a grid crossing";
    EXPECT_EQ(image.pixel(54, 146), qRgb(255, 255, 255))
        << "C is not filled"; // away from its label
    EXPECT_TRUE(anyPixelNear(image, 74, 126, blue)) << "C's outline";
    EXPECT_TRUE(anyPixelNear(image, 30, 20, blue)) << "the curve";
    EXPECT_EQ(image.pixel(50, 160), blueOverGrid) << "y1 = -3 is drawn";
    std::remove(path.c_str());
}
