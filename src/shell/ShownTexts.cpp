#include "shell/ShownTexts.h"

#include "platform/qt/QtText.h"

#include <algorithm>
#include <iterator>

namespace tarlix {

namespace {
// Menu items are listed in menu order; "&&" shows one "&" in a menu, a label shows it as is.
const ShownText kTexts[] = {
    {"Menu.File", "&Archivo"},
    {"FileNew", "&Inicializar"},
    {"FileOpen", "&Abrir archivo"},
    {"FileOpenSample", "Abrir Ejemplo"},
    {"FileSaveAs", "Guardar &Como"},
    {"FileSave", "&Guardar"},
    {"FileSaveImage", "Guardar I&magen"},
    {"FileContinuousSave", "Guardar imágenes sucesivamente"},
    {"FileSaveSound", "Guardar sonidos"},
    {"FilePrinterSetup", "Prop. de Impresora"},
    {"FilePrint", "&Imprimir"},
    {"FileClose", "&Terminar"},
    {"Menu.Edit", "&Editar"},
    {"EditUndo", "&Deshacer"},
    {"EditRedo", "&Rehacer"},
    {"EditMemo", "&Editar Nota"},
    {"EditLoadMemo", "&LLamar Nota"},
    {"EditConnect", "Conecta los puntos"},
    {"EditOptions", "&OpcionesA"},
    {"Menu.Settings", "Am&biente"},
    {"SettingsWriteDefaults", "&Elegir por Defecto"},
    {"SettingsDeleteDefaults", "&Inicializar por Defecto"},
    {"SettingsAssociate", "&Asociación de Archivos"},
    {"SettingsRelease", "&Liberar Asociación de archivo"},
    {"EditClearAfterimages", "&Borrar Después de imágenes"},
    {"EditResetParameters", "&Inicializar parámetros"},
    {"Menu.View", "&Vista"},
    {"Menu.ShowArea", "Mostrar &Area"},
    {"ShowToolbar", "Barra de Herramientas"},
    {"ShowPanel1", "[Función]"},
    {"ShowPanel2", "[Relación]"},
    {"ShowPanel3", "[Curva Paramétrica]"},
    {"ShowPanel4", "[Objeto]"},
    {"ShowPanel5", "[Parámetro]"},
    {"ShowPanel6", "[Función de usuario]"},
    {"ShowPanel7", "[Cuadro de texto]"},
    {"ShowPanel8", "[Línea && Polígono]"},
    {"Menu.ShowData", "Mostrar &Datos"},
    {"ShowDataAll", "Todos"},
    {"ShowData1", "Función"},
    {"ShowData2", "Relación"},
    {"ShowData3", "Curva Paramétrica"},
    {"ShowData4", "Objeto"},
    {"ShowData5", "Parámetro"},
    {"ShowData6", "Función de usuario"},
    {"ShowData7", "Línea && Polígono"},
    {"ViewHints", "Mostrar &Pista"},
    {"ViewPresentation", "&Modo de Presentación"},
    {"Menu.Help", "A&yuda"},
    {"HelpPdf", "&PDF manual"},
    {"HelpHtml", "&HTML manual"},
    {"HelpVersion", "&Versión"},

    {"Toolbar.title", "toolbar"},
    {"Toolbar.FileNew", "Inicializar"},
    {"Toolbar.FileOpen", "Abrir"},
    {"Toolbar.FileSave", "Guardar"},
    {"Toolbar.EditUndo", "Deshacer"},
    {"Toolbar.EditRedo", "Rehacer"},
    {"Toolbar.FilePrint", "Imprimir"},

    {"DataPanel.title", "Panel de Datos"},
    {"Panel.Explicit", "Función"},
    {"Panel.Explicit.create", "&Dibujar"},
    {"Panel.Relations", "Relación"},
    {"Panel.Relations.create", "D&ibujar"},
    {"Panel.Curves", "Curva Paramétrica"},
    {"Panel.BasicFigures", "Objeto"},
    {"Panel.Parameters", "Parámetro"},
    {"Panel.UserFunctions", "Función de usuario"},
    {"Panel.UserFunctions.create", "Dibujar"},
    {"Panel.Memo", "Cuadro de texto"},
    {"Panel.Memo.create", "Editar"},
    {"Panel.ConnectedFigures", "Línea & Polígono"},
    {"Panel.ConnectedFigures.create", "Conecta los puntos"},
    {"Panel.rowButton", "Mostrar/Ocultar"},
    {"Panel.rowText", "Click : Editar/Borrar, rastrear: Mover"},

    {"Parameter.letter", "Fijar/no Fijar"},
    {"Parameter.value", "Editar Parámetros"},
    {"Parameter.decrement", "Disminuir"},
    {"Parameter.increment", "Aumentar"},
    {"Parameter.sync", "Sincronizar"},
    {"Parameter.syncCaption", "S"},
    {"Parameter.mode", "Forma de incremento de Parámetro"},
    {"Parameter.step", "Incremento"},
    {"Parameter.ratioUp", "Aumentar la razón"},
    {"Parameter.ratioDown", "Disminuir la razón"},
    {"Parameter.slow", "lento"},
    {"Parameter.fast", "rápido"},
    {"Parameter.speed", "Velocidad de incremento de Parámetro"},
    {"Parameter.afterimageSwitch", "I"},
    {"Parameter.afterimageSwitch.hint", "Después de la imagen se apaga"},
    {"Parameter.makeAfterimage", "+I"},
    {"Parameter.makeAfterimage.hint", "Haga después de la imagen"},
    {"Parameter.clearAfterimages", "-I"},
    {"Parameter.clearAfterimages.hint", "Borrar después de la imagen"},
    {"Parameter.initialiseQuestion", "Inicializar todos los parámetros usando [OK]"},

    {"Graph.title", "TARLIX"},
    {"Graph.titleBeforeFile", "TARLIX - "},
    {"PenColor.title", "Pen Color"},
    {"Calculator.title", "Calculadora"},
    {"Version.title", "TARLIX"},
    {"Version.name", "TARLIX"},
    {"Version.number", "2.8"},

    {"Message.error", "ERROR"},
    {"Message.information", "Información"},
    {"Message.warning", "Advertencia"},
    {"Message.ok", "&Bien"},
    {"Message.cancel", "&Cancelar"},

    {"Program.clearQuestion", "Limpiar datos actuales usando [OK]"},
    {"Program.quitQuestion", "Salir usando [OK]"},
    {"Program.openTitle", "Abrir Proyecto de TARLIX"},
    {"Program.saveTitle", "Guardar proyecto de TARLIX"},
    {"Program.projectFilter", "TARLIX file (*.tlx)"},
    {"Association.question", "Archivos con extensión tlx\" serán abiertos con TARLIX"},
    {"Association.releaseQuestion", "Liberar la asociación de archivos usando [OK]"},
};

const char* textOf(std::string_view key) {
    const auto it = std::find_if(std::begin(kTexts), std::end(kTexts),
                                 [key](const ShownText& t) { return key == t.key; });
    Q_ASSERT_X(it != std::end(kTexts), "shownText", "no text under this key");
    return it == std::end(kTexts) ? "" : it->text;
}
} // namespace

std::span<const ShownText> shownTexts() {
    return kTexts;
}

QString shownText(std::string_view key) {
    return QString::fromUtf8(textOf(key));
}

std::string shownMessage(std::string_view key) {
    return fromQString(shownText(key));
}

} // namespace tarlix
