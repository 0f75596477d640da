// Opening and saving project files: refusals leave the open project alone, saving never
// destroys the previous file.

#include "ProjectDump.h"
#include "ProjectFileFixture.h"

#include "document/FileLimits.h"
#include "document/ReadSteps.h"

#include <csignal>
#include <sys/resource.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

// An open project with something in every store.
struct OpenSession : Session {
    OpenSession() {
        project.projectPath = "/tmp/abierto";
        fillEveryField(project, view);
        compileAll(ctx, false);
        project.modified = true;
    }
    std::vector<std::string> state() const { return dumpProject(project, view); }
};

std::string fullProjectText() {
    OpenSession s;
    return projectFileText(s.project, s.view);
}

// Every count of the file made two thousand million.
std::string hugeCounts(const std::string& text) {
    TokenLines list;
    list.fromText(text);
    for (int i = 1; i < list.count(); ++i)
        for (const char* section : {"UserFunction", "y = f(x)", "Point", "Segments", "paramater"})
            if (list.line(i - 1) == section) list.setLine(i, "2000000000");
    return list.toText();
}

} // namespace

TEST(ProjectFile, RefusedFilesLeaveTheOpenProjectAsItWas) {
    const std::string good = fullProjectText();
    const std::string half = good.substr(0, good.size() / 2);
    struct Case {
        const char* name;
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases{
        {"newer version", "Tarlix/win 2.9" + good.substr(good.find('\r')), kMsgInvalidVersion},
        {"not a project", "GIF89a\x01\x02\r\n\xFF\xFE", kMsgInvalidVersion},
        {"empty file", "", kMsgInvalidVersion},
        {"truncated", half, kMsgOpenFailed},
        {"header then garbage", "Tarlix/win 2.8\r\n\x01\x02 garbage 3 4\n-1 x\r\n", kMsgOpenFailed},
        {"counts past every store", hugeCounts(good), kMsgOpenFailed},
        {"sections without their lines",
         "Tarlix/win 2.8\n[Don't Edit] 3.14\n----------\n----------\n----------\n", kMsgOpenFailed},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeText(dir.file("p.tlx"), c.text);
        OpenSession s;
        s.doc.recordUndo();
        const auto before = s.state();
        EXPECT_FALSE(openProject(s.ctx, dir.file("p.tlx")));
        EXPECT_EQ(s.messageTexts(), std::vector<std::string>{c.message});
        expectSameLines(s.state(), before);
        EXPECT_TRUE(s.project.modified);
        EXPECT_TRUE(s.doc.dataHistory.canUndo()) << "the undo history stays";
    }
    OpenSession s;
    EXPECT_FALSE(openProject(s.ctx, dir.file("missing.TLX")));
    EXPECT_EQ(s.messageTexts(),
              std::vector<std::string>{kMsgFileNotFound + dir.file("missing.tlx")});
}

// Only the header is read of a file that is no project; a project beyond the size bound is not
// read at all. Both files here are holes of a million million bytes behind their first line,
// which no reading of the whole could survive.
TEST(ProjectFile, AHugeFileIsRefusedFromItsHeaderAndItsSize) {
    TempFolder dir;
    const struct {
        const char* header;
        std::string message;
    } cases[] = {
        {"Tarlix/win 2.8\r\n", kMsgOpenFailed},
        {"\x89PNG\r\n", kMsgInvalidVersion},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        writeText(dir.file("huge.tlx"), c.header);
        std::filesystem::resize_file(dir.file("huge.tlx"), std::uintmax_t{1} << 40);
        OpenSession s;
        const auto before = s.state();
        EXPECT_FALSE(openProject(s.ctx, dir.file("huge.tlx")));
        EXPECT_EQ(s.messageTexts(), std::vector<std::string>{c.message});
        expectSameLines(s.state(), before);
    }
    // Just past the bound is past it: a whole project followed by a hole.
    writeText(dir.file("larger.tlx"), fullProjectText());
    std::filesystem::resize_file(dir.file("larger.tlx"), limits::kMaxProjectFileBytes + 1);
    OpenSession s;
    EXPECT_FALSE(openProject(s.ctx, dir.file("larger.tlx")));
    EXPECT_EQ(s.messageTexts(), std::vector<std::string>{kMsgOpenFailed});
}

TEST(ProjectFile, AFileCutAtAnyLineIsRefusedUnlessOnlyTheTrailingSectionsAreMissing) {
    TokenLines whole;
    whole.fromText(fullProjectText());
    int viewEnd = 0; // the separator after the view settings
    while (whole.line(viewEnd) != "ScaleS") ++viewEnd;
    viewEnd += 3;
    for (int keep = 0; keep < whole.count(); ++keep) {
        TokenLines cut;
        for (int i = 0; i < keep; ++i) cut.add(whole.line(i));
        OpenSession s;
        const auto before = s.state();
        const bool read = readProject(cut, s.ctx);
        if (keep <= viewEnd) {
            EXPECT_FALSE(read) << keep;
            expectSameLines(s.state(), before);
        }
        if (keep == viewEnd + 1) {
            EXPECT_TRUE(read);
        }
    }
}

TEST(ProjectFile, OpenedProjectReplacesEverythingAndTakesItsPath) {
    struct OpenHooks : RecordingHooks {
        std::vector<std::string> calls;
        void projectPathChanged(const std::string& path) override {
            calls.push_back("title " + path);
        }
        void projectReplaced() override { calls.push_back("replaced"); }
        void allCategoriesChanged() override { calls.push_back("categories"); }
        void redraw() override { calls.push_back("redraw"); }
    };
    TempFolder dir;
    writeText(dir.file("Clase.tlx"), fullProjectText());
    Session s;
    OpenHooks hooks;
    s.doc.setHooks(&hooks);
    s.project.modified = true;
    s.doc.recordUndo();
    AfterimageSnapshot old;
    old.functions[0] = 0x0000FF;
    s.doc.afterimages.push(old);
    EXPECT_FALSE(s.doc.open(dir.file("Clase.TLX.tlp")));
    EXPECT_EQ(s.messageTexts(),
              std::vector<std::string>{kMsgFileNotFound + dir.file("Clase.TLX.tlx")});
    EXPECT_TRUE(hooks.calls.empty());
    EXPECT_TRUE(s.doc.dataHistory.canUndo());
    EXPECT_EQ(s.doc.afterimages.size(), 1u);
    s.messages.entries.clear();
    ASSERT_TRUE(s.doc.open(dir.file("Clase.TLP")));
    const std::string base = dir.file("Clase");
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"title " + base, "replaced"}))
        << "the windows are told once";
    EXPECT_FALSE(s.doc.dataHistory.canUndo());
    EXPECT_TRUE(s.doc.afterimages.empty()) << "no afterimage file: none of the old ones stay";
    EXPECT_EQ(s.project.projectPath, base);
    EXPECT_FALSE(s.project.modified);
    EXPECT_EQ(s.project.explicitFunctions[3].expr.source, "2sin x");
    EXPECT_EQ(s.project.settings.backgroundFile, dir.file("fondo claro.bmp"));
    EXPECT_TRUE(s.doc.redraw.dirty.all());
}

