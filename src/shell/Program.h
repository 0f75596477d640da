#pragma once
// Start-up and shut-down of the desktop program: the program-wide objects, the four windows in
// their order (graph window, pen palette, data panel, calculator), the data panel's first
// showing (defaults, view, command line) and closing with its question. Its file commands
// (ProgramFiles.cpp), its menus (ProgramMenus.cpp) and the data panel's commands
// (ProgramPanelCommands.cpp) have files of their own; the windows hear of the document's
// changes through WindowHooks.

#include "document/ProjectFile.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtSurfaces.h"
#include "render/ProjectPicture.h"
#include "shell/ProgramObjects.h"
#include "shell/WindowArrangement.h"
#include "shell/WindowHooks.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tarlix {

class GraphWindow;
class PenPaletteWindow;
class DataPanel;
class CalculatorWindow;
class PropertyDialogs;
class OptionsDialog;
class BackgroundCommands;
class GraphMouse;
class GraphMouseEvents;
class HintRelay;
class HoverLabels;
class IntegralWindow;
class PictureExport;
class ValueWindow;

class Program : public QObject {
    Q_OBJECT
public:
    // settingsPath: the settings file (the user's by default; tests pass their own).
    explicit Program(const QString& settingsPath, int splashMilliseconds = 500);
    ~Program() override;

    // The data panel's first showing: defaults, view, undo histories, then the project named
    // on the command line.
    void start(const QStringList& arguments);

    // The command line: the first argument alone when it names a file, else all of them
    // joined by blanks (a path with blanks arrives split).
    void openFromCommandLine(const QStringList& arguments);

    ProgramObjects& objects() { return *objects_; }
    GraphWindow* graph() const { return graph_; }
    PenPaletteWindow* palette() const { return palette_; }
    DataPanel* dataPanel() const { return dataPanel_; }
    CalculatorWindow* calculator() const { return calc_; }
    // The property dialogs, for the data panel and the graph's context menu.
    PropertyDialogs* dialogs() const { return dialogs_.get(); }
    // The options dialog, opened by "Opciones" and the graph window's "Opción".
    OptionsDialog* optionsDialog() const { return options_.get(); }
    GraphMouse& graphMouse() const { return *mouse_; }
    AfterimageStore& afterimages() const { return objects_->document.afterimages; }
    ProjectPicture& picture() const { return *picture_; }
    BackgroundCommands& background() const { return *background_; }
    // The definite-integral and function-value windows while open (null when closed); at most
    // one of them is open.
    IntegralWindow* integralWindow() const;
    ValueWindow* valueWindow() const;
    void showIntegralWindow(bool open);
    void showValueWindow(bool open);
    // Saving, copying and printing the program's pictures.
    PictureExport& pictureExport() const;
    // Copies what the copy button's choice names.
    void copyPicture();
    // The windows in the order they were created.
    const std::vector<QWidget*>& windows() const { return windows_; }

    // Screen pixels to a pixel of the view where the graph window stands (none: asks the
    // window); the picture is drawn that much denser.
    std::function<qreal()> screenDensity;

    Document& context();
    void arrangeWindows();
    // Draws the project into the graph window.
    void repaintGraph();
    // Black-and-white mode (for black-and-white printing and copying): the picture's colours
    // and the pen palette's colour set follow it together.
    void setBlackAndWhite(bool on);

    // The file commands without their dialogs: open a project file (asking first when
    // something would be lost), save, and save under a new name.
    bool openProjectFile(const QString& path, bool ask = true);
    bool saveProject();
    bool saveProjectAs(const QString& path);
    // A file dropped on the data panel or the graph window: a project opens, anything else is
    // refused with its message.
    void dropFile(const QString& path);
    // "Modo de Presentación": rows laid out again, the panel 60 pixels wider (both windows
    // moving left when it would leave the screen), the picture drawn again.
    void setPresentationMode(bool on);

    // The document was replaced as a whole (open, New, undo, redo): every window shows it
    // afresh and the picture is drawn once, with nothing of the previous project left in it.
    void showReplacedProject();

private:
    void createDataPanel(int splashMilliseconds);
    void connectMenus();
    // The data panel's rows, drops, view menu, toolbar and hints.
    void connectPanelCommands();
    void clearEntryAfterimages(CategoryPanel panel, int n);
    void connectEditAndHelpMenus();
    void showVersionWindow();
    void connectGraphCommands();
    void connectPalette();
    void connectAuxiliaryWindows();
    void connectPictureOutput();
    // What the open windows show on the picture and let the mouse drag.
    MarkerWindows openWindows() const;
    MarkerWindows draggableMarkers() const;
    void refreshAuxiliaryWindows();
    void editWindowExpression(const QString& title, const std::string& text, int mode,
                              std::function<void(Document&, const std::string&)> store,
                              bool& editing);
    bool askToClose();
    void keepTogether(MovedWindow moved);
    MainWindowFrames frames() const;
    void applyFrames(const MainWindowFrames& f);
    ViewDefaults viewDefaults() const;
    void newProject();
    // The undo and redo commands are enabled exactly when there is a step to take.
    void showUndoState();
    void connectParameterEditors();
    // The status bar's ranges of both axes.
    void showDomainText();
    bool mayDiscardProject();
    DrawingRoom drawingRoom() const;
    // The open dialog starting in folder with name proposed (the system's bytes).
    void chooseAndOpen(const std::string& folder, const std::string& name);
    void chooseAndSaveAs();
    // "Guardar sonidos": the save dialog proposing "Sound.wav", then the WAV file.
    void chooseAndSaveSound();

    // A user's change of view is recorded in the view history first, then drawn.
    struct ViewChanges : ViewHooks {
        Program* program = nullptr;
        void viewAboutToChange(const View& view) override;
        void redraw() override;
    };

    std::unique_ptr<ProgramObjects> objects_;
    WindowHooks windowHooks_{*this};
    ViewChanges viewChanges_;
    std::unique_ptr<ProjectPicture> picture_;
    QtSurfaces surfaces_;
    GraphWindow* graph_ = nullptr;
    PenPaletteWindow* palette_ = nullptr;
    DataPanel* dataPanel_ = nullptr;
    CalculatorWindow* calc_ = nullptr;
    std::unique_ptr<PropertyDialogs> dialogs_;
    std::unique_ptr<OptionsDialog> options_;
    std::vector<QWidget*> windows_;
    std::unique_ptr<GraphMouse> mouse_;
    std::unique_ptr<HoverLabels> hoverLabels_;
    BackgroundCommands* background_ = nullptr;
    HintRelay* hints_ = nullptr;
    std::unique_ptr<PictureExport> export_;
    QPointer<IntegralWindow> integralWindow_;
    QPointer<ValueWindow> valueWindow_;
    std::optional<QPoint> integralPlace_; // where each window was when last closed
    std::optional<QPoint> valuePlace_;
    bool editingLimit_ = false; // the formula editor holds a limit, or x: its marker stays
    bool editingX_ = false;
    bool arranging_ = false;
    int drawingHeight_ = 600;
    int drawnScale_ = 1; // image pixels to a screen pixel of the last picture
    bool redrawing_ = false;
    QtClock redrawClock_;
};

} // namespace tarlix
