#pragma once
// The graph window's background buttons: they read the picture, keep its file and stretch mode
// in the project through the document operation, and have the graph drawn again.

#include "document/ProjectEdit.h"
#include "shell/BackgroundPicture.h"

#include <QObject>

#include <functional>

namespace tarlix {

class GraphWindow;
struct PlatformServices;

class BackgroundCommands : public QObject {
    Q_OBJECT
public:
    // chosenMode: the stretch mode the stretch button turns on (1..3), kept between sessions.
    // The file dialog and the clipboard are the platform's.
    BackgroundCommands(GraphWindow& window, std::function<Document&()> context, int& chosenMode,
                       PlatformServices& platform);

    const BackgroundPicture& picture() const { return picture_; }
    // The picture the project names, after it was opened: a file that cannot be read is
    // reported and the background is off.
    void loadProjectPicture();
    // From a file: the picture replaces the present one, or the reason is shown and
    // everything stays as it was. A name the project file cannot keep is refused as well.
    bool loadFile(const QString& path);
    bool pasteFromClipboard();
    // Stretching on in the mode (1..3), or off with 0.
    void setStretch(int mode);
    void turnOff();

private:
    void chooseFile();
    int stretchMode() const;
    void showButtons();

    GraphWindow& window_;
    std::function<Document&()> context_;
    int& chosenMode_;
    PlatformServices& platform_;
    BackgroundPicture picture_;
};

} // namespace tarlix
