#include "cli/Commands.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
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

std::string readText(const std::filesystem::path& path) {
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
    std::string file(const char* name) const { return (path / name).string(); }
};

// Element names and how often each occurs; the size of the root; empty when not well formed.
struct SvgSummary {
    bool wellFormed = false;
    std::map<QString, int> elements;
    QString width, height;
    int count(const char* name) const {
        const auto it = elements.find(QString::fromLatin1(name));
        return it == elements.end() ? 0 : it->second;
    }
};

SvgSummary readSvg(const std::string& path) {
    QXmlStreamReader xml(QByteArray::fromStdString(readText(path)));
    SvgSummary s;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString name = xml.name().toString();
        if (name == "svg") {
            s.width = xml.attributes().value("width").toString();
            s.height = xml.attributes().value("height").toString();
        }
        ++s.elements[name];
    }
    s.wellFormed = !xml.hasError();
    return s;
}

double millimetres(const QString& length) {
    EXPECT_TRUE(length.endsWith("mm")) << length.toStdString();
    return length.chopped(2).toDouble();
}

} // namespace

// A function, a hatched relation and a labelled point: in the SVG they are paths, polylines
// and text, with no picture embedded, and the size is the picture's at the screen's 96 dpi.
TEST(VectorOutput, PlotWritesAnSvgOfLinesAndTextAtThePicturesPhysicalSize) {
    const TempDir dir("tarlix-cli-vector-svg");
    const std::string svg = dir.file("p.svg");
    const CliRun r = run({"plot", "-y", "2sin x", "-c", "x^2+y^2<4", "--figure", "P=(1,2)",
                          "--size", "200x150", "-o", svg});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const SvgSummary s = readSvg(svg);
    ASSERT_TRUE(s.wellFormed);
    EXPECT_GT(s.count("polyline") + s.count("path"), 10); // curves and hatch lines
    EXPECT_GT(s.count("text"), 5);                        // tick values and the label
    EXPECT_EQ(s.count("image"), 0);
    // The axes run through the view, so no ruler is added: 201 x 151 pixels.
    EXPECT_NEAR(millimetres(s.width), 201 * 25.4 / 96, 0.05);
    EXPECT_NEAR(millimetres(s.height), 151 * 25.4 / 96, 0.05);

    // Enlarged output has the same physical size; the rulers beside a view away from the
    // origin make it larger.
    ASSERT_EQ(run({"plot", "-y", "x", "--size", "200x150", "--scale", "3", "-o", svg}).status, 0);
    EXPECT_NEAR(millimetres(readSvg(svg).width), 201 * 25.4 / 96, 0.05);
    ASSERT_EQ(run({"plot", "-y", "x", "--range", "1,5,1,5", "--size", "200x150", "-o", svg}).status,
              0);
    const SvgSummary ruled = readSvg(svg);
    EXPECT_GT(millimetres(ruled.width), 201 * 25.4 / 96 + 2);
    EXPECT_GT(millimetres(ruled.height), 151 * 25.4 / 96 + 2);
}

// The PDF is one page of the picture's physical size (in points) with nothing rasterised.
TEST(VectorOutput, PlotWritesAOnePagePdfOfThePicturesSize) {
    const TempDir dir("tarlix-cli-vector-pdf");
    const std::string pdf = dir.file("p.PDF");
    for (const char* scale : {"1", "2"}) {
        SCOPED_TRACE(scale);
        const CliRun r = run({"plot", "-y", "2sin x", "-c", "x^2+y^2<4", "--size", "200x150",
                              "--scale", scale, "-o", pdf});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const QString text = QString::fromLatin1(QByteArray::fromStdString(readText(pdf)));
        EXPECT_TRUE(text.startsWith("%PDF-"));
        const auto box = QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])").match(text);
        ASSERT_TRUE(box.hasMatch());
        EXPECT_NEAR(box.captured(1).toDouble(), 201 * 72.0 / 96, 1);
        EXPECT_NEAR(box.captured(2).toDouble(), 151 * 72.0 / 96, 1);
        EXPECT_EQ(text.count("/MediaBox"), 1);
        EXPECT_FALSE(text.contains("/Subtype /Image"));
    }
}

TEST(VectorOutput, AnUnwritableFileIsReportedAndNothingIsLeft) {
    const TempDir dir("tarlix-cli-vector-fail");
    for (const char* name : {"missing/p.svg", "missing/p.pdf"}) {
        const std::string path = dir.file(name);
        const CliRun r = run({"plot", "-y", "x", "-o", path});
        EXPECT_NE(r.status, 0) << name;
        EXPECT_NE(r.err.find("No se puede guardar el archivo" + path), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}
