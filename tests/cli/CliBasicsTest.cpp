#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tarlix;
using namespace tarlix::cli;

TEST(CliText, Utf8BecomesSingleByteText) {
    EXPECT_EQ(utf8ToText("2sin \xCE\xB8"), "2sin @"); // theta
    EXPECT_EQ(utf8ToText("30\xC2\xB0"), "30\xB0");    // degree sign
    EXPECT_EQ(utf8ToText("a\xC2\xB7"
                         "b\xC3\x97"
                         "c"),
              "a\xB7"
              "b\xD7"
              "c"); // middle dot, times
    EXPECT_EQ(utf8ToText("x\xE2\x88\x9A"
                         "2"),
              "x2");                               // no single-byte form
    EXPECT_EQ(utf8ToText("\xE2\x82\xAC"), "\x80"); // euro sign
    EXPECT_EQ(textToUtf8("30\xB0 @", true), "30\xC2\xB0 \xCE\xB8");
}

TEST(CliArgs, SetOptionsAndDoubleDash) {
    std::ostringstream err;
    auto a = CliArgs::parse({"--set", "AngleMode=2", "--mode", "3", "--", "-x+1"},
                            {{"--mode", true}}, err);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->settings().angleMode, AngleMode::Degrees);
    EXPECT_EQ(a->value("--mode"), "3");
    ASSERT_EQ(a->positional().size(), 1u);
    EXPECT_EQ(a->positional()[0], "-x+1");
}

TEST(CliArgs, BadSettingsAreRefused) {
    for (const char* bad :
         {"Nope=1", "AngleMode=3", "IntegralPartitions=41", "ComplexMode=maybe", "AngleMode"}) {
        std::ostringstream err;
        EXPECT_FALSE(CliArgs::parse({"--set", bad}, {}, err)) << bad;
        EXPECT_FALSE(err.str().empty()) << bad;
    }
    std::ostringstream err;
    EXPECT_FALSE(CliArgs::parse({"-q"}, {}, err));
}

TEST(CliArgs, VersionAndUnknownCommand) {
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--version"}, out, err), kExitOk);
    EXPECT_NE(out.str().find("tarlix-cli"), std::string::npos);
    EXPECT_EQ(runCli({"frobnicate"}, out, err), kExitUsage);
}
