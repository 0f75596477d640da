#include "ProjectFileFixture.h"

#include "document/AfterimageFile.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

struct AfterimageFileTest : ProjectTest {
    TempFolder folder;
    std::string path = folder.file("p.tlp");
    AfterimageStore store;
    AfterimageStore read;

    void SetUp() override {
        EquationEntry f = equation("a x + b");
        f.afterimage = true;
        storeExplicitFunction(ctx, 1, f);
        storeY(2, "c x"); // c is used, but by nothing that leaves afterimages
        project.parameters[1].value = 5;
        project.parameters[3].value = 7;
    }

    static AfterimageSnapshot snapshot(Extended a, Extended c) {
        AfterimageSnapshot s;
        s.parameters.fill(1);
        s.parameters[0] = a;
        s.parameters[2] = c;
        s.functions[0] = 0x0000FF;
        s.segmentPens[29] = 0x123456;
        s.segmentFills[29] = 0x00FF00; // not part of the file
        return s;
    }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> t;
        for (const auto& e : messages.entries) t.push_back(e.text);
        return t;
    }
};

} // namespace

TEST_F(AfterimageFileTest, SnapshotsComeBackWithTheirPositionsColoursAndUsedParameters) {
    AfterimageSnapshot first = snapshot(0.1L, 2);
    FigurePosition p;
    p.kind = 2;
    p.x = 1.0L / 3;
    p.y = -2.5e-300L;
    p.r = 1e4000L; // beyond a double: the file keeps the extended value
    p.pointColor = 0x112233;
    p.lineColor = 0x445566;
    p.fillColor = 0xFFFFFF;
    p.pointAfterimage = 1;
    p.lineWidth = 3;
    p.locusWidth = 2;
    p.hollow = 1;
    first.positions[21] = p;
    store.push(first);
    store.push(snapshot(5, 2)); // a at its current value: written as no entry
    ASSERT_TRUE(saveAfterimages(store, project, path));

    loadAfterimages(read, project, path, messages);
    EXPECT_TRUE(messages.entries.empty());
    ASSERT_EQ(read.size(), 2u);
    const FigurePosition* q = read[0].position(22);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->kind, 2);
    EXPECT_EQ(q->x, p.x);
    EXPECT_EQ(q->y, p.y);
    EXPECT_EQ(q->r, p.r);
    EXPECT_EQ(q->pointColor, p.pointColor);
    EXPECT_EQ(q->lineColor, p.lineColor);
    EXPECT_EQ(q->pointAfterimage, 1);
    EXPECT_EQ(q->lineWidth, 3);
    EXPECT_EQ(q->locusWidth, 2);
    EXPECT_EQ(q->hollow, 1);
    EXPECT_EQ(read[0].position(1), nullptr);
    EXPECT_EQ(read[0].parameters[0], 0.1L);
    EXPECT_EQ(read[1].parameters[0], 5);
    // b (at its current value) and c (used by nothing with afterimages) were never written:
    // they take their current values.
    project.parameters[2].value = 9;
    AfterimageStore again;
    loadAfterimages(again, project, path, messages);
    EXPECT_EQ(again[0].parameters[1], 9);
    EXPECT_EQ(again[0].parameters[0], 0.1L);
    EXPECT_EQ(read[0].parameters[2], 7);
    EXPECT_EQ(read[0].functions[0], 0x0000FFu);
    EXPECT_EQ(read[0].segmentPens[29], 0x123456u);
    EXPECT_EQ(read[0].segmentFills[29], kWhite);
}

TEST_F(AfterimageFileTest, TheFileIsLaidOutByteForByte) {
    store.push(snapshot(0.5L, 1));
    ASSERT_TRUE(saveAfterimages(store, project, path));
    const std::string bytes = readText(path);
    ASSERT_EQ(bytes.size(), 21u + 4 + 4 + 12 + 80 + 36 + 88 + 88 + 120);
    EXPECT_EQ(bytes.substr(0, 15), std::string("\x0E") + "Tarlix/win 2.8");
    EXPECT_EQ(bytes.substr(15, 6), std::string(6, '\0'));
    EXPECT_EQ(bytes.substr(21, 8), std::string("\0\0\0\0\x01\0\0\0", 8)); // n = 0, m = 1
    // 0.5 as x87 extended: mantissa 0x8000000000000000, exponent 0x3FFE.
    EXPECT_EQ(bytes.substr(29, 12), std::string("\0\0\0\0\0\0\0\x80\xFE\x3F\x01\0", 12));
}

