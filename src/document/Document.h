#pragma once
// The open project and everything that belongs to it: the project's stores, its view, its
// afterimages, both undo histories and the running script's state. Every document operation
// works on one; the desktop program, tarlix-cli and tests each make their own, so that
// scripts, export and sound work without a window. The windows hear of changes through the
// notification hooks and change the document only through its operations.

#include "document/AfterimageStore.h"
#include "document/DocumentHooks.h"
#include "document/NewObjectDefaults.h"
#include "document/Project.h"
#include "document/UndoHistories.h"
#include "expression/Compiler.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "view/RedrawState.h"
#include "view/View.h"
#include "view/ViewDefaults.h"

#include <optional>
#include <string>

namespace tarlix {

// What the screen allows the drawing after a load, for fitting the saved aspect.
struct DrawingRoom {
    int availableHeight = 0; // the largest drawing height, less the tab bar where it shows
    int preferredWidth = 0;  // the preferred drawing width of the settings store
};

// The messages of the document go to the box it was given; without one they are kept, as
// tarlix-cli and tests read them.
class MessageRelay : public MessageBox {
public:
    bool show(const std::string& text, MessageKind kind, bool withCancel) override {
        return target_ ? target_->show(text, kind, withCancel) : kept.show(text, kind, withCancel);
    }
    void setTarget(MessageBox* target) { target_ = target; }
    RecordingMessageBox kept;

private:
    MessageBox* target_ = nullptr;
};

// What a running script holds between its steps; empty while no script runs.
struct ScriptState {
    bool running = false;
};

class Document {
public:
    explicit Document(const ViewDefaults& defaults = {});
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    Project project;
    RedrawState redraw; // before the view, which keeps a reference to it
    View view;
    AfterimageStore afterimages;
    DataHistory dataHistory;
    ViewHistory viewHistory;
    ScriptState script;
    MessageRelay messages;

    // The windows that follow the document; none by default.
    DocumentHooks& hooks() { return *hooks_; }
    void setHooks(DocumentHooks* hooks) { hooks_ = hooks ? hooks : &noHooks_; }
    void setMessageBox(MessageBox* box) { messages.setTarget(box); }
    // The settings store whose defaults New reads, with the new-object defaults they fill;
    // without one New keeps the built-in settings.
    void setDefaultsSource(const SettingsStore* store, NewObjectDefaults* objects) {
        defaultsStore_ = store;
        objectDefaults_ = objects;
    }

    CompileEnv compileEnv() const;

    // The whole document. Opening reads into a copy and replaces everything only when the
    // read succeeded (the afterimages with the project's own file, the histories emptied);
    // New clears it. Each tells the windows once.
    bool open(const std::string& path, const std::optional<DrawingRoom>& room = std::nullopt);
    bool save();
    // From now on the project lives at base (a path without extension).
    bool saveAs(const std::string& base);
    void clear(const ViewDefaults& defaults, int reserve);
    bool undo();
    bool redo();

    // What an edit asks of the document before and after it changes the project.
    void recordUndo();
    void functionTextChanged(int n);
    void relationTextChanged(int n);
    void userFunctionTextChanged(int n);
    void figureShapeChanged(int n);
    void segmentRemoved(int index);
    void clearAfterimages();
    void clearUndoHistories();
    void reloadDefaultSettings();
    // The afterimage file beside the project file: saving reports whether it was written (or
    // removed because there are no afterimages); loading reports its own damage.
    bool saveAfterimages(const std::string& tlpPath);
    void loadAfterimages(const std::string& tlpPath);

private:
    DocumentHooks noHooks_;
    DocumentHooks* hooks_ = &noHooks_;
    const SettingsStore* defaultsStore_ = nullptr;
    NewObjectDefaults* objectDefaults_ = nullptr;
};

} // namespace tarlix
