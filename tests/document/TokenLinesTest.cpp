#include "document/TokenLines.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
TokenLines readerOf(std::initializer_list<const char*> lines) {
    TokenLines d;
    for (const char* l : lines) d.add(l);
    d.beginRead();
    return d;
}
} // namespace

TEST(TokenLines, WritesTokensSeparatedByOneBlank) {
    TokenLines d;
    d.addInt(-7);
    d.addFloat(3.14L);
    d.addBool(true);
    d.addStrLn("x^2 + 1");
    d.addInt(5);
    d.addToken(""); // an empty text still adds its blank
    d.endLine();
    d.endLine(); // an empty buffer gives an empty line
    ASSERT_EQ(d.count(), 3);
    EXPECT_EQ(d.line(0), "-7 3.14 1 x^2 + 1");
    EXPECT_EQ(d.line(1), "5 ");
    EXPECT_EQ(d.line(2), "");
    EXPECT_EQ(d.toText(), "-7 3.14 1 x^2 + 1\r\n5 \r\n\r\n");
}

TEST(TokenLines, FloatsInShortestGeneralForm) {
    const struct {
        Extended value;
        const char* text;
    } cases[] = {{3.14L, "3.14"},
                 {-0.5L, "-0.5"},
                 {200, "200"},
                 {1e20L, "1E20"},
                 {1.5e-6L, "1.5E-6"},
                 {0, "0"},
                 {1e-5L, "0.00001"},
                 {1e14L, "100000000000000"},
                 {1e15L, "1E15"},
                 {1.0L / 3, "0.333333333333333"},
                 {-123456.75L, "-123456.75"},
                 {2.0L / 3 * 1e-7L, "6.66666666666667E-8"}};
    for (const auto& c : cases) {
        EXPECT_EQ(formatFileFloat(c.value, '.'), c.text);
        Extended back = -99;
        ASSERT_TRUE(parseFileFloat(c.text, '.', back)) << c.text;
    }
    EXPECT_EQ(formatFileFloat(2.5L, ','), "2,5");
}

TEST(TokenLines, MalformedOrMissingTokensKeepTheDefault) {
    TokenLines d = readerOf({"  42 12abc 3,5 2 -1 inf 1e99999 300"});
    std::int32_t n = 0, m = 9;
    Extended x = 7;
    d.readInt(n); // leading blanks skipped
    EXPECT_EQ(n, 42);
    d.readInt(m);
    EXPECT_EQ(m, 9);
    d.readFloat(x); // a comma is no decimal character here
    EXPECT_EQ(x, 7);
    bool b = true;
    d.readBool(b); // 2 reads as false
    EXPECT_FALSE(b);
    b = true;
    d.readBool(b); // -1 reads as false
    EXPECT_FALSE(b);
    d.readFloat(x); // infinities and overflow are malformed
    d.readFloat(x);
    EXPECT_EQ(x, 7);
    std::uint8_t v = 1;
    d.readByte(v); // low 8 bits
    EXPECT_EQ(v, 300 & 0xFF);
    b = true;
    d.readBool(b); // missing token
    EXPECT_TRUE(b);
    d.readInt(n);
    EXPECT_EQ(n, 42);
}

TEST(TokenLines, ReadRestAndTrailingBlank) {
    TokenLines d = readerOf({"5 ", "1   two blanks", "abc"});
    std::int32_t n = 0;
    std::string s = "default";
    d.readInt(n);
    d.readStrLn(s);
    EXPECT_EQ(n, 5);
    EXPECT_EQ(s, "");
    d.readInt(n);
    d.readStrLn(s); // the buffer "  two blanks" keeps one blank
    EXPECT_EQ(s, " two blanks");
    char c = '?';
    d.readChar(c);
    EXPECT_EQ(c, 'a');
    d.readStrLn(s);
    EXPECT_EQ(s, "bc");
    d.readCharLn(c); // past the end: empty buffers, value kept
    EXPECT_EQ(c, 'a');
    EXPECT_EQ(d.count(), 0);
}

TEST(TokenLines, SkipPastStopsAfterTheMatchOrWithOneLineLeft) {
    TokenLines d = readerOf({"a", "----------", "after", "tail"});
    d.skipPast("--------");
    std::string s;
    d.readStrLn(s);
    EXPECT_EQ(s, "after");

    TokenLines none = readerOf({"a", "b", "c"});
    none.skipPast("--------");
    EXPECT_EQ(none.count(), 1);
    EXPECT_TRUE(none.atEnd());
    none.readStrLn(s);
    EXPECT_EQ(s, "c");
}

TEST(TokenLines, DecimalCommaConversion) {
    TokenLines d;
    d.add("Tarlix/win 2.8");
    d.add("[Don't Edit] 3,14");
    d.add("1,5;2");
    d.add("ends with;");
    d.toFileNumbers(',', ';');
    EXPECT_EQ(d.line(0), "Tarlix/win 2.8");
    EXPECT_EQ(d.line(1), "[Don't Edit] 3.14");
    EXPECT_EQ(d.line(2), "1.5,2");
    EXPECT_EQ(d.line(3), "ends with;");

    TokenLines loaded;
    for (const char* l : {"Tarlix/win 2.8", "[Don't Edit] 3.14", "x", "y", "1.5,2", "v1.x"})
        loaded.add(l);
    loaded.fromFileNumbers(',', ';');
    EXPECT_EQ(loaded.line(4), "1,5;2");
    EXPECT_EQ(loaded.line(5), "v1.x"); // "." not before a digit stays

    TokenLines unconverted;
    for (const char* l : {"Tarlix/win 2.8", "[Don't Edit] 3,14", "x", "y", "1.5,2"})
        unconverted.add(l);
    unconverted.fromFileNumbers(',', ';');
    EXPECT_EQ(unconverted.line(4), "1.5,2");

    TokenLines dot;
    dot.add("a");
    dot.add("1.5,2");
    dot.toFileNumbers('.', ',');
    EXPECT_EQ(dot.line(1), "1.5,2");
}

TEST(TokenLines, RoundTripThroughText) {
    TokenLines d;
    d.decimalChar = ',';
    d.addFloat(-2.75L);
    d.addInt(-2147483647 - 1);
    d.addStrLn("free text, with blanks");
    d.addStrLn("");
    TokenLines back;
    back.fromText(d.toText());
    EXPECT_EQ(back.count(), 2);
    back.decimalChar = ',';
    back.beginRead();
    Extended x = 0;
    std::int32_t n = 0;
    std::string s;
    back.readFloat(x);
    back.readInt(n);
    back.readStrLn(s);
    EXPECT_EQ(x, -2.75L);
    EXPECT_EQ(n, -2147483647 - 1);
    EXPECT_EQ(s, "free text, with blanks");

    TokenLines mixed;
    mixed.fromText("a\nb\r\nc\rd");
    ASSERT_EQ(mixed.count(), 4);
    EXPECT_EQ(mixed.line(3), "d");
}