TEST_F(AfterimageFileTest, AnEmptyStoreRemovesTheOldFile) {
    store.push(snapshot(0.5L, 1));
    ASSERT_TRUE(saveAfterimages(store, project, path));
    store.clear();
    ASSERT_TRUE(saveAfterimages(store, project, path));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(AfterimageFileTest, MissingEmptyAndForeignFilesLeaveNoAfterimagesAndSayNothing) {
    read.push(snapshot(1, 1)); // loading empties the store first
    loadAfterimages(read, project, path, messages);
    EXPECT_TRUE(read.empty());
    writeText(path, "");
    loadAfterimages(read, project, path, messages);
    writeText(path, std::string("\x0E") + "Tarlix/win 2.7" + std::string(200, '\0'));
    loadAfterimages(read, project, path, messages);
    EXPECT_TRUE(read.empty());
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(AfterimageFileTest, ADamagedFileKeepsTheSnapshotsReadBeforeTheDamage) {
    store.push(snapshot(0.25L, 1));
    store.push(snapshot(0.75L, 1));
    ASSERT_TRUE(saveAfterimages(store, project, path));
    const std::string whole = readText(path);
    const std::size_t record = (whole.size() - 21) / 2;
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string badCount = whole;
    badCount[21 + record] = 23; // 23 figure entries: more figures than there are
    std::string badFigure = whole;
    badFigure.replace(21 + record, 4, std::string("\x01\0\0\0\x17\0", 6)); // figure number 23
    const Case cases[] = {
        {"cut inside the second record", whole.substr(0, whole.size() - 10)},
        {"figure count out of range", badCount},
        {"figure number out of range", badFigure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.entries.clear();
        writeText(path, c.bytes);
        loadAfterimages(read, project, path, messages);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].parameters[0], 0.25L);
        EXPECT_EQ(messageTexts(),
                  std::vector<std::string>{"Despu\xE9s de la imagen archivo se da\xF1\xF3"});
    }
}

namespace {
struct LoadingHooks : RecordingHooks {
    AfterimageStore store;
    MessageBox* messages = nullptr;
    const Project* project = nullptr;
    void loadAfterimages(const std::string& path) override {
        tarlix::loadAfterimages(store, *project, path, *messages);
    }
};
} // namespace

TEST_F(AfterimageFileTest, AProjectOpensBesideADamagedAfterimageFile) {
    const std::string base = folder.file("p");
    ASSERT_TRUE(writeProjectFile(ctx, base + ".tlx"));
    store.push(snapshot(0.25L, 1));
    store.push(snapshot(0.75L, 1));
    ASSERT_TRUE(saveAfterimages(store, project, path));
    const std::string whole = readText(path);
    writeText(path, whole.substr(0, whole.size() - 1));

    Session s;
    LoadingHooks loading;
    loading.messages = &s.messages;
    loading.project = &s.project;
    ProjectContext ctx2{s.project, s.view, s.messages, loading};
    ASSERT_TRUE(openProject(ctx2, base + ".tlx", std::nullopt));
    EXPECT_EQ(s.project.explicitFunctions[1].expr.source, "a x + b");
    EXPECT_EQ(loading.store.size(), 1u);
    EXPECT_EQ(s.messageTexts().size(), 1u);
}

// A file longer than the store's capacity of the largest snapshots is refused before it is
// read: a damaged file when its header is ours, someone else's file (said nothing of) when not.
TEST_F(AfterimageFileTest, AFileLongerThanAnyTheProgramWritesIsRefusedUnread) {
    const struct {
        std::string header;
        bool ours;
    } cases[] = {
        {std::string("\x0E") + "Tarlix/win 2.8" + std::string(6, '\0'), true},
        {std::string("\x0E") + "Tarlix/win 2.7" + std::string(6, '\0'), false},
    };
    for (const auto& c : cases) {
        messages.entries.clear();
        writeText(path, c.header);
        std::filesystem::resize_file(path, std::uintmax_t{1} << 40); // a hole, not a terabyte
        read.push(snapshot(1, 1));
        loadAfterimages(read, project, path, messages);
        EXPECT_TRUE(read.empty());
        EXPECT_EQ(messages.entries.size(), c.ours ? 1u : 0u);
    }
}

// Values below the normal range of the extended format are written as its denormals, exactly,
// so that a file read and written again is the same file.
TEST_F(AfterimageFileTest, ValuesBelowTheNormalRangeComeBackExactly) {
    using Limits = std::numeric_limits<Extended>;
    for (const Extended v : {Limits::denorm_min(), Limits::denorm_min() * 12345, Limits::min() / 2,
                             -Limits::min() / 3, Limits::min()}) {
        store.clear();
        store.push(snapshot(v, 1));
        ASSERT_TRUE(saveAfterimages(store, project, path));
        loadAfterimages(read, project, path, messages);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].parameters[0], v);
    }
}
