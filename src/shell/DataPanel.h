#pragma once
// The data panel ("Panel de Datos"): the list of everything the project defines, one row per
// object in eight category panels, with the program's main menu and toolbar.

#include "expression/formula/FormulaPainter.h"
#include "shell/CategoryPanelWidget.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>

class QScrollArea;
class QAction;

namespace tarlix {

struct ProgramObjects;
class ParameterPanel;

class DataPanel : public QMainWindow {
    Q_OBJECT
public:
    explicit DataPanel(ProgramObjects& objects, QWidget* parent = nullptr);

    // Category refresh: rows from the stores, slots from Position and Shown, panel heights.
    void refreshCategory(CategoryPanel panel);
    void refreshAll();
    // Stacks the visible category panels in their order.
    void layoutPanels();

    CategoryPanelWidget* panel(CategoryPanel p) const {
        return panels_[static_cast<std::size_t>(p - 1)];
    }
    ParameterPanel* parameterPanel() const { return parameters_; }
    // A menu item by its internal name ("FileNew", "FileOpen" ...), for the program and tests.
    QAction* action(const QString& name) const;
    void addAction(const QString& name, QAction* a) { actions_[name] = a; }

    std::function<void()> closeRequested; // the panel never closes itself
    std::function<void()> moved;
    std::function<void()> changed; // the parameter panel asks for a redraw
    // The expression of an object is to be edited: its slot, or 0 for a new object.
    std::function<void(CategoryPanel panel, int n)> editRequested;
    // The connected-figure category's button: the graph window's connect-points tool toggles.
    std::function<void()> connectPointsRequested;
    // A colour from the pen palette was dropped on a row.
    std::function<void(CategoryPanel panel, int row, unsigned colour)> colourDropped;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createPanels();
    void toggleRow(CategoryPanel panel, int row);
    RowGeometry geometry() const;

    ProgramObjects& objects_;
    QScrollArea* scroll_;
    QWidget* column_;
    std::array<CategoryPanelWidget*, kCategoryPanels> panels_{};
    ParameterPanel* parameters_ = nullptr;
    std::map<QString, QAction*> actions_;
    FormulaMetrics rowMetrics_; // the rows' texts, measured once
};

// Builds the main menu and the toolbar with their captions; items whose work is not part of
// the program yet are shown disabled.
void buildConsoleMenus(DataPanel& console);

} // namespace tarlix
