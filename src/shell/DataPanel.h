#pragma once
// The data panel ("Panel de Datos"): the list of everything the project defines, one row per
// object in eight category panels, with the program's main menu and toolbar.

#include "expression/formula/FormulaPainter.h"
#include "shell/CategoryPanelWidget.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QLineEdit;
class QScrollArea;
class QAction;
class QMenu;
class QToolBar;

namespace tarlix {

struct ProgramObjects;
class ParameterPanel;
class PanelPointer;

class DataPanel : public QMainWindow {
    Q_OBJECT
public:
    // The value edit of the first parameter on show, if any.
    QLineEdit* firstParameterEdit() const;
    explicit DataPanel(ProgramObjects& objects, QWidget* parent = nullptr);

    // Category refresh: rows from the stores, slots from Position and Shown, panel heights.
    void refreshCategory(CategoryPanel panel);
    void refreshAll();
    // Stacks the visible category panels in their order.
    void layoutPanels();

    CategoryPanelWidget* panel(CategoryPanel p) const {
        return panels_[static_cast<std::size_t>(panelNumber(p) - 1)];
    }
    ParameterPanel* parameterPanel() const { return parameters_; }
    // A menu item by its internal name ("FileNew", "FileOpen" ...), for the program and tests.
    QAction* action(const QString& name) const;
    void addAction(const QString& name, QAction* a) { actions_[name] = a; }
    QToolBar* toolBar() const { return toolBar_; }
    void setToolBar(QToolBar* bar) { toolBar_ = bar; }

    // The popup menu of a row: "Editar", "Borrar", "Borrar después de la imagen" and "Ocultar
    // Datos", less what the category does not offer.
    std::unique_ptr<QMenu> rowMenu(CategoryPanel panel, int row);
    // The popup of the toolbar and of the category panels: the nine items of "Mostrar Area",
    // the one under the pointer marked "-> " (panel 0: the toolbar).
    // The menu of a panel's area, or of the tool bar (no panel).
    std::unique_ptr<QMenu> areaMenu(std::optional<CategoryPanel> panel);
    // "Borrar" of a row, after its question.
    void deleteRow(CategoryPanel panel, int row);
    PanelPointer& pointer() const { return *pointer_; }
    // The check marks of the view menu from the project and the windows.
    void showViewState();
    // Told when the connected-figure category was hidden from the menu: the connect tool stops.
    std::function<void()> connectedFiguresHidden;

    std::function<void()> closeRequested; // the panel never closes itself
    std::function<void()> moved;
    std::function<void()> changed; // the parameter panel asks for a redraw
    // The expression of an object is to be edited: its slot, or 0 for a new object.
    std::function<void(CategoryPanel panel, int n)> editRequested;
    // The connected-figure category's button: the graph window's connect-points tool toggles.
    std::function<void()> connectPointsRequested;
    // "Borrar después de la imagen": the object's traces leave the afterimages.
    std::function<void(CategoryPanel panel, int row)> afterimagesClearRequested;
    // A file was dropped from the desktop on the panel.
    std::function<void(const QString& path)> fileDropped;
    // A colour from the pen palette was dropped on a row.
    std::function<void(CategoryPanel panel, int row, unsigned colour)> colourDropped;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createPanels();
    void watchPointer();
    void connectViewMenu();
    // Ctrl with an arrow key outside the parameter edits: the first visible one takes the focus.
    bool focusParameterEdit(const QKeyEvent& key);
    void toggleRow(CategoryPanel panel, int row);
    RowGeometry geometry() const;

    ProgramObjects& objects_;
    QScrollArea* scroll_;
    QWidget* column_;
    std::array<CategoryPanelWidget*, kCategoryPanels> panels_{};
    ParameterPanel* parameters_ = nullptr;
    std::map<QString, QAction*> actions_;
    QToolBar* toolBar_ = nullptr;
    PanelPointer* pointer_ = nullptr;
    FormulaMetrics rowMetrics_; // the rows' texts, measured once
};

// Builds the main menu and the toolbar with their captions; items whose work is not part of
// the program yet are shown disabled.
void buildConsoleMenus(DataPanel& console);

} // namespace tarlix
