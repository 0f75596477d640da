// tarlix-cli sound writes what a script's Play synthesises as a WAV file.

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "document/SoundSynthesis.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace tarlix;
using namespace tarlix::cli;

namespace {

struct SoundCommandTest : ::testing::Test {
    std::filesystem::path folder;
    std::string wav;
    std::string err;

    SoundCommandTest() {
        std::string templ = (std::filesystem::temp_directory_path() / "tarlix-snd-XXXXXX");
        folder = ::mkdtemp(templ.data());
        wav = (folder / "out.wav").string();
    }
    ~SoundCommandTest() override { std::filesystem::remove_all(folder); }

    int run(std::vector<std::string> args) {
        args.insert(args.begin(), "sound");
        args.insert(args.end(), {"-o", wav});
        std::ostringstream out, errors;
        const int status = runCli(args, out, errors);
        err = errors.str();
        return status;
    }
    std::string bytes() const {
        std::ifstream in(wav, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::uint32_t word(std::size_t at) const {
        std::uint32_t v = 0;
        const std::string b = bytes();
        if (b.size() >= at + 4) std::memcpy(&v, b.data() + at, 4);
        return v;
    }
    std::int16_t sample(std::size_t i) const {
        std::int16_t v = 0;
        std::memcpy(&v, bytes().data() + 44 + 2 * i, 2);
        return v;
    }
};

} // namespace

TEST_F(SoundCommandTest, RefusedInputWritesNothing) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    } cases[] = {
        {{"z", "0", "1", "1"}, kExitUsage, "VAR"},
        {{"x", "0", "1"}, kExitUsage, "VAR FROM TO EXPR"},
        {{"--rate", "100", "x", "0", "1", "1"}, kExitUsage, "--rate"},
        {{"--param", "w=2", "x", "0", "1", "1"}, kExitUsage, "--param"},
        {{"x", "0", "1", "sin("}, kExitFailure, ""},
        {{"x", "1", "0", "1"}, kExitFailure, "FROM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(run(c.args), c.status);
        EXPECT_NE(err.find(c.says), std::string::npos) << err;
        EXPECT_FALSE(err.empty());
        EXPECT_FALSE(std::filesystem::exists(wav));
    }
}

TEST_F(SoundCommandTest, WritesTheSoundAsPlayMakesIt) {
    ASSERT_EQ(run({"--rate", "44100", "x", "0", "0.5", "sin(2Pi*440x)"}), kExitOk) << err;
    EXPECT_EQ(word(24), 44100u);
    EXPECT_NEAR(double(word(40)), 22050 * 4, 4);
    EXPECT_EQ(word(4), word(40) + 36);
    EXPECT_TRUE(err.empty());

    // A parameter swept, with the other parameters and the user functions given.
    ASSERT_EQ(run({"--param", "b=2", "--def", "f=x/4", "a", "0", "0.01", "(f(b),1000a)"}), kExitOk)
        << err;
    EXPECT_EQ(sample(0), 1636); // 0.5 units
    EXPECT_EQ(sample(1), 0);
    EXPECT_EQ(sample(3), 148); // a = 1/22050 on the right, a thousand times
}

TEST_F(SoundCommandTest, DistortionIsReportedAndTheSoundKept) {
    ASSERT_EQ(run({"x", "0", "0.01", "11"}), kExitOk);
    EXPECT_NE(err.find("distorsionar\xC3\xA1"), std::string::npos) << err;
    EXPECT_NE(err.find(" 11\n"), std::string::npos) << err;
    EXPECT_EQ(sample(0), 32767);
}
