#include "cli/Commands.h"

#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace tarlix::cli;

namespace {

struct CliRun {
    int status;
    std::string err;
};

CliRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, err.str()};
}

struct TempDir {
    std::filesystem::path path;
    explicit TempDir(const char* name) : path(std::filesystem::temp_directory_path() / name) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string file(const char* name) const { return (path / name).string(); }
    int files() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(path),
                                              std::filesystem::directory_iterator()));
    }
};

// The example whose functions and point move with the parameter a.
std::string project() {
    return (std::filesystem::path(TARLIX_SOURCE_DIR) / "examples" / "animacion.tlx").string();
}

int inkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return n;
}

} // namespace

TEST(AnimateCommand, WritesAGifFrameForEveryValueFromFirstToLast) {
    const TempDir dir("tarlix-cli-animate-gif");
    const struct {
        const char* steps;
        std::vector<std::string> delay;
        int frames;
        int delayMs;
    } cases[] = {
        {"a=0:2:0.5", {}, 5, 80},                   // the last step lands on TO
        {"a=1:0:-0.3", {"--delay", "250"}, 4, 250}, // 1, 0.7, 0.4, 0.1
        {"a=3:3:1", {}, 1, 80},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        std::vector<std::string> args = {"animate", project(), "--param", c.steps,
                                         "--size",  "80x60",   "-o",      dir.file("a.gif")};
        args.insert(args.end(), c.delay.begin(), c.delay.end());
        const CliRun r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        QImageReader reader(QString::fromStdString(dir.file("a.gif")));
        EXPECT_EQ(reader.imageCount(), c.frames);
        ASSERT_FALSE(reader.read().isNull());
        EXPECT_EQ(reader.nextImageDelay(), c.delayMs);
    }
}

TEST(AnimateCommand, WritesNumberedPngFramesThatFollowTheParameter) {
    const TempDir dir("tarlix-cli-animate-frames");
    const CliRun r = run({"animate", project(), "--param", "a=0:2:0.5", "--size", "80x60",
                          "--frames", dir.path.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.files(), 5);
    const QImage first(QString::fromStdString(dir.file("frame000.png")));
    const QImage last(QString::fromStdString(dir.file("frame004.png")));
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(last.isNull());
    EXPECT_NE(first, last);
}

// With afterimages each picture stays under the next, so the last frame holds more ink.
TEST(AnimateCommand, AfterimagesAccumulateOnlyWhenAsked) {
    const TempDir plain("tarlix-cli-animate-plain");
    const TempDir traced("tarlix-cli-animate-traced");
    for (const TempDir* dir : {&plain, &traced}) {
        std::vector<std::string> args = {"animate", project(), "--param",  "a=0:2:0.5",
                                         "--size",  "120x90",  "--frames", dir->path.string()};
        if (dir == &traced) args.push_back("--afterimages");
        ASSERT_EQ(run(args).status, 0);
    }
    const auto ink = [](const TempDir& dir, const char* frame) {
        return inkPixels(QImage(QString::fromStdString(dir.file(frame))));
    };
    EXPECT_EQ(ink(plain, "frame000.png"), ink(traced, "frame000.png"));
    EXPECT_GT(ink(traced, "frame004.png"), ink(plain, "frame004.png"));
}

TEST(AnimateCommand, RefusesBadStepsAndOutputsWritingNothing) {
    const TempDir dir("tarlix-cli-animate-refused");
    const std::string gif = dir.file("a.gif");
    const std::vector<std::vector<std::string>> refused = {
        {"--param", "a=0:2:0", "-o", gif},      // a step of 0
        {"--param", "a=0:2:-0.5", "-o", gif},   // away from TO
        {"--param", "a=2:0:0.5", "-o", gif},    // away from TO
        {"--param", "a=0:1000:0.5", "-o", gif}, // 2001 frames
        {"--param", "a=0:2", "-o", gif},        // no step
        {"--param", "z=0:2:1", "-o", gif},      // no such parameter
        {"--param", "a=0:2:1", "-o", dir.file("a.png")},
        {"--param", "a=0:2:1"},
        {"--param", "a=0:2:1", "-o", gif, "--frames", dir.path.string()},
        {"--param", "a=0:2:1", "-o", gif, "--delay", "0"},
        {"-o", gif},
    };
    for (const auto& options : refused) {
        std::vector<std::string> args = {"animate", project()};
        args.insert(args.end(), options.begin(), options.end());
        SCOPED_TRACE(options.front() + " " + options[1]);
        EXPECT_EQ(run(args).status, 2);
        EXPECT_EQ(dir.files(), 0);
    }
    // A folder that is not there: nothing to write into.
    EXPECT_EQ(
        run({"animate", project(), "--param", "a=0:2:1", "--frames", dir.file("none")}).status, 1);
}
