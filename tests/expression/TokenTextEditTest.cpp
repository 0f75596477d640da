#include "expression/BracketPlan.h"
#include "expression/ClosedGroups.h"
#include "expression/GapText.h"
#include "expression/TokenText.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarlix;

namespace {
std::string contents(const GapText& g) {
    std::string out;
    for (std::size_t i = 0; i < g.size(); ++i) out += g[i];
    return out;
}

// Random inserts, erases and writes, far from and near the previous edit, against the same
// edits on a plain string: the gap must never show through or lose a token.
TEST(GapText, EditsAnywhereReadAsOnAPlainString) {
    std::mt19937 random(17);
    std::string plain = "abcdefgh";
    GapText gap(plain);
    for (int step = 0; step < 1000; ++step) {
        const std::size_t pos = random() % (plain.size() + 1);
        const char ch = static_cast<char>('A' + random() % 26);
        switch (random() % 4) {
        case 0:
            plain.insert(pos, 1, ch);
            gap.insert(pos, 1, ch);
            break;
        case 1: {
            const std::string s(random() % 24, ch); // long ones make the buffer grow
            plain.insert(pos, s);
            gap.insert(pos, s);
            break;
        }
        case 2:
            if (pos < plain.size()) {
                const std::size_t n = std::min<std::size_t>(random() % 5 + 1, plain.size() - pos);
                plain.erase(pos, n);
                gap.erase(pos, n);
            }
            break;
        default:
            if (pos < plain.size()) {
                plain[pos] = ch;
                gap.set(pos, ch);
            }
        }
        ASSERT_EQ(contents(gap), plain) << "after step " << step;
    }
    const std::size_t from = plain.size() / 3;
    EXPECT_EQ(gap.substr(from, 10), plain.substr(from, 10));
    EXPECT_EQ(gap.take(), plain);
}

std::string text(std::initializer_list<int> codes) {
    return tokens(codes);
}

TEST(BracketPlan, ClosesBeforeOpensAtOnePositionAndCountsRepeats) {
    const std::string t = text({Token::X, Token::Plus, Token::Y, Token::Times, Token::X});
    BracketPlan plan(t.size());
    plan.enclose(0, 2);
    plan.enclose(2, 5);
    plan.enclose(2, 5);
    EXPECT_EQ(plan.apply(t),
              text({Token::Open, Token::X, Token::Plus, Token::Close, Token::Open, Token::Open,
                    Token::Y, Token::Times, Token::X, Token::Close, Token::Close}));
}

TEST(BracketPlan, MatchesPairOnlyBracketsThatCloseEachOther) {
    // ")" "(" "(" "x" ")"  : the first ")" and the first "(" have no partner.
    const std::string t = text({Token::Close, Token::Open, Token::Open, Token::X, Token::Close});
    const auto matches = matchingBrackets(t);
    EXPECT_EQ(matches[0], npos);
    EXPECT_EQ(matches[1], npos);
    EXPECT_EQ(matches[2], 4u);
    EXPECT_EQ(matches[4], 2u);
    EXPECT_EQ(matches[3], npos);
}
TEST(ClosedGroups, CommasCountAtEachGroupsOwnDepthAndOpenGroupsCountToTheEnd) {
    // "(" "a" "," "(" "x" "," "y" ")" "," "z" "(" "x" ","
    const std::string t =
        text({Token::Open, Token::ParamA, Token::Comma, Token::Open, Token::X, Token::Comma,
              Token::Y, Token::Close, Token::Comma, Token::Z, Token::Open, Token::X, Token::Comma});
    const std::vector<GroupFacts> groups = groupsByOpen(t);
    EXPECT_EQ(groups[3].close, 7u);
    EXPECT_EQ(groups[3].commas, 1);
    EXPECT_EQ(groups[3].arguments(), 2);
    EXPECT_EQ(groups[0].close, npos) << "never closed";
    EXPECT_EQ(groups[0].commas, 2);
    EXPECT_EQ(groups[0].firstComma, 2u);
    EXPECT_EQ(groups[0].lastComma, 8u);
    EXPECT_EQ(groups[10].commas, 1);
    const std::string empty = text({Token::Open, Token::Close});
    EXPECT_EQ(groupsByOpen(empty)[0].arguments(), 0);
}
} // namespace