TEST(ProjectFile, FailedSaveKeepsThePreviousFileAndModified) {
    TempFolder dir;
    OpenSession s;
    // A folder where the project file should go.
    std::filesystem::create_directory(dir.file("carpeta.tlx"));
    s.project.projectPath = dir.file("carpeta");
    EXPECT_FALSE(saveProject(s.ctx));
    EXPECT_EQ(s.messageTexts(), std::vector<std::string>{kMsgCannotSave + dir.file("carpeta.tlx")});
    EXPECT_TRUE(s.project.modified);

    // A write that fails half way: the file in place stays whole and no stray file is left.
    s.project.projectPath = dir.file("clase");
    writeText(dir.file("clase.tlx"), "previous");
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = saveProject(s.ctx);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(s.project.modified);
    EXPECT_EQ(readText(dir.file("clase.tlx")), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 2);

    ASSERT_TRUE(saveProject(s.ctx));
    EXPECT_FALSE(s.project.modified);
    EXPECT_EQ(readText(dir.file("clase.tlx")), fullProjectText());
}

TEST(ProjectFile, ModifiedStaysWhenTheAfterimageFileCannotBeWritten) {
    TempFolder dir;
    OpenSession s;
    // A folder that is not empty stands where the afterimage file should go.
    std::filesystem::create_directories(dir.file("clase.tlp") + "/x");
    AfterimageSnapshot snapshot;
    snapshot.functions[0] = 0x0000FF;
    s.doc.afterimages.push(snapshot);
    s.project.projectPath = dir.file("clase");
    EXPECT_FALSE(saveProject(s.ctx));
    EXPECT_TRUE(s.project.modified);
    EXPECT_EQ(s.messageTexts(), std::vector<std::string>{kMsgCannotSave + dir.file("clase.tlp")});
}

