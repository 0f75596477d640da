#include "shell/DataPanel.h"
#include "shell/ShownTexts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QToolBar>

namespace tarlix {

namespace {
struct Item {
    const char* name; // internal name the program connects to, and the key of its caption
    bool separatorBefore = false;
};

QAction* addItem(DataPanel& console, QMenu* menu, const Item& item) {
    if (item.separatorBefore) menu->addSeparator();
    QAction* a = menu->addAction(shownText(item.name));
    a->setObjectName(item.name);
    a->setEnabled(false); // enabled by the program once it handles the item
    console.addAction(item.name, a);
    return a;
}

void addItems(DataPanel& console, QMenu* menu, std::initializer_list<Item> items) {
    for (const Item& i : items) addItem(console, menu, i);
}

// The toolbar's pictures: the desktop theme's where it has one, else the style's.
struct ToolButton {
    const char* name;
    const char* themeIcon;
    QStyle::StandardPixmap fallback;
};
const ToolButton kToolButtons[] = {
    {"FileNew", "document-new", QStyle::SP_FileIcon},
    {"FileOpen", "document-open", QStyle::SP_DialogOpenButton},
    {"FileSave", "document-save", QStyle::SP_DialogSaveButton},
    {"EditUndo", "edit-undo", QStyle::SP_ArrowBack},
    {"EditRedo", "edit-redo", QStyle::SP_ArrowForward},
    {"FilePrint", "document-print", QStyle::SP_FileDialogDetailedView},
};
const ToolButton kOutputButtons[] = {
    {"Toolbar.copyImage", "edit-copy", QStyle::SP_FileDialogContentsView},
    {"Toolbar.stopContinuousSave", "media-playback-stop", QStyle::SP_MediaStop},
};

// The style greys a disabled picture by its lightness, which leaves black line pictures (the
// printer's, the copy's) as they are; a disabled button is drawn faded instead.
QIcon fadedWhenDisabled(const QIcon& icon) {
    QIcon shown;
    for (const int size : {16, 22, 24, 32, 48}) {
        const QPixmap normal = icon.pixmap(size);
        if (normal.isNull()) continue;
        shown.addPixmap(normal, QIcon::Normal);
        QPixmap faded(normal.size());
        faded.setDevicePixelRatio(normal.devicePixelRatio());
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(0.3);
        painter.drawPixmap(0, 0, normal);
        painter.end();
        shown.addPixmap(faded, QIcon::Disabled);
    }
    return shown;
}

QIcon toolIcon(const QWidget& window, const ToolButton& b) {
    return fadedWhenDisabled(
        QIcon::fromTheme(b.themeIcon, window.style()->standardIcon(b.fallback)));
}

// Ctrl+Z and Ctrl+Y, and the platform's own keys for the same, in every window of the program;
// a held key undoes one step.
void addHistoryKeys(QAction* action, QKeySequence ownKey, QKeySequence::StandardKey platformKey) {
    QList<QKeySequence> keys{ownKey};
    for (const QKeySequence& k : QKeySequence::keyBindings(platformKey))
        if (!keys.contains(k)) keys << k;
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    action->setAutoRepeat(false);
}
} // namespace

void buildConsoleMenus(DataPanel& console) {
    addItems(console, console.menuBar()->addMenu(shownText("Menu.File")),
             {{"FileNew"},
              {"FileOpen"},
              {"FileOpenSample"},
              {"FileSaveAs", true},
              {"FileSave"},
              {"FileSaveImage", true},
              {"FileContinuousSave"},
              {"FileSaveSound"},
              {"FilePrinterSetup", true},
              {"FilePrint"},
              {"FileClose", true}});
    QMenu* edit = console.menuBar()->addMenu(shownText("Menu.Edit"));
    addItems(console, edit,
             {{"EditUndo"},
              {"EditRedo"},
              {"EditMemo", true},
              {"EditLoadMemo"},
              {"EditConnect", true},
              {"EditOptions"}});
    addHistoryKeys(console.action("EditUndo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                   QKeySequence::Undo);
    addHistoryKeys(console.action("EditRedo"), QKeySequence(Qt::CTRL | Qt::Key_Y),
                   QKeySequence::Redo);
    addItems(console, edit->addMenu(shownText("Menu.Settings")),
             {{"SettingsWriteDefaults"},
              {"SettingsDeleteDefaults"},
              {"SettingsAssociate"},
              {"SettingsRelease"}});
    addItems(console, edit, {{"EditClearAfterimages", true}, {"EditResetParameters"}});

    QMenu* view = console.menuBar()->addMenu(shownText("Menu.View"));
    QObject::connect(view, &QMenu::aboutToShow, &console, [&console] { console.showViewState(); });
    QMenu* area = view->addMenu(shownText("Menu.ShowArea"));
    addItem(console, area, {"ShowToolbar"});
    for (int p = 0; p < kCategoryPanels; ++p) {
        const QByteArray name = "ShowPanel" + QByteArray::number(p + 1);
        addItem(console, area, {name.constData()})->setCheckable(true);
    }
    QMenu* data = view->addMenu(shownText("Menu.ShowData"));
    addItem(console, data, {"ShowDataAll"});
    for (int k = 0; k < 7; ++k) {
        const QByteArray name = "ShowData" + QByteArray::number(k + 1);
        addItem(console, data, {name.constData()});
    }
    addItem(console, view, {"ViewHints"})->setCheckable(true);
    addItem(console, view, {"ViewPresentation"})->setCheckable(true);

    addItems(console, console.menuBar()->addMenu(shownText("Menu.Help")),
             {{"HelpPdf"}, {"HelpHtml"}, {"HelpVersion"}});

    QToolBar* bar = console.addToolBar(shownText("Toolbar.title"));
    bar->setObjectName("ToolBar");
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    console.setToolBar(bar);
    for (const ToolButton& b : kToolButtons) {
        QAction* a = console.action(b.name);
        a->setIcon(toolIcon(console, b));
        a->setIconVisibleInMenu(false);
        a->setToolTip(shownText(std::string("Toolbar.") + b.name));
        bar->addAction(a);
    }
    // Copying the picture and continuous saving come with picture output; the stop button is
    // enabled and down only while continuous saving runs.
    for (const ToolButton& b : kOutputButtons) {
        QAction* a = bar->addAction(toolIcon(console, b), shownText(b.name));
        a->setObjectName(b.name);
        a->setToolTip(shownText(b.name));
        a->setEnabled(false);
        console.addAction(b.name, a);
    }
    console.action("Toolbar.stopContinuousSave")->setCheckable(true);
}

} // namespace tarlix
