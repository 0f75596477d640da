#include "cli/Commands.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using namespace tarlix::cli;

namespace {

struct CliRun {
    int status;
    std::string err;
};

CliRun cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, err.str()};
}

std::string freshPng(const char* name) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::remove(path.c_str());
    return path;
}

int darkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++n;
    return n;
}

bool sameImages(const std::string& a, const std::string& b) {
    return QImage(QString::fromStdString(a)) == QImage(QString::fromStdString(b));
}

} // namespace

TEST(FormulaCommand, DrawsTheFormulaAPanelRowHigh) {
    const std::string path = freshPng("tarlix-formula-root.png");
    const CliRun run = cli({"formula", "Sqrt(x+1)", "-o", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage image(QString::fromStdString(path));
    EXPECT_EQ(image.height(), 73) << "96/72 x (24 x 2.2 + 2)";
    EXPECT_GT(image.width(), 60);
    EXPECT_GT(darkPixels(image), 50);

    const std::string small = freshPng("tarlix-formula-small.png");
    ASSERT_EQ(cli({"formula", "--size", "12", "--height", "40", "Sqrt(x+1)", "-o", small}).status,
              0);
    const QImage smaller(QString::fromStdString(small));
    EXPECT_EQ(smaller.height(), 40);
    EXPECT_LT(smaller.width(), image.width());
}

TEST(FormulaCommand, RefusedExpressionGivesTheMessageAndNoPicture) {
    const std::string path = freshPng("tarlix-formula-refused.png");
    const CliRun run = cli({"formula", "x+(", "-o", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Insuficiente \")\""), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(FormulaCommand, UnrecognisedRestIsDrawnAfterTheFormula) {
    const std::string tail = freshPng("tarlix-formula-tail.png");
    const std::string plain = freshPng("tarlix-formula-plain.png");
    const CliRun run = cli({"formula", "x+$", "-o", tail});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("No ha finalizado el ingreso"), std::string::npos);
    ASSERT_EQ(cli({"formula", "x+", "-o", plain}).status, 1);
    ASSERT_EQ(cli({"formula", "x", "-o", plain}).status, 0);
    EXPECT_GT(QImage(QString::fromStdString(tail)).width(),
              QImage(QString::fromStdString(plain)).width());
}

TEST(FormulaCommand, BadOptionsAreUsageErrors) {
    const std::string path = freshPng("tarlix-formula-bad.png");
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"formula", "--size", "0", "x", "-o", path},
                                               {"formula", "--height", "5000", "x", "-o", path},
                                               {"formula", "x"},
                                               {"formula", "x", "y", "-o", path}})
        EXPECT_EQ(cli(args).status, 2) << args[1];
}

TEST(TextCommand, LiveFieldsFollowTheParametersAndDefinitions) {
    const std::string two = freshPng("tarlix-text-two.png");
    const std::string three = freshPng("tarlix-text-three.png");
    const std::string again = freshPng("tarlix-text-again.png");
    const auto text = [](const std::string& a, const std::string& out) {
        return cli(
            {"text", "--param", "a=" + a, "--def", "f=x^2", "a=!{a}, f(a)=!{f(a)}", "-o", out});
    };
    ASSERT_EQ(text("2", two).status, 0);
    ASSERT_EQ(text("3", three).status, 0);
    ASSERT_EQ(text("2", again).status, 0);
    EXPECT_FALSE(sameImages(two, three));
    EXPECT_TRUE(sameImages(two, again));
    const QImage image(QString::fromStdString(two));
    EXPECT_EQ(image.width(), 600);
    EXPECT_GT(darkPixels(image), 0);
}

TEST(TextCommand, EachLineTakesItsOwnRowAndAWidthMayBeGiven) {
    const std::string one = freshPng("tarlix-text-one.png");
    const std::string lines = freshPng("tarlix-text-lines.png");
    ASSERT_EQ(cli({"text", "~f{1|2} of <b>it</b>", "-o", one}).status, 0);
    ASSERT_EQ(cli({"text", "--width", "300", "first\nsecond", "~f{1|2} of <b>it</b>", "-o", lines})
                  .status,
              0);
    const QImage a(QString::fromStdString(one)), b(QString::fromStdString(lines));
    EXPECT_EQ(b.width(), 300);
    EXPECT_GT(b.height(), a.height() + 20);
}

TEST(TextCommand, TextThatIsNoTagIsDrawnAndBadInputRefused) {
    const std::string path = freshPng("tarlix-text-bad.png");
    EXPECT_EQ(cli({"text", "<Color=#12>x <what>", "-o", path}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(path));
    const CliRun def = cli({"text", "--def", "f=x+(", "!{f(1)}", "-o", path});
    EXPECT_EQ(def.status, 1);
    EXPECT_NE(def.err.find("Insuficiente"), std::string::npos) << def.err;
    EXPECT_EQ(cli({"text", "--param", "z=1", "x", "-o", path}).status, 2);
    EXPECT_EQ(cli({"text", "--width", "3", "x", "-o", path}).status, 2);
    EXPECT_EQ(cli({"text", "-o", path}).status, 2);
}
