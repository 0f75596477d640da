#pragma once
// The in-memory forms of the system's services, put in the place of the real ones in a
// program; declare it before the program, so that it outlives it.

#include "platform/AudioOutput.h"
#include "platform/FileDialog.h"
#include "platform/RecordingClipboard.h"
#include "platform/RecordingPrinter.h"
#include "shell/Program.h"

#include <QFile>

namespace tarlix::testing {

struct RecordingPlatform {
    RecordingClipboard clipboard;
    RecordingPrinter printer;
    ScriptedFileDialog files;
    RecordingAudioOutput audio;

    void useIn(Program& program) {
        PlatformServices& p = program.objects().platform;
        p.clipboard = &clipboard;
        p.printer = &printer;
        p.fileDialog = &files;
        p.audio = &audio;
        program.objects().sound.output = &audio;
    }
    // The dialog's next answer is this file.
    void choose(const QString& path) { files.reply(QFile::encodeName(path).toStdString()); }
};

} // namespace tarlix::testing
