#include "cli/Commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct TempDir {
    std::filesystem::path path;
    explicit TempDir(const char* name) : path(std::filesystem::temp_directory_path() / name) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
    bool empty() const { return std::filesystem::is_empty(path); }
};

std::string example(const char* name) {
    return (std::filesystem::path(TARLIX_SOURCE_DIR) / "examples" / name).string();
}

// Each type's signature and where in the file it stands.
struct Magic {
    const char* extension;
    std::string bytes;
    std::size_t offset;
};
const Magic kMagic[] = {
    {".png", "\x89PNG", 0},
    {".svg", "<?xml", 0},
    {".pdf", "%PDF-", 0},
    {".bmp", "BM", 0},
    {".gif", "GIF89a", 0},
    {".jpg", "\xFF\xD8\xFF", 0},
    {".JPEG", "\xFF\xD8\xFF", 0},
    {".emf", " EMF", 40},
    {".wmf", "\xD7\xCD\xC6\x9A", 0},
};

} // namespace

TEST(PictureTypes, PlotAndRenderWriteTheTypeTheExtensionNames) {
    const TempDir dir("tarlix-cli-picture-types");
    for (const Magic& m : kMagic) {
        SCOPED_TRACE(m.extension);
        const std::string plotted = dir.file(std::string("p") + m.extension);
        const CliRun p = run({"plot", "-y", "sin x", "--size", "60x40", "-o", plotted});
        ASSERT_EQ(p.status, 0) << p.err;
        EXPECT_EQ(readBytes(plotted).substr(m.offset, m.bytes.size()), m.bytes);
        const std::string rendered = dir.file(std::string("r") + m.extension);
        const CliRun r =
            run({"render", example("parabola.tlx"), "--size", "60x40", "-o", rendered});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(readBytes(rendered).substr(m.offset, m.bytes.size()), m.bytes);
    }
}

// Before this, "-o x.bmp" wrote PNG bytes and "-o x.xyz" wrote a PNG named x.xyz.
TEST(PictureTypes, AnyOtherExtensionIsRefusedBeforeAnythingIsWritten) {
    const TempDir dir("tarlix-cli-picture-refused");
    for (const char* name : {"p.xyz", "p", "p.png.txt", "p.tlx", "png"}) {
        SCOPED_TRACE(name);
        for (const auto& command :
             {std::vector<std::string>{"plot", "-y", "x", "-o", dir.file(name)},
              std::vector<std::string>{"render", example("parabola.tlx"), "-o", dir.file(name)}}) {
            const CliRun r = run(command);
            EXPECT_EQ(r.status, 2);
            EXPECT_NE(r.err.find(".emf"), std::string::npos) << r.err; // names the accepted ones
            EXPECT_TRUE(dir.empty());
        }
    }
}
