#pragma once
// The program-wide objects, created before any window, in the order the program needs them:
// the locale's separators, the new-object defaults, the settings store and its state values,
// the message box, the document, the system's services, the sound and the random generator.

#include "document/AppState.h"
#include "document/Document.h"
#include "document/NewObjectDefaults.h"
#include "document/ProjectEdit.h"
#include "document/SoundState.h"
#include "expression/functions/Random.h"
#include "platform/qt/QtAudioOutput.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSettingsStore.h"
#include "shell/MessageWindow.h"

#include <QString>

namespace tarlix {

// DecimalChar from the locale's formatting of 3.14, and the argument separator that goes
// with it.
void localeSeparators(char& decimalChar, char& listSeparatorChar);

// The system's services the windows use, each through its interface; tests put in-memory forms
// in their place.
struct PlatformServices {
    QtClipboard systemClipboard;
    QtPrinter systemPrinter;
    QtFileDialog systemFileDialog;
    QtAudioOutput systemAudio;
    Clipboard* clipboard = &systemClipboard;
    Printer* printer = &systemPrinter;
    FileDialog* fileDialog = &systemFileDialog;
    AudioOutput* audio = &systemAudio;
};

struct ProgramObjects {
    explicit ProgramObjects(const QString& settingsPath);

    char decimalChar = '.';
    char listSeparatorChar = ',';
    NewObjectDefaults objectDefaults;
    QtSettingsStore settings;
    AppState state;
    QtMessageBox screenMessages;
    Document document; // its messages go to the screen; tests give it their own box
    PlatformServices platform;
    SoundState sound; // beside the document; plays on platform.audio
    RandomState random;

    // What the document operations work on, for the windows that change the project.
    Document& context() { return document; }
};

} // namespace tarlix
