#include "cli/LeakSuppressions.h"
#include "shell/QtPlatformChoice.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    tarlix::preferPlatformThatPlacesWindows();
    QApplication app(argc, argv);
    QApplication::setApplicationName("TARLIX");
    QMainWindow graphWindow;
    graphWindow.setWindowTitle("TARLIX");
    graphWindow.resize(800, 600);
    graphWindow.show();
    return QApplication::exec();
}
