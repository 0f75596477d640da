#include "shell/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>

namespace tarlix {

namespace {
// Texts that Qt draws but its Spanish catalog lacks: the kinds of entries a file dialog lists.
class MissingQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (!context || !sourceText || std::strcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        const struct {
            const char* english;
            const char* spanish;
        } texts[] = {{"Folder", "Carpeta"}, {"Drive", "Unidad"}, {"Unknown", "Desconocido"}};
        for (const auto& t : texts)
            if (std::strcmp(sourceText, t.english) == 0) return QString::fromUtf8(t.spanish);
        return {};
    }
};
} // namespace

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
    QCoreApplication::installTranslator(new MissingQtTexts(&app));
    return true;
}

} // namespace tarlix
