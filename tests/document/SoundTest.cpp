#include "document/ParamTable.h"
#include "document/ProjectFixture.h"
#include "document/SoundPlayback.h"
#include "platform/AudioOutput.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace tarlix;

namespace {

struct SoundTest : tarlix::testing::ProjectTest {
    RecordingAudioOutput audio;
    SoundState sound;
    CompiledExpression from, to, expr;

    SoundTest() { sound.output = &audio; }

    CompiledExpression compiled(const std::string& text) {
        CompiledExpression e;
        const CompileEnv env = ctx.compileEnv();
        setSource(e, text, kModePlain - 1, env);
        EXPECT_TRUE(compile(e, kModeExplicit, true, env)) << text;
        return e;
    }
    SoundSweep sweep(const char* lo, const char* hi, const char* text, int variable = kSweepX) {
        from = compiled(lo);
        to = compiled(hi);
        expr = compiled(text);
        return {variable, &from, &to, &expr};
    }
    SynthesisResult make(const char* lo, const char* hi, const char* text,
                         SoundPath path = SoundPath::Automatic, int variable = kSweepX) {
        return synthesise(ctx, sound, sweep(lo, hi, text, variable), path);
    }
    std::int64_t play(PlayKind kind, const char* lo, const char* hi, const char* text) {
        return playStatement(ctx, sound, sweep(lo, hi, text), kind, 1000);
    }
    const SoundBuffer& buffer() const { return sound.buffer; }
    // Sample i of the data (left and right alternate).
    std::int16_t sample(std::size_t i) const {
        std::int16_t v;
        std::memcpy(&v, buffer().image().data() + kWavHeaderSize + 2 * i, 2);
        return v;
    }
};

} // namespace

// How many frames a sweep gives and what it leaves on each channel.
TEST_F(SoundTest, FramesOfASweep) {
    struct Case {
        const char* from;
        const char* to;
        const char* expr;
        int rate;
        std::size_t frames;
        std::size_t tolerance;
    } cases[] = {
        {"0", "1", "sin(2Pi*440x)", 22050, 22050, 1},
        {"0", "1", "sin(2Pi*440x)", 44100, 44100, 1},
        {"0.5", "0.5", "1", 22050, 0, 0},
        {"0", "30", "sin(x)", 22050, kMaxSoundFrames, 0},
        {"0", "0.01", "(x,-x)", 22050, 221, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expr);
        ASSERT_TRUE(setSamplingRate(sound, c.rate));
        EXPECT_EQ(make(c.from, c.to, c.expr), SynthesisResult::Kept);
        EXPECT_NEAR(double(buffer().frames()), double(c.frames), double(c.tolerance));
        EXPECT_EQ(buffer().dataSize(), buffer().frames() * 4);
        EXPECT_EQ(buffer().image().size(), kWavHeaderSize + buffer().dataSize());
    }
    // A real plays the same on both sides.
    make("0", "1", "sin(2Pi*440x)");
    bool same = true, sound = false;
    for (std::size_t i = 0; i < buffer().frames(); ++i) {
        same = same && sample(2 * i) == sample(2 * i + 1);
        sound = sound || sample(2 * i) > 3000;
    }
    EXPECT_TRUE(same);
    EXPECT_TRUE(sound);
}

TEST_F(SoundTest, PairsAreLeftAndRightAndUndefinedIsSilence) {
    make("0", "1", "(1,-2)");
    EXPECT_EQ(sample(0), 3272);
    EXPECT_EQ(sample(1), -6544);
    make("0", "1", "ln(x-2)");
    EXPECT_EQ(buffer().frames(), 22050u);
    EXPECT_EQ(sample(0), 0);
    EXPECT_EQ(sample(1), 0);
    project.engine.complexMode = true;
    make("0", "1", "1+2i");
    EXPECT_EQ(sample(0), 3272);
    EXPECT_EQ(sample(1), 6544);
}

TEST_F(SoundTest, ReversedOrUndefinedLimitsChangeNothing) {
    make("0", "0.1", "1");
    const std::string before(buffer().image());
    sound.append = true;
    EXPECT_EQ(make("1", "0", "2"), SynthesisResult::NoInterval);
    EXPECT_EQ(make("ln(-1)", "1", "2"), SynthesisResult::NoInterval);
    EXPECT_EQ(std::string(buffer().image()), before);
    EXPECT_TRUE(sound.append);
}

TEST_F(SoundTest, LoudValuesClipAndAskWithThePeak) {
    messages.setAnswer(true);
    make("0", "0.01", "11");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, std::string(kMsgSoundDistorted) + " 11");
    EXPECT_TRUE(messages.entries[0].withCancel);
    EXPECT_EQ(sample(0), 32767);
    make("0", "0.01", "-11");
    EXPECT_EQ(sample(1), -32767);
    // Ten units stay below the question; Cancel discards the sound.
    messages.entries.clear();
    make("0", "0.01", "10");
    EXPECT_TRUE(messages.entries.empty());
    messages.setAnswer(false);
    EXPECT_EQ(make("0", "0.01", "10.5"), SynthesisResult::Discarded);
    EXPECT_EQ(buffer().frames(), 0u);
}

