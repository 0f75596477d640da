#pragma once
// One Qt application object for the Qt tests of a test program, made on first use on the
// offscreen platform: a QGuiApplication where fonts and pixmaps are enough, a QApplication
// where the tests show widgets.

#include <QCoreApplication>

#include <cstdlib>

namespace tarlix::qttest {

template <typename App> App& qtApp() {
    static int argc = 1;
    static char name[] = "tarlix-tests";
    static char* argv[] = {name, nullptr};
    static App* app = [] {
        if (auto* existing = qobject_cast<App*>(QCoreApplication::instance())) return existing;
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new App(argc, argv);
    }();
    return *app;
}

} // namespace tarlix::qttest
