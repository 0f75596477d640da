// The one file writer: a failure at any step leaves the previous file whole and no stray file;
// links are written through, things that are not regular files are never replaced, and a file
// the user may not write is refused. Reads are bounded before anything is read.

#include "base/AtomicFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarlix;
namespace fs = std::filesystem;

namespace {

struct TempFolder {
    fs::path path;
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "tarlix-writer-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(path)) out.push_back(e.path().filename());
        std::sort(out.begin(), out.end());
        return out;
    }
};

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The system's calls, except that the n-th call of the chosen kind fails as a full disk does;
// writes take at most a few bytes each, so that a file needs many of them.
FileCalls failingAt(const std::string& which, int n, int* calls) {
    FileCalls c = FileCalls::system();
    const auto fails = [which, n, calls](const char* kind) {
        return which == kind && ++*calls == n;
    };
    c.write = [fails](int fd, const void* data, std::size_t size) -> ssize_t {
        if (fails("write")) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, std::min<std::size_t>(size, 7));
    };
    c.fsync = [fails](int fd) {
        if (fails("fsync")) {
            errno = EIO;
            return -1;
        }
        return ::fsync(fd);
    };
    c.close = [fails](int fd) {
        const int closed = ::close(fd); // the descriptor is gone either way
        if (fails("close")) {
            errno = EDQUOT;
            return -1;
        }
        return closed;
    };
    return c;
}

// Runs f in a child process as the user nobody and returns what it returned (0..255).
int asNobody(const std::function<int()>& f) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(250);
        ::_exit(f());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

} // namespace

TEST(AtomicFile, AFailureAtAnyStepLeavesThePreviousFileWholeAndNothingElse) {
    const std::string text(100, 'n');
    const struct {
        const char* call;
        int n;
        int error;
    } cases[] = {
        {"write", 1, ENOSPC}, {"write", 5, ENOSPC}, {"write", 15, ENOSPC},
        {"fsync", 1, EIO},    {"close", 1, EDQUOT},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        writeText(dir.file("a.tlx"), "previous");
        int calls = 0;
        const SaveResult r = saveFile(dir.file("a.tlx"), text, failingAt(c.call, c.n, &calls));
        EXPECT_EQ(r.failure, SaveFailure::WriteFailed) << c.call << " " << c.n;
        EXPECT_EQ(r.error, c.error) << c.call << " " << c.n;
        EXPECT_EQ(readText(dir.file("a.tlx")), "previous") << c.call << " " << c.n;
        EXPECT_EQ(dir.names(), std::vector<std::string>{"a.tlx"}) << c.call << " " << c.n;
    }
    // The same calls, none failing, write the whole text in many pieces.
    TempFolder dir;
    int calls = 0;
    ASSERT_TRUE(saveFile(dir.file("a.tlx"), text, failingAt("none", 1, &calls)).ok());
    EXPECT_EQ(readText(dir.file("a.tlx")), text);
}

TEST(AtomicFile, ALinkIsWrittenThroughAndStaysALink) {
    TempFolder dir;
    fs::create_directory(dir.path / "real");
    writeText(dir.file("real/clase.tlx"), "old");
    fs::create_symlink("real/clase.tlx", dir.path / "relative.tlx");
    fs::create_symlink(dir.path / "relative.tlx", dir.path / "chained.tlx");
    fs::create_symlink("real/new.tlx", dir.path / "dangling.tlx");
    fs::create_symlink("loop-b", dir.path / "loop-a");
    fs::create_symlink("loop-a", dir.path / "loop-b");
    ::chmod(dir.file("real/clase.tlx").c_str(), 0640);

    ASSERT_TRUE(saveFile(dir.file("relative.tlx"), "first").ok());
    EXPECT_EQ(readText(dir.file("real/clase.tlx")), "first");
    ASSERT_TRUE(saveFile(dir.file("chained.tlx"), "second").ok());
    EXPECT_EQ(readText(dir.file("real/clase.tlx")), "second");
    EXPECT_TRUE(fs::is_symlink(dir.path / "relative.tlx"));
    EXPECT_TRUE(fs::is_symlink(dir.path / "chained.tlx"));
    EXPECT_EQ(fs::status(dir.path / "real/clase.tlx").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // The temporary file was made beside the target, not beside the link.
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"chained.tlx", "dangling.tlx", "loop-a",
                                                     "loop-b", "real", "relative.tlx"}));

    ASSERT_TRUE(saveFile(dir.file("dangling.tlx"), "made").ok());
    EXPECT_EQ(readText(dir.file("real/new.tlx")), "made");
    EXPECT_TRUE(fs::is_symlink(dir.path / "dangling.tlx"));

    EXPECT_EQ(saveFile(dir.file("loop-a"), "x").failure, SaveFailure::LinkLoop);
    EXPECT_TRUE(fs::is_symlink(dir.path / "loop-a"));
}

