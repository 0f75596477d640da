#include "cli/Commands.h"
#include "document/AfterimageFile.h"
#include "document/Project.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace tarlix::cli;

namespace {

std::string fixture(const std::string& name) {
    return (std::filesystem::path(TARLIX_SOURCE_DIR) / "tests" / "document" / "fixtures" / name)
        .string();
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(ProjectCommands, CheckListsEveryStoreOfAnOldProject) {
    const CliRun r = run({"check", fixture("v16.tlx")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "user functions: f = x^2+\xCE\xB8\n"
              "explicit functions: y1 = min(x,1); y2 = path(x,(0,0),(1,1))\n"
              "relations: C1 = r=2\xCE\xB8\n"
              "figures: P = (1,2); R = (1+cos \xCE\xB8,), \xCE\xB8 = 0..2Pi; A = (0,0), r = a\n"
              "connected figures: L1 = \n"
              "parameters: a = 2; \xCE\xB8 = 0\n"
              "memo: 2 lines\n");
}

TEST(ProjectCommands, CheckRefusesWithTheProgramsMessage) {
    const CliRun missing = run({"check", "/nonexistent/clase"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "No se encuentra el archivo/nonexistent/clase.tlx\n");
    const auto dir = std::filesystem::temp_directory_path() / "tarlix-cli-check";
    std::filesystem::create_directories(dir);
    std::ofstream((dir / "nuevo.tlx").string()) << "Tarlix/win 2.9\n";
    const CliRun newer = run({"check", (dir / "nuevo.tlx").string()});
    EXPECT_EQ(newer.status, 1);
    EXPECT_EQ(newer.err, "Versi\xC3\xB3n inv\xC3\xA1lida\n");
    EXPECT_TRUE(newer.out.empty());
    std::filesystem::remove_all(dir);
    EXPECT_EQ(run({"check"}).status, 2);
}

TEST(ProjectCommands, ConvertWritesTodaysVersionThatReadsTheSame) {
    const auto dir = std::filesystem::temp_directory_path() / "tarlix-cli-convert";
    std::filesystem::create_directories(dir);
    const std::string out = (dir / "v16 nuevo.tlx").string();
    const CliRun r = run({"convert", fixture("v16.tlx"), out});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = readText(out);
    EXPECT_EQ(text.rfind("Tarlix/win 2.8\r\n[Don't Edit] 3.14\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\nmin(x,1)\r\n0 255 3 1 1\r\n"), std::string::npos);
    EXPECT_EQ(run({"check", out}).out, run({"check", fixture("v16.tlx")}).out);

    const std::string again = (dir / "again.tlx").string();
    ASSERT_EQ(run({"convert", out, again}).status, 0);
    EXPECT_EQ(readText(again), text);

    const CliRun blocked = run({"convert", fixture("v16.tlx"), dir.string()});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_EQ(blocked.err, "No se puede guardar el archivo" + dir.string() +
                               " (not a regular file, left as it is)\n");
    std::filesystem::remove_all(dir);
}

TEST(ProjectCommands, RenderDrawsTheExplicitFunctionsOfTheProjectsView) {
    const auto dir = std::filesystem::temp_directory_path() / "tarlix-cli-render";
    std::filesystem::create_directories(dir);
    const std::string own = (dir / "own.png").string();
    ASSERT_EQ(run({"render", fixture("v16.tlx"), "-o", own}).status, 0);
    EXPECT_EQ(QImage(QString::fromStdString(own)).size(), QSize(500, 400)); // the view's size

    // x and y from -10 to 10 and -8 to 8 on 100 x 80: y1 = min(x,1) passes (-5,-5) at (25,65)
    // in red; the hidden y2 is not drawn; the axes cross at (50,40).
    const std::string small = (dir / "small.png").string();
    const CliRun r = run({"render", fixture("v16.tlx"), "-o", small, "--size", "100x80"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage image(QString::fromStdString(small));
    ASSERT_EQ(image.size(), QSize(100, 80));
    EXPECT_EQ(image.pixelColor(25, 65), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(50, 10), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(10, 40), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(25, 10), QColor(255, 255, 255));

    EXPECT_EQ(run({"render", fixture("v16.tlx")}).status, 2);
    EXPECT_EQ(run({"render", fixture("v16.tlx"), "-o", small, "--param", "z=1"}).status, 2);
    EXPECT_EQ(run({"render", "/nonexistent.tlx", "-o", small}).status, 1);
    std::filesystem::remove_all(dir);
}

// A project whose axes stand outside the area renders with the rulers beside the picture: the
// y ruler at the left and the x ruler below, 5 pixels away; the area keeps only the grid.
TEST(ProjectCommands, RenderPutsTheRulersBesideThePicture) {
    const auto dir = std::filesystem::temp_directory_path() / "tarlix-cli-rulers";
    std::filesystem::create_directories(dir);
    std::string text = readText(fixture("v27.tlx"));
    const std::string axesInside = "0 1 0 1 12 0 0 0 0 0 12 0";
    const auto at = text.find(axesInside);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, axesInside.size(), "0 1 0 1 12 1 0 0 0 0 12 0");
    const std::string project = (dir / "rulers.tlx").string();
    std::ofstream(project, std::ios::binary) << text;
    const std::string png = (dir / "rulers.png").string();

    ASSERT_EQ(run({"render", project, "-o", png, "--size", "200x160"}).status, 0);
    const QImage image(QString::fromStdString(png));
    ASSERT_GT(image.width(), 200 + 5);
    ASSERT_GT(image.height(), 160 + 5);
    const int left = image.width() - 200;
    auto blackIn = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (image.pixelColor(x, y) == QColor(0, 0, 0)) ++n;
        return n;
    };
    EXPECT_GT(blackIn(QRect(0, 0, left - 5, 160)), 20);                  // the y ruler
    EXPECT_GT(blackIn(QRect(left, 165, 200, image.height() - 165)), 20); // the x ruler
    EXPECT_EQ(image.pixelColor(left + 100, 20), QColor(160, 160, 224));  // grid, no axis line
    std::filesystem::remove_all(dir);
}

// Black and white output leaves no colour anywhere: the ring of a hollow point turns black
// like the rest of the point, and the grid is black rather than the grey its screen colour
// would give.
TEST(ProjectCommands, RenderInBlackAndWhiteTurnsRingsAndGridBlack) {
    const auto dir = std::filesystem::temp_directory_path() / "tarlix-cli-bw";
    std::filesystem::create_directories(dir);
    std::string text = readText(fixture("v27.tlx"));
    // P becomes a hollow blue point of size 4 at (2,2).
    const std::string pointAtOrigin = "P\n0\n0\n\n0\n2Pi\nt 0\n0 0\n4 4 0 1 0 1 1 1 0\n2 0 1\n";
    const auto at = text.find(pointAtOrigin);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, pointAtOrigin.size(),
                 "P\n2\n2\n\n0\n2Pi\nt 0\n0 0\n1 1 0 1 1 1 1 1 0\n4 0 1\n");
    const std::string project = (dir / "hollow.tlx").string();
    std::ofstream(project, std::ios::binary) << text;
    const auto render = [&](bool bw) {
        const std::string png = (dir / (bw ? "bw.png" : "colour.png")).string();
        std::vector<std::string> args{"render", project, "-o", png, "--size", "200x200"};
        if (bw) args.push_back("--bw");
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    };
    const QImage colour = render(false);
    const QImage bw = render(true);
    ASSERT_EQ(colour.size(), bw.size());
    const QPoint ringCentre(140, 60); // (2,2) at 20 pixels to the unit about (100,100)
    struct Count {
        int pixels = 0;
        int black = 0;
    } ring, grid;
    int coloured = 0;
    for (int y = 0; y < bw.height(); ++y)
        for (int x = 0; x < bw.width(); ++x) {
            const QColor before = colour.pixelColor(x, y);
            const QColor after = bw.pixelColor(x, y);
            coloured += (after.red() != after.green() || after.green() != after.blue()) ? 1 : 0;
            const bool nearRing = (QPoint(x, y) - ringCentre).manhattanLength() <= 8;
            Count* c = before == QColor(0, 0, 255) && nearRing ? &ring
                       : before == QColor(160, 160, 224)       ? &grid
                                                               : nullptr;
            if (!c) continue;
            ++c->pixels;
            c->black += after == QColor(0, 0, 0) ? 1 : 0;
        }
    EXPECT_GT(ring.pixels, 10);
    EXPECT_EQ(ring.black, ring.pixels);
    EXPECT_GT(grid.pixels, 100);
    EXPECT_EQ(grid.black, grid.pixels);
    EXPECT_EQ(coloured, 0);
    std::filesystem::remove_all(dir);
}

// The afterimages saved beside a project are drawn under it: point P left at (-5,5) shows as
// a lighter mark at (25,15), grey in black and white; a damaged afterimage file is reported
// and the project still renders. --scale enlarges the whole picture.
TEST(ProjectCommands, RenderDrawsTheAfterimagesSavedBesideTheProject) {
    const auto dir = std::filesystem::temp_directory_path() / "tarlix-cli-afterimages";
    std::filesystem::create_directories(dir);
    const std::string project = (dir / "p.tlx").string();
    std::filesystem::copy_file(fixture("v16.tlx"), project,
                               std::filesystem::copy_options::overwrite_existing);
    const std::string png = (dir / "p.png").string();
    auto pixel = [&](const std::vector<std::string>& extra, int x, int y) {
        std::vector<std::string> args{"render", project, "-o", png, "--size", "100x80"};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return QImage(QString::fromStdString(png)).pixelColor(x, y);
    };
    EXPECT_EQ(pixel({}, 25, 15), QColor(255, 255, 255));

    tarlix::AfterimageSnapshot s;
    tarlix::FigurePosition p;
    p.kind = tarlix::FigureKind::Point;
    p.x = -5;
    p.y = 5;
    p.pointSize = 4;
    p.pointAfterimage = 1;
    s.positions[0] = p;
    tarlix::AfterimageStore store;
    store.push(s);
    const std::string tlp = (dir / "p.tlp").string();
    ASSERT_TRUE(tarlix::saveAfterimages(store, tarlix::Project{}, tlp));

    const QColor faded = pixel({}, 25, 15);
    EXPECT_NE(faded, QColor(255, 255, 255));
    EXPECT_NE(faded, QColor(0, 0, 0));
    EXPECT_EQ(faded.red(), faded.green()); // black faded towards white
    const int l = (3 * faded.red() + 5 * faded.green() + 2 * faded.blue()) / 10;
    const int grey = l < 128 ? 0 : l > 192 ? 255 : l;
    EXPECT_EQ(pixel({"--bw"}, 25, 15), QColor(grey, grey, grey));
    EXPECT_EQ(pixel({"--bw"}, 25, 65), QColor(0, 0, 0)); // the red y1 is darker than mid grey

    // Twice the size, and the mark where the enlargement puts it.
    EXPECT_EQ(pixel({"--scale", "2"}, 50, 30), faded);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(202, 162));
    EXPECT_EQ(run({"render", project, "-o", png, "--scale", "0"}).status, 2);

    const std::string whole = readText(tlp);
    std::ofstream(tlp, std::ios::binary) << whole.substr(0, whole.size() - 3);
    const CliRun damaged = run({"render", project, "-o", png, "--size", "100x80"});
    EXPECT_EQ(damaged.status, 0);
    EXPECT_NE(damaged.err.find("imagen archivo"), std::string::npos);
    std::filesystem::remove_all(dir);
}

// plot takes the same picture options: twice the size, and no colour left in black and white.
// An enlarged plot draws relations whole and in their place: the circle of radius 2 shows in
// all four quarters about the origin, and nothing of either relation lies beyond it.
TEST(ProjectCommands, AnEnlargedPlotDrawsRelationsInPlace) {
    const auto dir = std::filesystem::temp_directory_path() / "tarlix-cli-plot-relations";
    std::filesystem::create_directories(dir);
    const std::string png = (dir / "c.png").string();
    const CliRun r = run({"plot", "-c", "x^2+y^2=4", "-c", "x^2+y^2<1", "--range", "-5,5,-5,5",
                          "--size", "200x200", "--scale", "2", "-o", png});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage image(QString::fromStdString(png));
    const int origin = 200, unit = 40; // 20 pixels to the unit, twice
    int quarters[4] = {};
    int beyond = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() < 150 || c.red() > 100 || c.green() > 100) continue; // not the pen
            const int dx = x - origin, dy = y - origin;
            ++quarters[(dx < 0 ? 0 : 1) + (dy < 0 ? 0 : 2)];
            if (std::hypot(dx, dy) > 2.2 * unit) ++beyond;
        }
    for (int q : quarters) EXPECT_GT(q, 0);
    EXPECT_EQ(beyond, 0);
    std::filesystem::remove_all(dir);
}