TEST_F(SoundTest, PiecesPlayedAfterOneAnotherPlayTogether) {
    play(PlayKind::After, "0", "0.01", "1");
    const std::size_t first = buffer().frames();
    play(PlayKind::After, "0", "0.02", "2");
    const std::size_t second = buffer().frames();
    EXPECT_TRUE(audio.played.empty());
    const std::int64_t end = play(PlayKind::Play, "0", "0.01", "3");
    ASSERT_EQ(audio.played.size(), 1u);
    EXPECT_EQ(audio.played[0].samples.size(), buffer().dataSize());
    EXPECT_GT(second, first);
    EXPECT_GT(buffer().frames(), second);
    EXPECT_EQ(sample(0), 3272);
    EXPECT_EQ(sample(2 * first - 1), 3272);
    EXPECT_EQ(sample(2 * first), 6544);
    EXPECT_EQ(sample(2 * second - 1), 6544);
    EXPECT_EQ(sample(2 * second), 9816);
    EXPECT_EQ(end, 1000 + std::llround(buffer().dataSize() / 88200.0L * 1000));
    EXPECT_EQ(audio.played[0].format, (AudioFormat{22050, 2, 16}));
    // The next Play starts a new sound.
    play(PlayKind::PlayAndWait, "0", "0.01", "4");
    EXPECT_EQ(buffer().frames(), 221u);
    playSoundAgain(ctx, sound);
    ASSERT_EQ(audio.played.size(), 3u);
    EXPECT_EQ(audio.played[2].samples, audio.played[1].samples);
}

TEST_F(SoundTest, SamplingRateOutOfRangeIsIgnored) {
    for (Extended rate : {100.0L, 199.6L, 200000.1L}) EXPECT_FALSE(setSamplingRate(sound, rate));
    EXPECT_EQ(buffer().samplingRate(), kDefaultSamplingRate);
    EXPECT_TRUE(setSamplingRate(sound, 200.4L));
    EXPECT_EQ(buffer().samplingRate(), 200);
}

// The row form and the stack machine give the same samples, whatever is swept.
TEST_F(SoundTest, RowsAndSingleSamplesAgree) {
    const int a = 1;
    project.parameters[a].value = 3;
    struct Case {
        const char* expr;
        int variable;
    } cases[] = {
        {"sin(2Pi*440x)+0.5sin(2Pi*660x)", kSweepX},
        {"a*sin(2Pi*220x)", kSweepX},
        {"sin(2Pi*300a)+x", a},
        {"(cos(900x),sin(900x))", kSweepX},
        {"sqrt(x-0.3)", kSweepX},
        {"Sum(k,1,3,sin(k*700x))/3", kSweepX},
        {"abs(x-0.3)", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expr);
        make("0", "0.6", c.expr, SoundPath::Automatic, c.variable);
        const std::string rows(buffer().image());
        make("0", "0.6", c.expr, SoundPath::OneByOne, c.variable);
        EXPECT_EQ(std::string(buffer().image()), rows);
        EXPECT_GT(buffer().peak(), 0);
    }
    EXPECT_EQ(project.parameters[a].value, 3);
}

TEST_F(SoundTest, ExpressionsWithStateAreSampledOneByOne) {
    EXPECT_TRUE(keepsStateBetweenEvaluations(project, compiled("Igr(t,0,x,t)")));
    EXPECT_TRUE(keepsStateBetweenEvaluations(project, compiled("path(x,(0,0),(1,1))")));
    EXPECT_FALSE(keepsStateBetweenEvaluations(project, compiled("sin(x)")));
}

TEST_F(SoundTest, WithoutADeviceTheFirstPlaybackSaysSoOnce) {
    audio.device = false;
    play(PlayKind::Play, "0", "0.01", "1");
    play(PlayKind::Play, "0", "0.01", "1");
    playSoundAgain(ctx, sound);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, kMsgNoSoundDevice);
    EXPECT_EQ(buffer().frames(), 221u);
    sound.output = nullptr;
    play(PlayKind::Play, "0", "0.01", "1");
    EXPECT_EQ(messages.entries.size(), 1u);
}

TEST_F(SoundTest, SavedFileIsTheBufferWithItsHeader) {
    const auto dir = std::filesystem::temp_directory_path() / "tarlix-sound-test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "Sound.wav").string();
    make("0", "0.01", "(1,2)");
    ASSERT_TRUE(saveSound(ctx, sound, path));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_EQ(bytes.size(), kWavHeaderSize + 221 * 4);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(36, 4), "data");
    std::uint32_t size;
    std::memcpy(&size, bytes.data() + 40, 4);
    EXPECT_EQ(size, 221u * 4);
    std::memcpy(&size, bytes.data() + 4, 4);
    EXPECT_EQ(size, 221u * 4 + 36);
    EXPECT_FALSE(saveSound(ctx, sound, (dir / "missing" / "Sound.wav").string()));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].kind, MessageKind::Error);
    std::filesystem::remove_all(dir);
}

TEST_F(SoundTest, StopSilencesAndDropsTheFrames) {
    stopSound(sound);
    EXPECT_TRUE(buffer().isEmpty());
    play(PlayKind::Play, "0", "0.01", "1");
    EXPECT_TRUE(audio.isPlaying());
    stopSound(sound);
    EXPECT_FALSE(audio.isPlaying());
    EXPECT_EQ(buffer().frames(), 0u);
    EXPECT_EQ(buffer().image().size(), kWavHeaderSize);
}
