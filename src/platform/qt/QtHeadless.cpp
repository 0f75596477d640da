#include "platform/qt/QtHeadless.h"

#include "platform/qt/QtImageCanvas.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdlib>

namespace tarlix {

namespace {
void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
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
