#include "render/JoinedLine.h"

#include "PlainJoin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace tarlix;

namespace {

using Line = std::vector<Point>;
using tarlix::testing::plainJoin;

JoinedLine joinedOf(const Line& points) {
    JoinedLine line(points[0], points[1], {});
    for (std::size_t k = 2; k < points.size(); ++k) line.addBack(points[k]);
    return line;
}

Line pointsOf(const JoinedLine& line) {
    Line out;
    for (std::size_t k = 0; k < line.size(); ++k) out.push_back(line.at(k));
    return out;
}

} // namespace

TEST(JoinedLine, JoinsInAllFourOrientationsWhicheverLineIsLonger) {
    const Point a{0, 0}, b{1, 0}, c{2, 1}, d{3, 3}, e{9, 9};
    const struct {
        const char* name;
        Line from, into, joined;
    } cases[] = {
        {"from ends where into starts, from longer", {a, b, c, d}, {d, e}, {a, b, c, d, e}},
        {"both end at one point, from longer", {a, b, c, d}, {e, d}, {e, d, c, b, a}},
        {"from starts where into ends, from longer", {a, b, c, d}, {e, a}, {e, a, b, c, d}},
        {"both start at one point, from longer", {a, b, c, d}, {a, e}, {d, c, b, a, e}},
        {"from ends where into starts, into longer", {e, a}, {a, b, c, d}, {e, a, b, c, d}},
        {"both end at one point, into longer", {e, d}, {a, b, c, d}, {a, b, c, d, e}},
        {"from starts where into ends, into longer", {d, e}, {a, b, c, d}, {a, b, c, d, e}},
        {"both start at one point, into longer", {a, e}, {a, b, c, d}, {e, a, b, c, d}},
    };
    for (const auto& k : cases) {
        JoinedLine from = joinedOf(k.from), into = joinedOf(k.into);
        ASSERT_TRUE(joinLines(from, into)) << k.name;
        EXPECT_EQ(pointsOf(into), k.joined) << k.name;
        EXPECT_TRUE(from.empty()) << k.name;
        EXPECT_EQ(into.take(), k.joined) << k.name;
    }
    JoinedLine apart = joinedOf({a, b}), other = joinedOf({c, d});
    EXPECT_FALSE(joinLines(apart, other));
    EXPECT_EQ(pointsOf(apart), (Line{a, b}));
}

TEST(JoinedLine, GrowsLikeThePlainJoinThroughTurnsAndLongRuns) {
    // A walk whose pieces join the line at either end, in either direction, some of them
    // longer than the line: every join must give what the plain vector join gives.
    std::mt19937 random(7);
    for (int trial = 0; trial < 50; ++trial) {
        Line plain{{0, 0}, {1, 0}};
        JoinedLine line = joinedOf(plain);
        int next = 2;
        for (int step = 0; step < 60; ++step) {
            const bool atFront = random() % 2 == 0;
            Line piece{atFront ? plain.front() : plain.back()};
            const int extra = 1 + static_cast<int>(random() % (random() % 8 == 0 ? 40 : 3));
            for (int k = 0; k < extra; ++k) piece.push_back({next++, trial});
            if (random() % 2 == 0) std::reverse(piece.begin(), piece.end());
            JoinedLine joined = joinedOf(piece);
            Line plainPiece = piece;
            // The piece is joined into the line or the line into the piece, as the joiner may.
            if (random() % 2 == 0) {
                ASSERT_TRUE(plainJoin(plainPiece, plain));
                ASSERT_TRUE(joinLines(joined, line));
            } else {
                ASSERT_TRUE(plainJoin(plain, plainPiece));
                ASSERT_TRUE(joinLines(line, joined));
                plain = plainPiece;
                std::swap(line, joined);
            }
            ASSERT_EQ(pointsOf(line), plain) << trial << " " << step;
        }
        EXPECT_EQ(line.take(), plain);
        EXPECT_TRUE(line.empty());
    }
}