TEST(ProjectFile, PathKeepsItsCaseAndLosesOnlyATrailingExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/Ana/Clase.TLX", "/home/Ana/Clase.tlx"},
        {"/home/Ana/Clase.Tlp", "/home/Ana/Clase.tlx"},
        {"/home/Ana/Clase", "/home/Ana/Clase.tlx"},
        {"/home/Ana/a.tlx.dir/Clase", "/home/Ana/a.tlx.dir/Clase.tlx"},
    };
    for (auto [in, out] : cases) EXPECT_EQ(projectFileFor(in), out) << in;
}

TEST(ProjectFile, SavedAspectFitsTheRoom) {
    struct Case {
        AxisLengths saved;
        DrawingRoom room;
        AxisLengths fitted;
    };
    const Case cases[] = {
        {{600, 400}, {800, 900}, {900, 600}},   // room enough for the preferred width
        {{600, 400}, {300, 900}, {450, 300}},   // the height is the limit
        {{1200, 150}, {800, 600}, {1200, 150}}, // never lower than 150
        {{400, 400}, {900, 1600}, {900, 900}},  // never past the sample columns
        {{600, 400}, {0, 900}, {600, 400}},     // no room at all: as saved
    };
    for (const Case& c : cases) {
        const AxisLengths f = fitSavedAspect(c.saved, c.room);
        EXPECT_EQ(f.x, c.fitted.x) << c.saved.x << "x" << c.saved.y;
        EXPECT_EQ(f.y, c.fitted.y) << c.saved.x << "x" << c.saved.y;
    }
}

TEST(ProjectFile, OpeningFitsTheDrawingAndMovesTheTextBoxesWithIt) {
    TempFolder dir;
    writeText(dir.file("a.tlx"), fullProjectText()); // 640 x 480, box 2 at 20, 298
    Session s;
    ASSERT_TRUE(openProject(s.ctx, dir.file("a"), DrawingRoom{900, 320}));
    EXPECT_EQ(s.view.xAxis.pixelLength, 320);
    EXPECT_EQ(s.view.yAxis.pixelLength, 240);
    EXPECT_EQ(s.project.memoBoxes[2].left, 10);
    EXPECT_EQ(s.project.memoBoxes[2].top, 149);
}

TEST(ProjectFile, AppendingAnotherProjectsMemo) {
    TempFolder dir;
    writeText(dir.file("otro.tlx"), fullProjectText());
    writeText(dir.file("sin.tlx"), "Tarlix/win 2.8\r\nnada\r\n");
    Session s;
    s.project.memoText = {"primera"};
    ASSERT_TRUE(appendMemoFile(s.ctx, dir.file("otro.tlx")));
    EXPECT_EQ(s.project.memoText,
              (std::vector<std::string>{"primera", "", "//otro.tlx", "Hola, mundo: 1.5 y 2,5",
                                        "#a:=max(1,2.5)", "",
                                        "  sangr\xED"
                                        "a"}));
    EXPECT_EQ(s.hooks.undoSteps(), 1);
    EXPECT_TRUE(s.project.modified);
    EXPECT_FALSE(appendMemoFile(s.ctx, dir.file("sin.tlx")));
    EXPECT_EQ(s.messageTexts(), std::vector<std::string>{kMsgNoMemo});
    EXPECT_EQ(s.hooks.undoSteps(), 1);
}

