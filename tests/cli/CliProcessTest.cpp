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
    // Vector files too: a device without raster operations must not make Qt complain.
    for (const char* name : {"out.png", "out.svg", "out.pdf"}) {
        cli.start(TARLIX_CLI_PATH, {"plot", "-y", "x^2", "-c", "x^2+y^2<4", "--figure",
                                    "circle:K=(1,1);1", "-o", dir.filePath(name)});
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), 0) << name;
        EXPECT_EQ(cli.readAllStandardError().toStdString(), "") << name;
    }

    cli.start(TARLIX_CLI_PATH, {"plot", "-y", "x^", "-o", dir.filePath("bad.png")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_FALSE(cli.readAllStandardError().isEmpty());
}

// The built tool itself computes each construction, not only the test program: a helper of the
// drawing once shared a name with the constructions' point reader, and the linked tool called
// the wrong one and crashed on «perp».
TEST(CliProcess, TheToolComputesEveryConstruction) {
    const struct {
        const char* expression;
        const char* value;
    } cases[] = {
        {"perp((0,1),(-1,0),(1,0))", "(0,0)"},          {"mid((0,0),(2,4))", "(1,2)"},
        {"intr((0,0),(1,1),(0,1),(1,0))", "(0.5,0.5)"}, {"Ccentr((0,0),(2,0),(0,2))", "(1,1)"},
        {"Gcentr((0,0),(3,0),(0,3))", "(1,1)"},         {"rot((1,0))", "(0,1)"},
    };
    for (const auto& c : cases) {
        QProcess cli;
        cli.start(TARLIX_CLI_PATH, {"eval", "--", c.expression});
        ASSERT_TRUE(cli.waitForFinished(60000)) << c.expression;
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit) << c.expression;
        EXPECT_EQ(cli.readAllStandardOutput().toStdString(), std::string(c.value) + "\n")
            << c.expression;
    }
}
