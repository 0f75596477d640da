#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A run that succeeds prints nothing on stderr, even where the session gives Qt no runtime
// folder; a refused one says why and exits non-zero.
TEST(CliProcess, ASuccessfulRunIsSilentOnStderr) {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.remove("QT_QPA_PLATFORM");
    QProcess cli;
    cli.setProcessEnvironment(env);
    cli.start(TARLIX_CLI_PATH, {"plot", "-y", "x^2", "-o", dir.filePath("out.png")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_EQ(cli.readAllStandardError().toStdString(), "");

    cli.start(TARLIX_CLI_PATH, {"plot", "-y", "x^", "-o", dir.filePath("bad.png")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_FALSE(cli.readAllStandardError().isEmpty());
}
