#include "shell/DataPanel.h"
#include "shell/ShownTexts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
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
    console.setToolBar(bar);
    for (const char* name :
         {"FileNew", "FileOpen", "FileSave", "EditUndo", "EditRedo", "FilePrint"}) {
        QAction* a = console.action(name);
        a->setToolTip(shownText(std::string("Toolbar.") + name));
        bar->addAction(a);
    }
    // Copying the picture and continuous saving come with picture output; the stop button is
    // enabled and down only while continuous saving runs.
    for (const char* name : {"Toolbar.copyImage", "Toolbar.stopContinuousSave"}) {
        QAction* a = bar->addAction(shownText(name));
        a->setObjectName(name);
        a->setToolTip(shownText(name));
        a->setEnabled(false);
        console.addAction(name, a);
    }
    console.action("Toolbar.stopContinuousSave")->setCheckable(true);
}

} // namespace tarlix
