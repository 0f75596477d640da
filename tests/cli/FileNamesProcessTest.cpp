// Project files under any name the system allows, run through the built tool as a user runs
// it: a folder and a name with accents, ñ, blanks or letters outside Windows-1252, with the
// afterimage file beside the project and a background picture named inside it.

#include "document/AfterimageFile.h"
#include "document/Project.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

struct CliRun {
    int status;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList& args) {
    QProcess cli;
    cli.start(TARLIX_CLI_PATH, args);
    cli.waitForFinished(60000);
    return {cli.exitCode(), cli.readAllStandardOutput(), cli.readAllStandardError()};
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A 2.7 project whose background picture is "fondo ñ.png" (single-byte text in the file), and
// an afterimage of point P at (-5,5) beside it.
void writeProject(const QString& base) {
    std::ifstream in(std::filesystem::path(TARLIX_SOURCE_DIR) / "tests/document/fixtures/v27.tlx",
                     std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string background = "BGstretchOn BGfile\n1 \n";
    text.replace(text.find(background), background.size(),
                 "BGstretchOn BGfile\n2 fondo \xF1.png\n");
    QFile project(base + ".tlx");
    ASSERT_TRUE(project.open(QIODevice::WriteOnly));
    project.write(text.data(), static_cast<qint64>(text.size()));
    project.close();

    tarlix::AfterimageSnapshot s;
    tarlix::FigurePosition p;
    p.kind = tarlix::FigureKind::Point;
    p.x = -5;
    p.y = 5;
    p.pointSize = 4;
    p.pointAfterimage = 1;
    s.positions[0] = p;
    tarlix::AfterimageStore store;
    store.push(s);
    ASSERT_TRUE(tarlix::saveAfterimages(store, tarlix::Project{},
                                        QFile::encodeName(base + ".tlp").toStdString()));
}

} // namespace

TEST(CliFileNames, ProjectsUnderAnyNameCheckConvertAndRender) {
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain/clase");
    QDir().mkpath(dir.filePath("plain"));
    writeProject(plain);
    const CliRun plainCheck = runCli({"check", plain + ".tlx"});
    ASSERT_EQ(plainCheck.status, 0) << plainCheck.err.toStdString();
    const CliRun plainRender =
        runCli({"render", plain + ".tlx", "-o", plain + ".png", "--size", "200x160"});
    ASSERT_EQ(plainRender.status, 0) << plainRender.err.toStdString();
    const QByteArray picture = readAll(plain + ".png");
    QFile::rename(plain + ".tlp", plain + ".sin.tlp");
    ASSERT_EQ(
        runCli({"render", plain + ".tlx", "-o", plain + ".sin.png", "--size", "200x160"}).status,
        0);
    ASSERT_NE(readAll(plain + ".sin.png"), picture) << "the afterimage shows in the picture";

    const struct {
        const char* what;
        const char* folder;
        const char* project;
    } cases[] = {
        {"accents", "Matemáticas", "parábola"},
        {"ñ and blanks", "año escolar", "la señal"},
        {"blanks", "clase 3", "dos palabras"},
        {"outside Windows-1252", "Ωμέγα", "προβολή 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir().mkpath(dir.filePath(c.folder));
        const QString base = dir.filePath(QString(c.folder) + "/" + c.project);
        writeProject(base);

        const CliRun check = runCli({"check", base + ".tlx"});
        EXPECT_EQ(check.status, 0) << check.err.toStdString();
        EXPECT_EQ(check.out, plainCheck.out);

        const CliRun render =
            runCli({"render", base + ".tlx", "-o", base + ".png", "--size", "200x160"});
        EXPECT_EQ(render.status, 0) << render.err.toStdString();
        EXPECT_EQ(readAll(base + ".png"), picture);

        const QString converted = base + " 2.8.tlx";
        const CliRun convert = runCli({"convert", base + ".tlx", converted});
        EXPECT_EQ(convert.status, 0) << convert.err.toStdString();
        EXPECT_TRUE(readAll(converted).contains("\r\n2 fondo \xF1.png\r\n"));
        EXPECT_EQ(runCli({"check", converted}).out, plainCheck.out);

        const CliRun missing = runCli({"check", base + " no.tlx"});
        EXPECT_EQ(missing.status, 1);
        EXPECT_EQ(missing.err,
                  "No se encuentra el archivo" + QFile::encodeName(base) + " no.tlx\n");
    }
}
