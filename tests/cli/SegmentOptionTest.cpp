// The --segment option of tarlix-cli plot.
#include "cli/SegmentOption.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>

#include <sstream>

namespace tarlix::cli {

TEST(SegmentOption, BadKindsAndLettersAreRefusedAsOptions) {
    for (const char* text : {"7PQR", "4:PQ", "0:PQ", "13:PQ", "x:PQ", "7:PWR", "7:"}) {
        std::ostringstream out, err;
        EXPECT_EQ(runCli({"plot", "-y", "x", "--segment", text, "-o", "/tmp/never.png"}, out, err),
                  kExitUsage)
            << text;
        EXPECT_NE(err.str().find("--segment must be KIND:LETTERS"), std::string::npos) << text;
    }
}

TEST(SegmentOption, LettersTheKindDoesNotTakeGiveTheProgramsMessage) {
    Project project;
    project.figures[1].kind = FigureKind::Point;          // P
    project.figures[2].kind = FigureKind::Point;          // Q
    project.figures[3].kind = FigureKind::HorizontalLine; // R, a horizontal line
    struct Case {
        const char* option;
        const char* message;
    };
    const Case cases[] = {
        {"1:PQR", "Muchos vértices"},
        {"7:PQ", "Faltan vértices"},
        {"7:PQR", "Eje o línea no puede ser usado con vértice de un polígono"},
        {"1:PS", "Vértice inválido (the figure S is not defined)"},
    };
    for (const Case& c : cases) {
        const auto option = parseSegmentOption(c.option);
        ASSERT_TRUE(option) << c.option;
        std::ostringstream err;
        EXPECT_FALSE(addSegments({*option}, project, err, "plot: ")) << c.option;
        EXPECT_EQ(err.str(),
                  std::string("plot: --segment \"") + c.option + "\": " + c.message + "\n");
    }
    EXPECT_EQ(project.segments.count, 0);

    std::ostringstream err;
    ASSERT_TRUE(addSegments({*parseSegmentOption("7:pqp"), *parseSegmentOption("1:QX")}, project,
                            err, "plot: "));
    ASSERT_EQ(project.segments.count, 2);
    EXPECT_EQ(project.segments[1].kind, SegmentKind::Polygon);
    EXPECT_EQ(project.segments[1].vertexCount(), 3);
    EXPECT_EQ(project.segments[2].vertices[1], kXAxisVertex);
}

// A polygon through three figures of the plot is drawn along its sides, not inside them.
TEST(SegmentOption, PlotDrawsAPolygonThroughItsFigures) {
    const std::string png = "/tmp/tarlix-segment-plot.png";
    std::ostringstream out, err;
    ASSERT_EQ(runCli({"plot", "--figure", "P=(0,0)", "--figure", "Q=(3,0)", "--figure", "R=(0,3)",
                      "--segment", "7:PQR", "--range", "-5,5,-5,5", "--size", "200x200", "-o", png},
                     out, err),
              kExitOk)
        << err.str();
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), QSize(200, 200));
    // 20 pixels a unit, the origin at (100, 100): the side QR passes (1.5, 1.5).
    EXPECT_NE(image.pixelColor(130, 70), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(115, 85), QColor(Qt::white)); // inside, not filled
    std::remove(png.c_str());
}

} // namespace tarlix::cli
