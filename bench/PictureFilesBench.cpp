// Writing the 800 x 600 benchmark picture as each file type the program adds, next to the type
// it is held against: GIF against PNG (goal: at most 1.5 times), EMF against SVG (at most 2
// times); and tarlix-cli animate of 100 steps against 100 animation steps plus 100 GIF files
// written apart (at most 1.3 times: building one animated file costs little beyond its frames).
#include "BenchPicture.h"
#include "CpuTimes.h"
#include "cli/Commands.h"
#include "cli/ProjectSession.h"
#include "document/ProjectEdit.h"
#include "platform/qt/QtPictureFiles.h"
#include "render/RenderPicture.h"

#include <cstdio>
#include <filesystem>
#include <sstream>

using namespace tarlix;
using namespace tarlix::bench;

namespace {

const char* const kFunctions[] = {
    "a sin x", "x^2/4-a", "a x^3/10-x", "exp(-x^2/2)a+1",
    "cos(2x)", "x^2/4-2", "Sqrt(x+5)",  "1/(x^2+1)",
};

constexpr int kAnimationSteps = 100;

std::string scratch(const char* name) {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / "tarlix-bench-picture-files";
        std::filesystem::create_directories(p);
        return p;
    }();
    return (folder / name).string();
}

std::string animationProjectFile() {
    return (std::filesystem::path(TARLIX_SOURCE_DIR) / "examples" / "animacion.tlx").string();
}

// The picture drawn once, as an image and as a recorded vector picture.
struct PictureFiles : BenchPicture {
    QImage image;
    RenderedPicture vector;
    QtSurfaces vectorSurfaces{true};

    PictureFiles() : BenchPicture(-5, 5, -5, 5) {
        for (int n = 1; n <= 8; ++n) storeFunction(n, kFunctions[n - 1]);
        picture.recompute();
        QtImageCanvas canvas(kWidth, kHeight);
        picture.draw(canvas, surfaces);
        image = canvas.image();
        vector = renderPicture(picture, view, vectorSurfaces, 1);
    }
};

PictureFiles& pictureFiles() {
    static PictureFiles p;
    return p;
}

void writeBitmap(benchmark::State& state, PictureFileType type, const char* name) {
    PictureFiles& p = pictureFiles();
    for (auto _ : state)
        if (!saveBitmapFile(p.image, scratch(name), type).ok()) state.SkipWithError("not written");
}

void writeVector(benchmark::State& state, PictureFileType type, const char* name) {
    PictureFiles& p = pictureFiles();
    for (auto _ : state)
        if (!saveVectorFile(*p.vector.picture, p.vector.size, p.vector.dotsPerInch, scratch(name),
                            type)
                 .ok())
            state.SkipWithError("not written");
}

void gif(benchmark::State& state) {
    writeBitmap(state, PictureFileType::Gif, "p.gif");
}
void png(benchmark::State& state) {
    writeBitmap(state, PictureFileType::Png, "p.png");
}
void emf(benchmark::State& state) {
    writeVector(state, PictureFileType::Emf, "p.emf");
}
void svg(benchmark::State& state) {
    writeVector(state, PictureFileType::Svg, "p.svg");
}

// tarlix-cli animate: 100 steps of a into one animated GIF.
void animate(benchmark::State& state) {
    const std::vector<std::string> args = {
        "animate", animationProjectFile(), "--param", "a=0:9.9:0.1", "--size", "800x600",
        "-o",      scratch("a.gif")};
    for (auto _ : state) {
        std::ostringstream out, err;
        if (cli::runCli(args, out, err) != 0) state.SkipWithError(err.str().c_str());
    }
}

// The same 100 steps drawn as the window animates, each picture written as a GIF of its own.
void stepsAndGifs(benchmark::State& state) {
    for (auto _ : state) {
        cli::ProjectSession session;
        std::ostringstream err;
        if (!session.open(animationProjectFile(), err)) state.SkipWithError("no project");
        Document& document = session.document;
        View& view = document.view;
        view.xAxis.pixelLength = kWidth;
        view.yAxis.pixelLength = kHeight;
        view.xAxis.recompute();
        view.yAxis.recompute();
        view.fillXSamples();
        document.project.settings.afterimagesOn = false;
        ProjectPicture picture(document);
        QtSurfaces surfaces;
        for (int i = 0; i < kAnimationSteps; ++i) {
            setParameterValue(document, 1, i * 0.1L);
            picture.recompute();
            QtImageCanvas canvas(kWidth, kHeight);
            picture.draw(canvas, surfaces);
            const auto ruled = picture.withRulers(canvas, surfaces);
            const auto* image = ruled ? dynamic_cast<const QtImageCanvas*>(ruled.get()) : &canvas;
            saveBitmapFile(image->image(), scratch("frame.gif"), PictureFileType::Gif);
        }
    }
}

void printRatio(const CpuTimes& times, const char* what, const char* a, const char* b,
                double goal) {
    if (times[a] == 0 || times[b] == 0) return; // left out by --benchmark_filter
    std::printf("%-40s %10.2fms %10.2fms %7.2f %7.2f\n", what, times[a], times[b],
                times[a] / times[b], goal);
}

} // namespace

BENCHMARK(gif)->Unit(benchmark::kMillisecond);
BENCHMARK(png)->Unit(benchmark::kMillisecond);
BENCHMARK(emf)->Unit(benchmark::kMillisecond);
BENCHMARK(svg)->Unit(benchmark::kMillisecond);
BENCHMARK(animate)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(stepsAndGifs)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    CpuTimes times;
    benchmark::RunSpecifiedBenchmarks(&times);
    benchmark::Shutdown();
    std::printf("\n%-40s %12s %12s %7s %7s\n", "", "measured", "against", "ratio", "goal");
    printRatio(times, "GIF against PNG (800 x 600)", "gif", "png", 1.5);
    printRatio(times, "EMF against SVG (800 x 600)", "emf", "svg", 2.0);
    printRatio(times, "animate 100 steps against steps + GIFs", "animate/iterations:2",
               "stepsAndGifs/iterations:2", 1.3);
    std::filesystem::remove_all(std::filesystem::path(scratch("x")).parent_path());
    return 0;
}
