// The program's sound: "Guardar sonidos" on the data panel's file menu, New and Open stopping the
// sound, and playback on this machine's sound output, which may have no device at all.

#include "ProgramFixture.h"
#include "RecordingPlatform.h"
#include "document/SoundPlayback.h"
#include "shell/DataPanel.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

struct SoundCommandsTest : ::testing::Test {
    ProgramShowingAx shown;
    CompiledExpression from, to, expr;

    Program& program() { return *shown.program; }
    ProgramObjects& objects() { return program().objects(); }
    QAction* action(const char* name) { return program().dataPanel()->action(name); }
    void openFileMenu() {
        QMenu* file = program().dataPanel()->menuBar()->actions().first()->menu();
        Q_EMIT file->aboutToShow();
    }
    CompiledExpression compiled(const char* text) {
        CompiledExpression e;
        const CompileEnv env = program().context().compileEnv();
        setSource(e, text, kModePlain - 1, env);
        compile(e, kModeExplicit, false, env);
        return e;
    }
    void play(PlayKind kind) {
        from = compiled("0");
        to = compiled("0.05");
        expr = compiled("sin(2Pi*440x)");
        playStatement(program().context(), objects().sound, {kSweepX, &from, &to, &expr}, kind, 0);
    }
};

} // namespace

TEST_F(SoundCommandsTest, SavingTheSoundFromTheFileMenu) {
    RecordingPlatform platform;
    platform.useIn(program());
    openFileMenu();
    EXPECT_FALSE(action("FileSaveSound")->isEnabled());
    play(PlayKind::After);
    openFileMenu();
    ASSERT_TRUE(action("FileSaveSound")->isEnabled());

    const QString path = shown.folder.filePath("tono.wav");
    platform.choose(path);
    action("FileSaveSound")->trigger();
    ASSERT_EQ(platform.files.asked.size(), 1u);
    const FileRequest& asked = platform.files.asked[0].request;
    EXPECT_EQ(asked.name, "Sound.wav");
    EXPECT_EQ(asked.defaultSuffix, "wav");
    EXPECT_EQ(asked.filters, std::vector<std::string>{"Wave files(*.wav)"});
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.size(), qint64(kWavHeaderSize + objects().sound.buffer.dataSize()));
    EXPECT_EQ(saved.read(4), "RIFF");
    EXPECT_TRUE(shown.messages.entries.empty());

    // Cancelling the dialog writes nothing.
    action("FileSaveSound")->trigger();
    EXPECT_EQ(platform.files.asked.size(), 2u);
}

TEST_F(SoundCommandsTest, NewAndOpenStopTheSound) {
    RecordingPlatform platform;
    platform.useIn(program());
    ASSERT_TRUE(program().saveProjectAs(shown.folder.filePath("clase")));
    play(PlayKind::Play);
    ASSERT_TRUE(platform.audio.isPlaying());
    action("FileNew")->trigger();
    EXPECT_FALSE(platform.audio.isPlaying());
    EXPECT_EQ(objects().sound.buffer.frames(), 0u);

    play(PlayKind::Play);
    ASSERT_TRUE(program().openProjectFile(shown.folder.filePath("clase.tlx"), false));
    EXPECT_FALSE(platform.audio.isPlaying());
    EXPECT_EQ(objects().sound.buffer.frames(), 0u);
}

// On the system's own output: where this machine has no device the first playback says so,
// once, and the sound stays synthesised and can be saved.
TEST_F(SoundCommandsTest, PlayingOnTheSystemOutput) {
    play(PlayKind::Play);
    play(PlayKind::PlayAndWait);
    playSoundAgain(program().context(), objects().sound);
    const std::size_t expected = objects().platform.audio->hasDevice() ? 0 : 1;
    ASSERT_EQ(shown.messages.entries.size(), expected);
    if (expected) {
        EXPECT_EQ(shown.messages.entries[0].text, kMsgNoSoundDevice);
    }
    EXPECT_NEAR(double(objects().sound.buffer.frames()), 0.05 * 22050, 1);
    stopSound(objects().sound);
}
