#include "ProjectFileFixture.h"

#include "document/AfterimageFile.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    p.kind = FigureKind::Circle;
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
    EXPECT_EQ(q->kind, FigureKind::Circle);
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

namespace {
// Little-endian fields laid by hand, as the file's description gives them.
struct Bytes {
    std::string s;
    Bytes& byte(unsigned v) {
        s.push_back(static_cast<char>(v));
        return *this;
    }
    Bytes& int32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) byte((v >> (8 * i)) & 0xff);
        return *this;
    }
    // An x87 extended value: 64-bit mantissa with its leading one, then sign and exponent.
    Bytes& extended(std::uint64_t mantissa, unsigned signAndExponent) {
        for (int i = 0; i < 8; ++i) byte(static_cast<unsigned>((mantissa >> (8 * i)) & 0xff));
        return byte(signAndExponent & 0xff).byte(signAndExponent >> 8);
    }
};
} // namespace

// Figure R (3) as a circle at (1.5, -2) of radius 0.5: figure number, padding, then the
// position record with kind at 0, x at 2, y at 12, r at 22, colours at 32, 36, 40 and the
// flags at 44..49. The reader takes every field from its offset, and the writer lays the
// same store out byte for byte.
TEST_F(AfterimageFileTest, FigureEntriesFollowThePositionRecordsOffsets) {
    Bytes file;
    file.byte(14);
    file.s += "Tarlix/win 2.8";
    file.s.append(6, '\0');
    file.int32(1).byte(3).byte(0);
    const std::size_t record = file.s.size();
    file.byte(2).byte(0);
    file.extended(0xC000000000000000ULL, 0x3FFF); // 1.5
    file.extended(0x8000000000000000ULL, 0xC000); // -2
    file.extended(0x8000000000000000ULL, 0x3FFE); // 0.5
    file.int32(0x112233).int32(0x445566).int32(0xFFFFFF);
    file.byte(1).byte(0).byte(4).byte(2).byte(3).byte(1);
    ASSERT_EQ(file.s.size() - record, 50u);
    file.int32(0);
    for (int c = 0; c < 20 + 9 + 22 + 22 + 30; ++c) file.int32(0xFFFFFF);
    writeText(path, file.s);

    loadAfterimages(read, project, path, messages);
    EXPECT_TRUE(messages.entries.empty());
    ASSERT_EQ(read.size(), 1u);
    const FigurePosition* r = read[0].position(3);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->kind, FigureKind::Circle);
    EXPECT_EQ(r->x, 1.5L);
    EXPECT_EQ(r->y, -2);
    EXPECT_EQ(r->r, 0.5L);
    EXPECT_EQ(r->pointColor, 0x112233);
    EXPECT_EQ(r->lineColor, 0x445566);
    EXPECT_EQ(r->fillColor, 0xFFFFFF);
    const std::uint8_t flags[] = {r->pointAfterimage, r->lineAfterimage, r->pointSize,
                                  r->locusWidth,      r->lineWidth,      r->hollow};
    EXPECT_EQ(std::vector<int>(std::begin(flags), std::end(flags)),
              (std::vector<int>{1, 0, 4, 2, 3, 1}));

    const std::string again = folder.file("again.tlp");
    ASSERT_TRUE(saveAfterimages(read, project, again));
    const std::string written = readText(again);
    ASSERT_EQ(written.size(), file.s.size());
    const auto differs = std::mismatch(written.begin(), written.end(), file.s.begin());
    EXPECT_EQ(differs.first, written.end())
        << "first difference at byte " << (differs.first - written.begin());
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

TEST_F(AfterimageFileTest, AProjectOpensBesideADamagedAfterimageFile) {
    const std::string base = folder.file("p");
    ASSERT_TRUE(writeProjectFile(ctx, base + ".tlx"));
    store.push(snapshot(0.25L, 1));
    store.push(snapshot(0.75L, 1));
    ASSERT_TRUE(saveAfterimages(store, project, path));
    const std::string whole = readText(path);
    writeText(path, whole.substr(0, whole.size() - 1));

    Session s;
    ASSERT_TRUE(s.doc.open(base + ".tlx"));
    EXPECT_EQ(s.project.explicitFunctions[1].expr.source, "a x + b");
    EXPECT_EQ(s.doc.afterimages.size(), 1u);
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
