// Every command of tarlix-cli ends: a picture whose time runs out stops with its message, an
// expression too long to compute in good time is refused, and a formula too deep to draw
// readably is drawn plainly, never as a blank picture.

#include "cli/CommandTime.h"
#include "cli/Commands.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

using namespace tarlix::cli;
namespace fs = std::filesystem;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::string freshFile(const std::string& name) {
    const fs::path path = fs::temp_directory_path() / ("tarlix-cli-bounds-" + name);
    fs::remove(path);
    return path.string();
}

std::string repeated(const std::string& piece, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += piece;
    return out;
}

int inkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

} // namespace

// Each value of these takes its whole step budget, and there are hundreds of them: the command
// stops when its time is over, says so and writes nothing.
TEST(CommandBounds, APictureWhoseTimeRunsOutEndsWithItsMessage) {
    const std::string heavy = "Sum(k,1,10000,Sum(n,1,10000,k n x))";
    const std::string out = freshFile("late.png");
    const std::vector<std::vector<std::string>> commands = {
        {"plot", "-y", heavy, "--size", "1400x600", "--timeout", "0.2", "-o", out},
        {"plot", "-c", heavy + "<y", "--size", "40x40", "--timeout", "0.2", "-o", out},
        {"text", repeated("!{" + heavy + "} ", 10), "--timeout", "0.2", "-o", out},
    };
    for (const auto& c : commands) {
        const CliRun r = run(c);
        EXPECT_EQ(r.status, 1) << c[0] << " " << c[1];
        EXPECT_NE(r.err.find("stopped after 0.2 s, the time --timeout allows; nothing written"),
                  std::string::npos)
            << r.err;
        EXPECT_FALSE(fs::exists(out));
    }
    EXPECT_EQ(run({"plot", "-y", "x", "--timeout", "0", "-o", out}).status, 0) << "0: no limit";
    for (const char* bad : {"-1", "soon", "1e9"})
        EXPECT_EQ(run({"plot", "-y", "x", "--timeout", bad, "-o", out}).status, 2) << bad;
}

// A sum of thousands of terms compiles; one longer than the compiler takes is refused with the
// message of too deep a text, in every command that compiles.
TEST(CommandBounds, AnExpressionTooLongToComputeInGoodTimeIsRefused) {
    const std::string longest = "x" + repeated("+x", 1999);
    const std::string tooLong = longest + repeated("+x", 20000);
    EXPECT_EQ(run({"compile", longest}).status, 0);
    for (const auto& c : std::vector<std::vector<std::string>>{
             {"compile", tooLong},
             {"eval", tooLong},
             {"plot", "-y", tooLong, "-o", freshFile("long.png")},
             {"formula", tooLong, "-o", freshFile("long-formula.png")},
         }) {
        const CliRun r = run(c);
        EXPECT_EQ(r.status, 1) << c[0];
        EXPECT_NE(r.err.find("Demasiados par\xC3\xA9ntesis anidados"), std::string::npos)
            << c[0] << ": " << r.err;
    }
}

// Radicals nested eighty deep grew their signs past any integer; now the formula is drawn
// plainly, and what is drawn is never a blank picture.
TEST(CommandBounds, AFormulaTooDeepToDrawReadablyIsDrawnPlainly) {
    for (const std::string& text : {repeated("Sqrt(", 80) + "x" + repeated(")", 80),
                                    repeated("(", 30) + "x" + repeated(")", 30),
                                    repeated("abs(", 40) + "x" + repeated(")", 40)}) {
        const std::string out = freshFile("deep.png");
        const CliRun r = run({"formula", "--size", "200", text, "-o", out});
        ASSERT_EQ(r.status, 0) << text.substr(0, 10) << ": " << r.err;
        EXPECT_GT(inkPixels(QImage(QString::fromStdString(out))), 0) << text.substr(0, 10);
    }
}

// Work that asks no budget (a value deep inside the calculator, the platform writing a file)
// still ends: the tool's watchdog ends the process with the message and exit status 1.
TEST(CommandBounds, TheWatchdogEndsACommandThatRunsOn) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], STDERR_FILENO);
        startWatchdog(0.01);
        for (;;) ::pause(); // a command that never asks its budget
    }
    ::close(pipeEnds[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    char text[256] = {};
    const ssize_t n = ::read(pipeEnds[0], text, sizeof text - 1);
    ::close(pipeEnds[0]);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(std::string(text, n > 0 ? static_cast<std::size_t>(n) : 0),
              "tarlix-cli: stopped after 0.01 s, the time --timeout allows; nothing written\n");
}
