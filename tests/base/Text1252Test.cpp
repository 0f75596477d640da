// The exact conversion that file names kept inside projects take: nothing is lost or changed,
// and a name that cannot be kept is refused rather than shortened.

#include "base/Text1252.h"

#include <gtest/gtest.h>

using namespace tarlix;

TEST(Text1252Exactly, EverySingleByteTextComesBackAsItWas) {
    std::string every;
    for (int b = 1; b < 256; ++b) every += static_cast<char>(b);
    EXPECT_EQ(utf8ToTextExactly(textToUtf8(every)), every);
}

TEST(Text1252Exactly, NamesWithoutASingleByteFormAreRefused) {
    struct Case {
        const char* what;
        std::string utf8;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"accents and a blank",
         "par\xC3\xA1"
         "bola fin.png",
         "par\xE1"
         "bola fin.png"},
        {"enye and euro", "a\xC3\xB1o \xE2\x82\xAC.png", "a\xF1o \x80.png"},
        {"at sign stays", "a@b.png", "a@b.png"},
        {"greek omega", "\xCE\xA9mega.png", std::nullopt},
        {"theta has no byte", "\xCE\xB8.png", std::nullopt},
        {"outside the plane", "\xF0\x9F\x93\x88.png", std::nullopt},
        {"a Latin-1 byte, not UTF-8", "a\xF1o.png", std::nullopt},
        {"cut short", "par\xC3", std::nullopt},
        {"overlong slash",
         "a\xC0\xAF"
         "b",
         std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(utf8ToTextExactly(c.utf8), c.text) << c.what;
}