TEST(AtomicFile, WhatIsNotARegularFileIsNeverReplaced) {
    TempFolder dir;
    fs::create_directory(dir.path / "folder.png");
    ASSERT_EQ(::mkfifo(dir.file("pipe.png").c_str(), 0600), 0);
    std::string device = "/dev/null";
    if (::geteuid() == 0) { // a device node of our own, so that nothing of the system is at stake
        device = dir.file("null.png");
        ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    fs::create_symlink(device, dir.path / "to-device.png");
    for (const std::string& target :
         {dir.file("folder.png"), dir.file("pipe.png"), device, dir.file("to-device.png")}) {
        const SaveResult r = saveFile(target, "picture");
        EXPECT_EQ(r.failure, SaveFailure::NotRegularFile) << target;
    }
    EXPECT_TRUE(fs::is_directory(dir.path / "folder.png"));
    EXPECT_TRUE(fs::is_fifo(dir.path / "pipe.png"));
    EXPECT_TRUE(fs::is_character_file(device));
    EXPECT_TRUE(fs::is_symlink(dir.path / "to-device.png"));
    EXPECT_EQ(std::count_if(fs::directory_iterator(dir.path), {},
                            [](const auto& e) {
                                return e.path().filename().string().rfind(kSaveTempPrefix, 0) == 0;
                            }),
              0);
}

// A read-only file of another user in a folder everyone may write: the folder would allow the
// rename, the file forbids the write, and the write is refused.
TEST(AtomicFile, AFileTheUserMayNotWriteIsRefused) {
    TempFolder dir;
    writeText(dir.file("ajeno.tlx"), "theirs");
    ::chmod(dir.file("ajeno.tlx").c_str(), 0444);
    ::chmod(dir.path.c_str(), 0777);
    const auto attempt = [&] {
        const SaveResult r = saveFile(dir.file("ajeno.tlx"), "mine");
        return r.failure == SaveFailure::NotWritable ? 0 : 1;
    };
    // The administrator may write any file: the refusal is seen as another user.
    EXPECT_EQ(::geteuid() == 0 ? asNobody(attempt) : attempt(), 0);
    EXPECT_EQ(readText(dir.file("ajeno.tlx")), "theirs");
    EXPECT_EQ(fs::status(dir.path / "ajeno.tlx").permissions(),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST(AtomicFile, TemporaryFilesOfKilledSavesGoOnceTheyAreADayOld) {
    TempFolder dir;
    const std::string stale = dir.file(std::string(kSaveTempPrefix) + "killed");
    const std::string fresh = dir.file(std::string(kSaveTempPrefix) + "running");
    writeText(stale, std::string(1000, 's'));
    writeText(fresh, std::string(1000, 'f'));
    const timespec dayAndMore[2] = {{::time(nullptr) - kStaleSaveSeconds - 60, 0},
                                    {::time(nullptr) - kStaleSaveSeconds - 60, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, stale.c_str(), dayAndMore, 0), 0);
    ASSERT_TRUE(saveFile(dir.file("clase.tlx"), "saved").ok());
    EXPECT_EQ(dir.names(),
              (std::vector<std::string>{std::string(kSaveTempPrefix) + "running", "clase.tlx"}));
}

TEST(AtomicFile, ReadsAreBoundedBeforeAnythingIsRead) {
    TempFolder dir;
    writeText(dir.file("small"), "Tarlix/win 2.8\r\nrest");
    std::string bytes = "untouched";
    EXPECT_EQ(readFile(dir.file("small"), 10, bytes), ReadResult::TooLarge);
    EXPECT_EQ(bytes, "untouched");
    EXPECT_EQ(readFile(dir.file("small"), 20, bytes), ReadResult::Ok);
    EXPECT_EQ(bytes, "Tarlix/win 2.8\r\nrest");
    EXPECT_EQ(readFile(dir.file("missing"), 20, bytes), ReadResult::Missing);
    EXPECT_EQ(readFile(dir.path.string(), 20, bytes), ReadResult::Failed);

    // A file of a million million bytes, nearly all hole: refused from its size alone.
    {
        const int fd = ::open(dir.file("huge").c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{1} << 40), 0) << "sparse files";
        ::close(fd);
    }
    EXPECT_EQ(readFile(dir.file("huge"), 1 << 20, bytes), ReadResult::TooLarge);

    std::string line;
    ASSERT_TRUE(readFirstLine(dir.file("small"), 64, line));
    EXPECT_EQ(line, "Tarlix/win 2.8");
    ASSERT_TRUE(readFirstLine(dir.file("small"), 6, line));
    EXPECT_EQ(line, "Tarlix");
    ASSERT_TRUE(readFirstLine(dir.file("huge"), 64, line));
    EXPECT_EQ(line, std::string(64, '\0'));
}
