#include "shell/ProgramObjects.h"

#include "document/DefaultSettings.h"

#include <QLocale>

namespace tarlix {

void localeSeparators(char& decimalChar, char& listSeparatorChar) {
    const QString formatted = QLocale().toString(3.14, 'f', 2);
    const QChar c = formatted.size() > 1 ? formatted.at(1) : QChar('.');
    decimalChar = c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '.';
    listSeparatorChar = decimalChar == '.' ? ',' : ';';
}

ProgramObjects::ProgramObjects(const QString& settingsPath)
    : settings(settingsPath), random(RandomState::seededOnce()) {
    localeSeparators(decimalChar, listSeparatorChar);
    document.setMessageBox(&screenMessages);
    document.setDefaultsSource(&settings, &objectDefaults);
    document.project.engine.decimalChar = decimalChar;
    document.project.engine.listSeparatorChar = listSeparatorChar;
    readAppState(settings, state);
    document.view.presentationMode = state.presentationMode;
    sound.output = platform.audio;
}

} // namespace tarlix
