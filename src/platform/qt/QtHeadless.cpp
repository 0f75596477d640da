#include "platform/qt/QtHeadless.h"

#include "platform/qt/QtImageCanvas.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cerrno>
#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace tarlix {

namespace {
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
} // namespace

QtHeadless::QtHeadless() {
    ensureGuiApplication();
}

bool QtHeadless::savePng(const Canvas& image, const std::string& path) {
    const auto* canvas = dynamic_cast<const QtImageCanvas*>(&image);
    if (!canvas) return false;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!canvas->image().save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tarlix
