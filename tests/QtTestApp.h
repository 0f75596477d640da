#pragma once
// One QApplication for the Qt tests of a test program, on the offscreen platform.

#include <QApplication>

#include <cstdlib>

namespace tarlix::qttest {

inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "tarlix-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QApplication(argc, argv);
    }();
    return *app;
}

} // namespace tarlix::qttest
