#include "MarkupFixture.h"

using namespace tarlix;
using markuptest::MarkupTest;

namespace {
std::string codes(std::initializer_list<int> c) {
    std::string s;
    for (int v : c) s += static_cast<char>(v);
    return s;
}
} // namespace

TEST_F(MarkupTest, TagsBecomeControlCodesWhateverTheirCase) {
    const struct {
        const char* text;
        std::string expected;
    } cases[] = {
        {"<B>a</B>", codes({10}) + "a" + codes({11})},
        {"<b>a</b>", codes({10}) + "a" + codes({11})},
        {"<i><U>a</u></I>", codes({12, 14}) + "a" + codes({15, 13})},
        {"<normal>", codes({9})},
        {"<Color=#12AB3f>a</COLOR>", codes({17}) + "12AB3f" + "a" + codes({16})},
        {"<RED>a</red>", codes({17}) + "FF0000a" + codes({16})},
        {"<syan><GRAY>", codes({17}) + "00C0C0" + codes({17}) + "808080"},
        {"<green><purple><blue><black>", codes({17}) + "00C000" + codes({17}) + "D000D0" +
                                             codes({17}) + "0000FF" + codes({17}) + "000000"},
        {"<L>a</L><s>b</S>", codes({18}) + "a" + codes({20, 19}) + "b" + codes({20})},
        {"<SUB>1</sub><Sup>2</SUP>", codes({23}) + "1" + codes({20, 24}) + "2" + codes({20})},
        {"<V>AB</v>", codes({21}) + "AB" + codes({22})},
        {"v{AB} and v{CD}",
         codes({21}) + "AB" + codes({22}) + " and " + codes({21}) + "CD" + codes({22})},
        {"<Symbol>p</symbol>", codes({25}) + "p" + codes({26})},
        {"<frac>1|2</FRAC>", codes({31}) + "1|2}"},
        {"~f{1|2}", codes({31}) + "1|2}"},
        // Not tags: text that only looks like one.
        {"a<b and c>d", "a<b and c>d"},
        {"<Color=#12>x", "<Color=#12>x"},
        {"<bold>", "<bold>"},
    };
    for (const auto& c : cases) EXPECT_EQ(convert(c.text), c.expected) << c.text;
}

TEST_F(MarkupTest, ValueFieldsShowTheCurrentValueAsAFormulaGroup) {
    parameters.value(1) = 3.14159L; // a
    parameters.value(2) = -2;       // b
    parameters.value(3) = 1;        // c
    parameters.value(4) = -1;       // d
    parameters.value(5) = 1e20L;    // m
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"a=!{a|3}", "a={3.14}"},
        {"!{a}", "{3.1416}"},         // five digits when none are given
        {"!{a|-2}", "{3.1416}"},      // nor when the count is negative
        {"!{a|x}", "{3.1416}"},       // or not a number
        {"!{a|0}", "{3}"},            // at least one digit
        {"!{a|40}", "{3.14159}"},     // at most 18
        {"!{Sqrt(b)}", "{ error }"},  // undefined
        {"!{(a,b)|2}", "{(3.1,-2)}"}, // a pair
        {"y=x+!{b}", "y=x{-2}"},
        {"y=x-!{b}", "y=x{+2}"},
        {"y=x+!{a|2}", "y=x{+3.1}"},
        {"+!{(1,2)}", "{(1,2)}"}, // pairs ignore the sign prefix
        {"!{c}x", "{}x"},         // a coefficient of 1 is left out
        {"!{d}x", "{-}x"},
        {"!{d}(x+1)", "{-}(x+1)"},
        {"!{d}", "{-1}"}, // not a coefficient
        {"!{c} x", "{1} x"},
        {"+!{c}@", "{+}@"},
        {"!{m}", "{1*10^(20)}"},
        {"!{a", "{3.1416}"}, // the field runs to the end
    };
    for (const auto& c : cases) EXPECT_EQ(convert(c.text), c.expected) << c.text;
}

TEST_F(MarkupTest, ValueFieldsEvaluateAgainstTheDocument) {
    RecordingMessageBox box;
    const CompileEnv compileEnv{settings, box};
    setSource(document.userFunctions[0], "x^2+1", kModeRelation, compileEnv); // f
    parameters.value(1) = 2;
    EXPECT_EQ(convert("!{f(a)}"), "{5}");
}

TEST_F(MarkupTest, PolynomialFieldsShowTheCoefficientsAsAFormula) {
    parameters.value(1) = 2;
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"?{(x+1)^2}", "{x^2+2x+1}"},
        {"?{-x^3+0.5}", "{-x^3+0.5}"},
        {"?{a x^6 - x|2}", "{2x^6-x}"},
        {"?{1/3x^0+x|3}", "{x+0.333}"},
        {"?{0}", "{0}"},
        {"y=?{sin x}.", "y=."}, // no polynomial: the field is left out
    };
    for (const auto& c : cases) EXPECT_EQ(convert(c.text), c.expected) << c.text;
}

// Tags are converted in one pass, giving what replacing each tag of the order in turn over the
// whole text gives: a colour tag runs to the first ">" that no tag before it in the order took,
// and its digits are counted after those tags became codes; "</frac>" gives the "}" that a
// vector group may close on.
TEST_F(MarkupTest, TagsWithinTagsConvertAsEachTagInTurnWould) {
    const struct {
        const char* text;
        std::string expected;
    } cases[] = {
        {"<Color=#<b>FF00>x", "<Color=#" + codes({10}) + "FF00>x"},
        {"<Color=#FF0000<red>>x", codes({17}) + "FF0000>x"},
        {"<Color=#12<b>x", "<Color=#12" + codes({10}) + "x"},
        {"<color=#~f{1234>", "<color=#" + codes({31}) + "1234>"},
        {"<Color=#FF0000", "<Color=#FF0000"},
        {"v{a</frac>b}", codes({21}) + "a" + codes({22}) + "b}"},
        {"v{v{a}}}", codes({21, 21}) + "a" + codes({22, 22}) + "}"},
        {"<<b>>", "<" + codes({10}) + ">"},
        {"x<SUP>2</SUP><sup>", "x" + codes({24}) + "2" + codes({20, 24})},
    };
    for (const auto& c : cases) EXPECT_EQ(convert(c.text), c.expected) << c.text;
}

// A label of a million tags converts to a million codes: the conversion reads the text once.
TEST_F(MarkupTest, AMillionTagsBecomeAMillionCodes) {
    std::string text;
    for (int i = 0; i < 250000; ++i) text += "<SUP>2</SUP><B>x</b>";
    const std::string converted = convert(text);
    ASSERT_EQ(converted.size(), 250000u * 6);
    EXPECT_EQ(converted.substr(0, 12), codes({24}) + "2" + codes({20, 10}) + "x" + codes({11}) +
                                           codes({24}) + "2" + codes({20, 10}) + "x" + codes({11}));
}
