// Projects under any name the system allows, through the program's own commands: saved as and
// saved from the file menu, opened from the command line, the open dialog and a drop, with the
// afterimage file beside the project and a background picture beside it.

#include "ProgramFixture.h"
#include "RecordingPlatform.h"
#include "document/ProjectFile.h"
#include "shell/BackgroundCommands.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/ParameterPanel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

struct Shown {
    RecordingPlatform platform;
    ProgramShowingAx program;
    Shown() { platform.useIn(*program.program); }
    Program& operator*() { return *program.program; }
    Program* operator->() { return program.program.get(); }
    void trigger(const char* action) { program.program->dataPanel()->action(action)->trigger(); }
};

std::string bytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

struct NameCase {
    const char* what;
    const char* folder;
    const char* project;
    const char* picture;
};

const NameCase kNames[] = {
    {"accents", "Matemáticas", "parábola", "fondo.png"},
    {"ñ and blanks", "año escolar", "la señal", "gráfico ñ.png"},
    {"blanks", "clase 3", "dos palabras", "fondo claro.png"},
    {"outside Windows-1252", "Ωμέγα", "προβολή 2", "€ fondo.png"},
};

// What a program that opened the project shows.
void expectOpened(Shown& p, const QString& base, const QString& picture) {
    const Project& project = p->objects().document.project;
    EXPECT_TRUE(p.program.messages.entries.empty())
        << (p.program.messages.entries.empty() ? "" : p.program.messages.entries[0].text);
    EXPECT_EQ(project.projectPath, bytes(base));
    EXPECT_EQ(project.explicitFunctions[2].expr.source, "x^2");
    EXPECT_EQ(project.settings.backgroundFile, bytes(picture));
    EXPECT_TRUE(p->background().picture().isOn());
    // The afterimage file was read: its snapshot of y1 comes first.
    ASSERT_FALSE(p->afterimages().empty());
    EXPECT_NE(p->afterimages()[0].functions[0], AfterimageSnapshot().functions[0]);
    EXPECT_EQ(p->graph()->windowTitle(), "TARLIX : " + QFileInfo(base).fileName());
}

} // namespace

TEST(FileNames, ProjectsUnderAnyNameSaveAndOpenThroughTheProgramsCommands) {
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.what);
        Shown first;
        const QString folder = first.program.folder.filePath(c.folder);
        QDir().mkpath(folder);
        const QString base = folder + "/" + c.project;
        const QString picture = folder + "/" + c.picture;
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        ASSERT_TRUE(red.save(picture, "PNG"));

        first.platform.choose(picture);
        first->graph()->backgroundButtons().fromFile->trigger();
        ASSERT_TRUE(first->background().picture().isOn());
        first->dataPanel()->parameterPanel()->makeAfterimageButton()->click();
        ASSERT_EQ(first->afterimages().size(), 1u);

        first.platform.choose(base + ".tlx");
        first.trigger("FileSaveAs");
        EXPECT_TRUE(first.program.messages.entries.empty());
        EXPECT_TRUE(QFile::exists(base + ".tlp"));
        EXPECT_EQ(first->graph()->windowTitle(), "TARLIX : " + QString(c.project));

        Document& ctx = first->context();
        EquationEntry f;
        f.expr.source = "x^2";
        storeExplicitFunction(ctx, 2, f);
        first.trigger("FileSave");
        EXPECT_FALSE(first.program.project().modified);
        EXPECT_EQ(first.platform.files.asked.size(), 2u) << "saving again asks no name";

        {
            SCOPED_TRACE("command line, split at its blanks");
            Shown opened;
            opened->openFromCommandLine((base + ".tlx").split(' '));
            expectOpened(opened, base, picture);
        }
        {
            SCOPED_TRACE("open dialog");
            Shown opened;
            opened.platform.choose(base + ".tlx");
            opened.trigger("FileOpen");
            expectOpened(opened, base, picture);
        }
        {
            SCOPED_TRACE("dropped file");
            Shown opened;
            opened->dropFile(base + ".tlx");
            expectOpened(opened, base, picture);
        }
    }
}

// Only the picture's name goes into the project file, as single-byte text: a name without
// that form is refused with its message, and the picture stays as it was.
TEST(FileNames, APictureNameAProjectCannotKeepIsRefused) {
    Shown p;
    const QString picture = p.program.folder.filePath("Ωμέγα.png");
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(picture, "PNG"));
    p.platform.choose(picture);
    p->graph()->backgroundButtons().fromFile->trigger();
    ASSERT_EQ(p.program.messages.entries.size(), 1u);
    EXPECT_EQ(p.program.messages.entries[0].text,
              kMsgBackgroundName + bytes(QFileInfo(picture).fileName()));
    EXPECT_FALSE(p->background().picture().isOn());
    EXPECT_TRUE(p.program.project().settings.backgroundFile.empty());
    EXPECT_FALSE(p.program.project().modified);
}

// "Abrir Ejemplo" starts in the program's sample folder and "Leer memoria" names the file it
// read in the memo, wherever the program lies.
TEST(FileNames, SamplesAndMemosFromFoldersWithAnyName) {
    Shown p;
    const QString app = p.program.folder.filePath("Programas ñ Ω") + "/";
    QDir().mkpath(app + "sample");
    p.program.project().appFolder = bytes(app);
    p.program.project().memoText = {"hola"};
    ASSERT_TRUE(p->saveProjectAs(app + "sample/parábola.tlx"));

    p.platform.choose(app + "sample/parábola.tlx");
    p.trigger("FileOpenSample");
    ASSERT_EQ(p.platform.files.asked.size(), 1u);
    EXPECT_EQ(p.platform.files.asked[0].request.folder.native(), bytes(app + "sample"));
    EXPECT_EQ(p.program.project().projectPath, bytes(app + "sample/parábola"));

    p.platform.choose(app + "sample/parábola.tlx");
    p.trigger("EditLoadMemo");
    EXPECT_TRUE(p.program.messages.entries.empty());
    EXPECT_EQ(p.program.project().memoText, (std::vector<std::string>{"hola", "",
                                                                      "//par\xE1"
                                                                      "bola.tlx",
                                                                      "hola"}));
}
