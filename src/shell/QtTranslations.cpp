#include "shell/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarlix {

bool installQtTranslations(QCoreApplication& app) {
    // The program speaks Spanish whatever the system's language; the locale is left alone, since
    // the decimal separator follows it.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qt_es"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace tarlix
