// The example projects that ship beside the program open and draw without a message: every
// expression compiles, every figure has a position, and each line's colour is on the picture.
#include "QtTestApp.h"
#include "shell/GraphWindow.h"
#include "shell/Program.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace tarlix::testing {
namespace {

QStringList exampleProjects() {
    const QDir dir(QString(TARLIX_SOURCE_DIR) + "/examples");
    QStringList paths;
    for (const QString& name : dir.entryList({"*.tlx"}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

// A stored colour (red in the low byte) as the picture holds it.
QRgb pictureColour(std::uint32_t c) {
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

std::set<QRgb> coloursOf(const QImage& image) {
    std::set<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) colours.insert(rgb.pixel(x, y) | 0xFF000000u);
    return colours;
}

// The pen colours of the lines the project shows: functions, relations, curves and connected
// figures. Points are left to their positions, as a filled polygon may lie over them.
std::vector<std::uint32_t> shownColours(const Project& p) {
    std::vector<std::uint32_t> colours;
    for (int n = 1; n <= p.explicitFunctions.size(); ++n)
        if (!p.explicitFunctions[n].expr.source.empty() && p.explicitFunctions[n].visible)
            colours.push_back(p.explicitFunctions[n].penColor);
    for (int n = 1; n <= p.relations.size(); ++n)
        if (!p.relations[n].expr.source.empty() && p.relations[n].visible)
            colours.push_back(p.relations[n].penColor);
    for (int n = 1; n <= p.figures.size(); ++n)
        if (isCurveKind(p.figures[n].kind) && p.figures[n].visible)
            colours.push_back(p.figures[n].lineColor);
    for (int i = 1; i <= p.segments.count; ++i) colours.push_back(p.segments[i].penColor);
    return colours;
}

} // namespace

TEST(ExampleProjects, EachOpensAndDrawsWithoutAMessage) {
    const QStringList paths = exampleProjects();
    ASSERT_GE(paths.size(), 6);
    qttest::qtApp<QApplication>();
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        QTemporaryDir folder;
        RecordingMessageBox messages{false};
        Program program(folder.path() + "/tarlix.ini", 0);
        program.objects().document.setMessageBox(&messages);
        program.start({});
        ASSERT_TRUE(program.openProjectFile(path, false));
        program.repaintGraph();
        EXPECT_TRUE(messages.entries.empty()) << messages.entries.front().text;

        const Project& p = program.objects().document.project;
        const View& view = program.objects().document.view;
        for (int n = 1; n <= p.figures.size(); ++n) {
            if (p.figures[n].kind != FigureKind::Empty) {
                EXPECT_NE(view.positions[n].kind, FigureKind::Empty)
                    << "figure " << n << " is not drawn";
            }
        }
        const std::set<QRgb> drawn = coloursOf(program.graph()->graphImage()->image());
        for (std::uint32_t c : shownColours(p))
            EXPECT_TRUE(drawn.contains(pictureColour(c) | 0xFF000000u))
                << "no pixel of colour " << std::hex << c;
    }
}

} // namespace tarlix::testing
