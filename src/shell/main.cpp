#include "platform/qt/LeakSuppressions.h"
#include "platform/qt/QtSettingsStore.h"
#include "shell/Program.h"
#include "shell/QtPlatformChoice.h"
#include "shell/QtTranslations.h"

#include <QApplication>

int main(int argc, char** argv) {
    tarlix::preferPlatformThatPlacesWindows();
    QApplication app(argc, argv);
    tarlix::installQtTranslations(app);
    QApplication::setQuitOnLastWindowClosed(false);
    tarlix::Program program(tarlix::QtSettingsStore::defaultFilePath());
    program.start(QApplication::arguments().mid(1));
    return QApplication::exec();
}
