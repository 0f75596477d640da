// tarlix-cli integral prints the integral window's rows; render --integral and --values draw
// the windows' marks.

#include "cli/Commands.h"
#include "document/EntryCompile.h"
#include "document/ProjectEdit.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using namespace tarlix;
using namespace tarlix::cli;

namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

// y1 = x and y2 = x^2 (hidden), integrated from 0 to 2 in 2 partitions, saved in a folder of
// the test's own.
struct SavedProject {
    std::filesystem::path folder;
    std::string path;
    SavedProject() {
        std::string templ = (std::filesystem::temp_directory_path() / "tarlix-igr-XXXXXX");
        folder = ::mkdtemp(templ.data());
        Document doc;
        for (const auto& [n, text] : {std::pair{1, "x"}, std::pair{2, "x^2"}}) {
            EquationEntry f = blankEquation();
            f.expr.source = text;
            storeExplicitFunction(doc, n, f);
        }
        doc.project.explicitFunctions[2].visible = false;
        doc.project.integralWindow.bounds.low.source = "0";
        doc.project.integralWindow.bounds.high.source = "2";
        doc.project.engine.integralPartitions = 2;
        compileWindowTexts(doc.project, false, doc.compileEnv());
        path = (folder / "lección.tlx").string();
        EXPECT_TRUE(doc.saveAs((folder / "lección").string()));
    }
    ~SavedProject() { std::filesystem::remove_all(folder); }
};

} // namespace

TEST(IntegralCommand, RowsAsTheWindowShowsThem) {
    const CommandRun given = run({"integral", "-y", "x^2", "-y", "sin x", "--from", "0", "--to", "1",
                           "--partitions", "2"});
    EXPECT_EQ(given.status, 0) << given.err;
    EXPECT_EQ(given.out, "y1 0.33333333\ny2 0.45986219\n");

    // A new project's limits -1 and 1, 40 partitions; the area of x there is 1.
    EXPECT_EQ(run({"integral", "-y", "x", "--area"}).out, "y1 1.00000000\n");
    EXPECT_EQ(run({"integral", "-y", "x", "-y", "1", "--minus", "2"}).out,
              "y1 -2.00000000\ny2 0.00000000\n");
    EXPECT_EQ(run({"integral", "-y", "x", "--from", "ln(0)"}).out, "y1 ---\n");

    SavedProject saved;
    const CommandRun fromFile = run({"integral", saved.path});
    EXPECT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, "y1 2.00000000\ny2 0\n") << "y2 is hidden on the data panel";
    EXPECT_EQ(run({"integral", saved.path, "-y", "3"}).out, "y1 6.00000000\n");
}

TEST(IntegralCommand, RefusedValues) {
    for (const char* n : {"41", "0", "202", "x"}) {
        const CommandRun r = run({"integral", "-y", "x", "--partitions", n});
        EXPECT_EQ(r.status, 1) << n;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Número de particiones será de 2 a 200."), std::string::npos) << r.err;
    }
    EXPECT_EQ(run({"integral", "-y", "x", "--partitions", "200"}).status, 0);
    EXPECT_EQ(run({"integral", "-y", "x", "--minus", "21"}).status, 2);
    EXPECT_EQ(run({"integral", "-y", "x+"}).status, 1);
    EXPECT_EQ(run({"integral", "/nonexistent/x.tlx"}).status, 1);
}

// The shading lies between the limits under y1 = x, and the value marker at x = 1 crosses the
// picture; without the options neither is drawn.
TEST(IntegralCommand, RenderDrawsTheWindowsMarks) {
    SavedProject saved;
    const std::string plain = (saved.folder / "plain.png").string();
    const std::string marked = (saved.folder / "marked.png").string();
    ASSERT_EQ(run({"render", saved.path, "-o", plain, "--size", "200x200"}).status, 0);
    ASSERT_EQ(run({"render", saved.path, "-o", marked, "--size", "200x200", "--integral",
                   "--values"})
                  .status,
              0);
    const QImage a(QString::fromStdString(plain));
    const QImage b(QString::fromStdString(marked));
    ASSERT_EQ(a.size(), b.size());
    // The view is -5..5 on 200 pixels: x = 1.5, y = 0.5 lies under y1 inside the limits, x = 3
    // outside them.
    const auto at = [](const QImage& i, double x, double y) {
        return i.pixel(static_cast<int>((x + 5) * 20), static_cast<int>((5 - y) * 20));
    };
    EXPECT_NE(at(a, 1.5, 0.5), at(b, 1.5, 0.5)) << "shaded";
    EXPECT_EQ(at(a, 3.5, 0.5), at(b, 3.5, 0.5)) << "outside the limits";
    EXPECT_NE(at(a, 1, 4), at(b, 1, 4)) << "the value marker at x = 1";
}
