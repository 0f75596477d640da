#include "platform/qt/QtHeadless.h"

#include "platform/qt/QtFileNames.h"
#include "platform/qt/QtImageCanvas.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QHash>
#include <QImageWriter>
#include <QList>

#include <cerrno>
#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace tarlix {

namespace {
// Qt's PNG writer turns quality q into zlib level (100 - q) * 9 / 91: 50 gives level 4.
constexpr int kFastPngQuality = 50;

// Qt wants a private runtime folder and warns on stderr when the session has none (a headless
// run usually has none); a run that succeeds should print nothing, so one is made here.
void ensureRuntimeFolder() {
    if (std::getenv("XDG_RUNTIME_DIR")) return;
    const std::string folder = "/tmp/tarlix-runtime-" + std::to_string(getuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return;
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0 || st.st_uid != getuid() || (st.st_mode & 0077) != 0)
        return; // someone else's folder, or one others may enter: leave it to Qt
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ensureRuntimeFolder();
    static int argc = 1;
    static char name[] = "tarlix-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}
// The image with a colour table, when it has at most 256 colours; a null image otherwise.
QImage withPalette(const QImage& image) {
    if (image.format() != QImage::Format_RGB32) return {};
    QImage out(image.size(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    QHash<QRgb, uchar> index;
    QRgb last = 0;
    int lastIndex = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* row = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = in[x] | 0xFF000000u;
            if (c != last || lastIndex < 0) {
                auto it = index.find(c);
                if (it == index.end()) {
                    if (colours.size() == 256) return {};
                    it = index.insert(c, static_cast<uchar>(colours.size()));
                    colours.append(c);
                }
                last = c;
                lastIndex = *it;
            }
            row[x] = static_cast<uchar>(lastIndex);
        }
    }
    out.setColorTable(colours);
    return out;
}

} // namespace

QtHeadless::QtHeadless() {
    ensureGuiApplication();
}

SaveResult QtHeadless::savePng(const Canvas& image, const std::string& path) {
    const auto* canvas = dynamic_cast<const QtImageCanvas*>(&image);
    if (!canvas) return SaveResult{SaveFailure::WriteFailed, 0};
    // Encoded in memory first: the file writer then checks every write of it.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Pictures of graphs are flat colour, which a middle zlib level packs nearly as well as
    // its default, and most have few colours: written with a palette they skip the row
    // filters and three quarters of the bytes. Writing the file is otherwise the largest part
    // of a command-line plot.
    QImageWriter writer(&buffer, "PNG");
    writer.setQuality(kFastPngQuality);
    const QImage paletted = withPalette(canvas->image());
    if (!writer.write(paletted.isNull() ? canvas->image() : paletted))
        return SaveResult{SaveFailure::WriteFailed, 0};
    return saveFile(path,
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace tarlix