TEST(ProjectFile, ValuesOutOfRangeKeepTheValueTheFieldHad) {
    TokenLines list;
    OpenSession original;
    writeProject(original.project, original.view, list);
    auto replace = [&](const std::string& from, const std::string& to) {
        for (int i = 0; i < list.count(); ++i)
            if (list.line(i) == from) return list.setLine(i, to);
        FAIL() << from;
    };
    replace("2 2 1 2 2 1 1 0 1 1 1", "3 3 1 2 2 1 1 0 1 1 1"); // AngleMode 3, ScanWidth 3
    replace("12 0.5 2", "41 -1 0");                            // divisions, base, labelInterval
    replace("1E20 -2.5E-6", "-1 1");                           // High below Low
    replace("1 0 2 3 16 1 1 1 1 1 24 1", "1 0 2 3 16 1 1 1 1 1 25 1"); // ThetaNum 25
    replace("60", "61");                                               // odd partitions
    replace("3 7 1", "21 21 1");                                       // function numbers
    Session s;
    ASSERT_TRUE(readProject(list, s.ctx));
    EXPECT_EQ(s.project.engine.angleMode, AngleMode::Radians);
    EXPECT_EQ(s.project.settings.scanWidth, 4);
    EXPECT_EQ(s.view.xAxis.divisions, 7);
    EXPECT_EQ(s.view.xAxis.base, 1);
    EXPECT_EQ(s.view.xAxis.labelInterval, 1);
    EXPECT_EQ(s.view.yAxis.high, 5);
    EXPECT_EQ(s.view.thetaNum, 12);
    EXPECT_EQ(s.project.engine.integralPartitions, 40);
    EXPECT_EQ(s.project.integralWindow.integratedFunction, 1);
    EXPECT_EQ(s.project.integralWindow.secondFunction, 0);
}

TEST(ProjectFile, StoreCountsAndPositionsOfTheFile) {
    TokenLines list;
    Session original;
    original.project.userFunctions[8].source = "x";
    original.project.figures[1] = blankFigure(1);
    original.project.figures[1].kind = FigureKind::Point;
    original.project.figures[2] = original.project.figures[1];
    original.project.figureRows[1].position = 1;
    original.project.figureRows[2].position = 1; // the later one is placed after all others
    original.project.figures[3] = original.project.figures[1];
    original.project.figureRows[3].position = 5; // gaps close
    writeProject(original.project, original.view, list);
    // A count of 9 user functions: the ninth line is read past.
    std::vector<std::string> lines = linesOf(list);
    const auto at = std::find(lines.begin(), lines.end(), "UserFunction") - lines.begin();
    lines[static_cast<std::size_t>(at + 1)] = "9";
    lines[static_cast<std::size_t>(at + 2)] = "0 0 0 0 0 0 0 0 0 1 1 1 1 1 1 1 1 1";
    lines.insert(lines.begin() + at + 11, "y9 sobra");
    list.clear();
    for (const auto& l : lines) list.add(l);
    Session s;
    ASSERT_TRUE(readProject(list, s.ctx));
    EXPECT_EQ(s.project.userFunctions[8].source, "x");
    EXPECT_EQ(s.project.userFunctionRows[8].position, 1);
    EXPECT_EQ(s.project.figureRows[1].position, 1);
    EXPECT_EQ(s.project.figureRows[3].position, 2);
    EXPECT_EQ(s.project.figureRows[2].position, 3);
}

TEST(ProjectFile, OlderExpressionsInTodaysWords) {
    struct Case {
        const char* version;
        const char* text;
        const char* today;
    };
    const Case cases[] = {
        {"1.6", "Q+Qr*Qx-Qy/Q", "@+Qr*Qx-Qy/@"},
        {"1.7", "Q", "Q"},
        {"2.3", "pas(1,Min(a,b),Max(1,2))", "path(1,min(a,b),max(1,2))"},
        {"2.4", "pas", "pas"},
    };
    for (const Case& c : cases) {
        TokenLines list;
        ProjectInput in(list, std::string("Tarlix/win ") + c.version, {});
        EXPECT_EQ(rewriteOldSource(c.text, in), c.today) << c.version;
    }
}

TEST(DeepEntries, AnEntryTooDeepToCompileOpensUncompiledBesideTheOthers) {
    Session saved;
    const std::string deep = "x" + std::string(12000, '!');
    saved.project.explicitFunctions[1].expr.source = deep;
    saved.project.explicitFunctions[2].expr.source = "x^2";
    saved.project.userFunctions[1].source = "x+y";
    TempFolder dir;
    writeText(dir.file("hondo.tlx"), projectFileText(saved.project, saved.view));
    Session s;
    ASSERT_TRUE(openProject(s.ctx, dir.file("hondo.tlx")));
    EXPECT_EQ(s.project.explicitFunctions[1].expr.source, deep);
    EXPECT_TRUE(s.project.explicitFunctions[1].expr.code.empty());
    EXPECT_EQ(s.project.explicitFunctions[2].expr.source, "x^2");
    EXPECT_FALSE(s.project.explicitFunctions[2].expr.code.empty());
    EXPECT_FALSE(s.project.userFunctions[1].code.empty());
}
