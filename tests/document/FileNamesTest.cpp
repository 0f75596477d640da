// Paths are the system's bytes from end to end; only the background picture's name inside a
// project file is single-byte text, converted when the file is written and read.

#include "ProjectFileFixture.h"

#include "document/BackgroundEdit.h"

using namespace tarlix;
using namespace tarlix::testing;

namespace {

const std::string kFolder = "Matem\xC3\xA1ticas"; // Matemáticas

} // namespace

TEST(ProjectFileNames, TheBackgroundNameIsSingleByteTextInTheFile) {
    struct Case {
        const char* name;   // the picture's name, UTF-8
        const char* inFile; // its line in the project file
    };
    const Case cases[] = {
        {"fondo claro.bmp", "fondo claro.bmp"},
        {"gr\xC3\xA1"
         "fico a\xC3\xB1o.png",
         "gr\xE1"
         "fico a\xF1o.png"},
        {"\xE2\x82\xAC\xC2\xB5.jpg", "\x80\xB5.jpg"},
    };
    TempFolder dir;
    std::filesystem::create_directory(dir.path / kFolder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        s.project.projectPath = dir.file(kFolder + "/par\xC3\xA1"
                                                   "bola");
        const std::string picture = dir.file(kFolder + "/" + c.name);
        ASSERT_TRUE(setBackgroundPicture(s.ctx, picture, 2));
        ASSERT_TRUE(saveProject(s.ctx));
        const std::string text = readText(s.project.projectPath + ".tlx");
        EXPECT_NE(text.find("\r\n2 " + std::string(c.inFile) + "\r\n"), std::string::npos);

        Session again;
        ASSERT_TRUE(openProject(again.ctx, s.project.projectPath + ".tlx"));
        EXPECT_EQ(again.project.projectPath, s.project.projectPath);
        EXPECT_EQ(again.project.settings.backgroundFile, picture);
        EXPECT_TRUE(again.messages.entries.empty());
    }
}

// A name the file cannot keep is refused with a message that names it, and nothing changes.
TEST(ProjectFileNames, ABackgroundNameWithoutASingleByteFormIsRefused) {
    Session s;
    s.project.projectPath = "/tmp/clase";
    ASSERT_TRUE(setBackgroundPicture(s.ctx, "/tmp/fondo.png", 1));
    s.project.modified = false;
    for (const std::string name : {"\xCE\xA9mega.png", "\xCE\xB8.png", "a\xF1o.png"}) {
        SCOPED_TRACE(name);
        s.messages.entries.clear();
        EXPECT_FALSE(setBackgroundPicture(s.ctx, "/tmp/" + kFolder + "/" + name, 3));
        EXPECT_EQ(s.messageTexts(), std::vector<std::string>{kMsgBackgroundName + name});
        EXPECT_EQ(fileMessageWords(s.messageTexts()[0]), std::string(kMsgBackgroundName).size());
        EXPECT_EQ(s.project.settings.backgroundFile, "/tmp/fondo.png");
        EXPECT_EQ(s.project.settings.backgroundStretch, 1);
        EXPECT_FALSE(s.project.modified);
    }
}

// The memo names the file it came from in its own single-byte text.
TEST(ProjectFileNames, AnAppendedMemoNamesItsFileAsText) {
    TempFolder dir;
    std::filesystem::create_directory(dir.path / kFolder);
    const std::string from = dir.file(kFolder + "/par\xC3\xA1"
                                                "bola.tlx");
    std::filesystem::copy_file(fixture("v27.tlx"), from);
    Session s;
    ASSERT_TRUE(appendMemoFile(s.ctx, from));
    ASSERT_FALSE(s.project.memoText.empty());
    EXPECT_EQ(s.project.memoText[0], "//par\xE1"
                                     "bola.tlx");
}
