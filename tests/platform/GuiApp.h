#pragma once
// Qt's fonts and pixmaps need one QGuiApplication; the tests make it on first use.

#include <QGuiApplication>

namespace tarlix::test {

inline void ensureGuiApp() {
    static int argc = 1;
    static char name[] = "tests_platform";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
}

} // namespace tarlix::test
