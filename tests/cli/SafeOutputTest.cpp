// What tarlix-cli writes never lies: a full disk, a link, a device node, a file of another user
// and a huge input each end as the user would want, with the save message and exit status 1
// where nothing could be written, and the previous file as it was.

#include "cli/Commands.h"
#include "document/FileLimits.h"
#include "platform/qt/QtPictureFiles.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarlix::cli;
namespace fs = std::filesystem;

namespace {

constexpr const char* kCannotSave = "No se puede guardar el archivo";

std::string fixture(const std::string& name) {
    return (fs::path(TARLIX_SOURCE_DIR) / "tests" / "document" / "fixtures" / name).string();
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct CliRun {
    int status;
    std::string err;
};

CliRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, err.str()};
}

struct TempFolder {
    fs::path path;
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "tarlix-cli-safe-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
    int temporaries() const {
        int n = 0;
        for (const auto& e : fs::recursive_directory_iterator(path))
            n += e.path().filename().string().rfind(".tarlix-save-", 0) == 0 ? 1 : 0;
        return n;
    }
};

// Every command that writes a file, writing to target.
std::vector<std::vector<std::string>> everyWriter(const std::string& target) {
    return {
        {"render", fixture("v16.tlx"), "-o", target + ".png"},
        {"render", fixture("v16.tlx"), "-o", target + ".svg"},
        {"render", fixture("v16.tlx"), "-o", target + ".pdf"},
        {"render", fixture("v16.tlx"), "--size", "60x40", "-o", target + ".emf"},
        {"render", fixture("v16.tlx"), "--size", "60x40", "-o", target + ".wmf"},
        {"render", fixture("v16.tlx"), "--size", "60x40", "-o", target + ".gif"},
        {"render", fixture("v16.tlx"), "--size", "60x40", "-o", target + ".jpg"},
        {"render", fixture("v16.tlx"), "--size", "60x40", "-o", target + ".bmp"},
        {"animate", fixture("v16.tlx"), "--param", "a=0:1:1", "--size", "60x40", "-o",
         target + "-anim.gif"},
        {"plot", "-y", "x^2", "-o", target + "-plot.png"},
        {"formula", "Sqrt(x+1)/2x", "-o", target + "-formula.png"},
        {"text", "a=<b>!{a|3}</b>", "-o", target + "-text.png"},
        {"convert", fixture("v16.tlx"), target + ".tlx"},
    };
}

std::string outputOf(const std::vector<std::string>& command) {
    return command[0] == "convert" ? command[2] : command.back();
}

} // namespace

// A small file system filled to the last block, as a full disk is: every picture and project
// written onto it fails with the save message, and the file that was there stays as it was.
TEST(SafeOutput, AFullDiskFailsEveryWriteAndKeepsThePreviousFiles) {
    TempFolder dir;
    const fs::path disk = dir.path / "disk";
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here (" << std::strerror(errno)
                     << "); the writer's failures are tested through its seam";
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{disk.string()};

    const auto commands = everyWriter((disk / "out").string());
    for (const auto& c : commands) writeText(outputOf(c), "previous");
    {
        std::ofstream filler((disk / "filler").string(), std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size())) {}
    }
    for (const auto& c : commands) {
        const std::string target = outputOf(c);
        const CliRun r = run(c);
        EXPECT_EQ(r.status, 1) << c[0] << " " << target;
        EXPECT_NE(r.err.find(kCannotSave + target), std::string::npos) << r.err;
        EXPECT_EQ(readText(target), "previous") << target;
    }
    EXPECT_EQ(dir.temporaries(), 0);

    // Room again: the same commands write.
    fs::remove(disk / "filler");
    for (const auto& c : commands) {
        EXPECT_EQ(run(c).status, 0) << c[0];
        EXPECT_NE(readText(outputOf(c)), "previous") << outputOf(c);
    }
}