TEST(ProjectCommands, PlotTakesTheScaleAndBlackAndWhite) {
    const auto dir = std::filesystem::temp_directory_path() / "tarlix-cli-plot-options";
    std::filesystem::create_directories(dir);
    const std::string png = (dir / "p.png").string();
    const CliRun r =
        run({"plot", "-y", "2sin x", "--bw", "--scale", "2", "--size", "100x80", "-o", png});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), QSize(202, 162));
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            coloured += (c.red() != c.green() || c.green() != c.blue()) ? 1 : 0;
        }
    EXPECT_EQ(coloured, 0);
    EXPECT_EQ(run({"plot", "-y", "x", "--scale", "x", "-o", png}).status, 2);
    std::filesystem::remove_all(dir);
}

// Relations follow black and white as functions do: no colour is left of a hatched region.
TEST(ProjectCommands, PlotInBlackAndWhiteLeavesNoColourInRelations) {
    const auto dir = std::filesystem::temp_directory_path() / "tarlix-cli-plot-bw-relation";
    std::filesystem::create_directories(dir);
    const std::string png = (dir / "p.png").string();
    const CliRun r =
        run({"plot", "-c", "x^2+y^2<4", "-c", "y>x", "--bw", "--size", "100x80", "-o", png});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage image(QString::fromStdString(png));
    int coloured = 0, dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            coloured += (c.red() != c.green() || c.green() != c.blue()) ? 1 : 0;
            dark += c == QColor(0, 0, 0) ? 1 : 0;
        }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(dark, 100); // the hatching is there, in black
    std::filesystem::remove_all(dir);
}
