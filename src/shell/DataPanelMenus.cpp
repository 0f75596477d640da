#include "shell/DataPanel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace tarlix {

namespace {
struct Item {
    const char* name; // internal name the program connects to
    const char* caption;
    bool separatorBefore = false;
};

QAction* addItem(DataPanel& console, QMenu* menu, const Item& item) {
    if (item.separatorBefore) menu->addSeparator();
    QAction* a = menu->addAction(QString::fromLatin1(item.caption));
    a->setObjectName(item.name);
    a->setEnabled(false); // enabled by the program once it handles the item
    console.addAction(item.name, a);
    return a;
}

void addMenu(DataPanel& console, const char* caption, std::initializer_list<Item> items) {
    QMenu* menu = console.menuBar()->addMenu(QString::fromLatin1(caption));
    for (const Item& i : items) addItem(console, menu, i);
}
} // namespace

void buildConsoleMenus(DataPanel& console) {
    addMenu(console, "&Archivo",
            {{"FileNew", "&Inicializar"},
             {"FileOpen", "&Abrir archivo"},
             {"FileOpenSample", "Abrir Ejemplo"},
             {"FileSaveAs", "Guardar &Como", true},
             {"FileSave", "&Guardar"},
             {"FileSaveImage", "Guardar I&magen", true},
             {"FileContinuousSave", "Guardar im?enes sucesivamente"},
             {"FileSaveSound", "Guardar sonidos"},
             {"FilePrinterSetup", "Prop. de Impresora", true},
             {"FilePrint", "&Imprimir"},
             {"FileClose", "&Terminar", true}});
    QMenu* edit = console.menuBar()->addMenu("&Editar");
    for (const Item& i : std::initializer_list<Item>{{"EditUndo", "&Deshacer"},
                                                     {"EditRedo", "&Rehacer"},
                                                     {"EditMemo", "&Editar Nota", true},
                                                     {"EditLoadMemo", "&LLamar Nota"},
                                                     {"EditConnect", "Conecta los puntos", true},
                                                     {"EditOptions", "&OpcionesA"}})
        addItem(console, edit, i);
    QMenu* settings = edit->addMenu("Am&biente");
    for (const Item& i :
         std::initializer_list<Item>{{"SettingsWriteDefaults", "&Elegir por Defecto"},
                                     {"SettingsDeleteDefaults", "&Inicializar por Defecto"},
                                     {"SettingsAssociate", "&Asociaci? de Archivos"},
                                     {"SettingsRelease", "&Liberar Asociaci? de archivo"}})
        addItem(console, settings, i);
    for (const Item& i :
         std::initializer_list<Item>{{"EditClearAfterimages", "&Borrar Despu? de im?enes", true},
                                     {"EditResetParameters", "&Inicializar par?etros"}})
        addItem(console, edit, i);

    QMenu* view = console.menuBar()->addMenu("&Vista");
    QMenu* area = view->addMenu("Mostrar &Area");
    addItem(console, area, {"ShowToolbar", "Barra de Herramientas"});
    const char* panelItems[] = {"[Funci?]",          "[Relaci?]",        "[Curva Param?rica]",
                                "[Objeto]",          "[Par?etro]",       "[Funci? de usuario]",
                                "[Cuadro de texto]", "[L?ea && Pol?ono]"};
    for (int p = 0; p < kCategoryPanels; ++p) {
        const QByteArray name = "ShowPanel" + QByteArray::number(p + 1);
        addItem(console, area, {name.constData(), panelItems[p]})->setCheckable(true);
    }
    QMenu* data = view->addMenu("Mostrar &Datos");
    addItem(console, data, {"ShowDataAll", "Todos"});
    const char* dataItems[] = {"Funci?",   "Relaci?",           "Curva Param?rica", "Objeto",
                               "Par?etro", "Funci? de usuario", "L?ea && Pol?ono"};
    for (int k = 0; k < 7; ++k) {
        const QByteArray name = "ShowData" + QByteArray::number(k + 1);
        addItem(console, data, {name.constData(), dataItems[k]});
    }
    addItem(console, view, {"ViewHints", "Mostrar &Pista"})->setCheckable(true);
    addItem(console, view, {"ViewPresentation", "&Modo de Presentaci?"})->setCheckable(true);

    addMenu(console, "A&yuda",
            {{"HelpPdf", "&PDF manual"}, {"HelpHtml", "&HTML manual"}, {"HelpVersion", "&Versi?"}});

    QToolBar* bar = console.addToolBar("toolbar");
    bar->setObjectName("ToolBar");
    for (const auto& [name, hint] : {std::pair{"FileNew", "Inicializar"},
                                     {"FileOpen", "Abrir"},
                                     {"FileSave", "Guardar"},
                                     {"EditUndo", "Deshacer"},
                                     {"EditRedo", "Rehacer"},
                                     {"FilePrint", "Imprimir"}}) {
        QAction* a = console.action(name);
        a->setToolTip(hint);
        bar->addAction(a);
    }
}

} // namespace tarlix