// Writing through a link writes the file it points to and leaves the link a link; a device
// node, a folder and a pipe are refused and left as they are.
TEST(SafeOutput, LinksAreWrittenThroughAndDevicesAreNeverReplaced) {
    TempFolder dir;
    fs::create_directory(dir.path / "real");
    for (const auto& c : everyWriter(dir.file("real/out"))) {
        const std::string real = outputOf(c);
        const std::string link = dir.file("link-" + fs::path(real).filename().string());
        writeText(real, "previous");
        fs::create_symlink(real, link);
        std::vector<std::string> throughLink = c;
        (c[0] == "convert" ? throughLink[2] : throughLink.back()) = link;
        const CliRun r = run(throughLink);
        EXPECT_EQ(r.status, 0) << c[0] << ": " << r.err;
        EXPECT_TRUE(fs::is_symlink(link)) << link;
        EXPECT_NE(readText(real), "previous") << real;
    }

    std::string device = "/dev/null";
    if (::geteuid() == 0) { // our own node: nothing of the system is at stake if this fails
        device = dir.file("null.png");
        ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    fs::create_directory(dir.path / "folder.png");
    ASSERT_EQ(::mkfifo(dir.file("pipe.png").c_str(), 0600), 0);
    for (const std::string& target : {device, dir.file("folder.png"), dir.file("pipe.png")}) {
        for (auto c : everyWriter("unused")) {
            (c[0] == "convert" ? c[2] : c.back()) = target;
            const CliRun r = run(c);
            // The picture commands refuse a name without a picture type before writing.
            const auto type = tarlix::pictureFileTypeOf(target);
            if (c[0] == "animate" ? type != tarlix::PictureFileType::Gif
                                  : !type && (c[0] == "render" || c[0] == "plot")) {
                EXPECT_EQ(r.status, 2) << c[0] << " " << target;
                continue;
            }
            EXPECT_EQ(r.status, 1) << c[0] << " " << target;
            EXPECT_NE(r.err.find(kCannotSave + target), std::string::npos) << r.err;
        }
    }
    EXPECT_TRUE(fs::is_character_file(device));
    EXPECT_TRUE(fs::is_directory(dir.path / "folder.png"));
    EXPECT_TRUE(fs::is_fifo(dir.path / "pipe.png"));
    EXPECT_EQ(dir.temporaries(), 0);
}

// A read-only project of another user in a folder the user may write: the save is refused,
// as it is for pictures, and the file keeps its content.
TEST(SafeOutput, ConvertRefusesAFileTheUserMayNotWrite) {
    TempFolder dir;
    const std::string theirs = dir.file("theirs.tlx");
    writeText(theirs, "previous");
    ::chmod(theirs.c_str(), 0444);
    ::chmod(dir.path.c_str(), 0777);
    const auto attempt = [&] {
        const CliRun r = run({"convert", fixture("v16.tlx"), theirs});
        return r.status == 1 && r.err.find(kCannotSave + theirs) != std::string::npos ? 0 : 1;
    };
    int result = 0;
    if (::geteuid() != 0) {
        result = attempt();
    } else { // the administrator may write any file: the refusal is seen as another user
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
            ::_exit(attempt());
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        result = WIFEXITED(status) ? WEXITSTATUS(status) : 3;
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readText(theirs), "previous");
}

// A project file of a million million bytes (a hole behind a good header) is refused from its
// size, by the tool itself running under a memory limit far below what reading it would take.
TEST(SafeOutput, AHugeProjectIsRefusedAtOnceWithinALittleMemory) {
    TempFolder dir;
    const std::string huge = dir.file("huge.tlx");
    writeText(huge, "Tarlix/win 2.8\r\n");
    fs::resize_file(huge, std::uintmax_t{1} << 40);

    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer reserves far more address space than it uses, so it enforces the limit.
    env.insert("ASAN_OPTIONS", "hard_rss_limit_mb=512:max_allocation_size_mb=256:"
                               "allocator_may_return_null=1:detect_leaks=1");
    cli.setProcessEnvironment(env);
    cli.start(TARLIX_CLI_PATH, {"check", QString::fromStdString(huge)});
#else
    cli.setProcessEnvironment(env);
    cli.start("/bin/sh", {"-c", "ulimit -v 1048576; exec \"$0\" check \"$1\"", TARLIX_CLI_PATH,
                          QString::fromStdString(huge)});
#endif
    ASSERT_TRUE(cli.waitForFinished(120000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_EQ(cli.readAllStandardError().toStdString(), "Fallo al llamar archivo\n");
}
