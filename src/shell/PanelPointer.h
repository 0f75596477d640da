#pragma once
// The pointer on the data panel's rows and category panels: a row's popup menu, dragging a row
// onto another row of its category, dragging a category panel by its background onto another
// (or onto the empty part of the column), and files dropped from the desktop.

#include "document/PanelRows.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <map>
#include <optional>

class QMimeData;
class QWidget;

namespace tarlix {

class CategoryPanelWidget;

// What a drag from the data panel carries: a row (row > 0) or a whole panel (row 0).
struct PanelDragItem {
    CategoryPanel panel = CategoryPanel::Explicit;
    int row = 0;
};
QMimeData* panelDragData(const PanelDragItem& item);
bool droppedPanelItem(const QMimeData& data, PanelDragItem& item);

class PanelPointer : public QObject {
    Q_OBJECT
public:
    explicit PanelPointer(QObject* parent = nullptr);

    // A row's show/hide button or image (row > 0), or a panel's own background (row 0, which
    // also takes the drops). Only images and backgrounds start drags.
    void watchRow(QWidget* widget, CategoryPanel panel, int row, bool draggable);
    void watchPanel(CategoryPanelWidget* panel, CategoryPanel category);
    // The empty part of the column below the panels: panels dropped there go last.
    void watchColumn(QWidget* column);
    // Takes files dropped from the desktop.
    void watchFileDrops(QWidget* widget);

    std::function<void(CategoryPanel panel, int row, const QPoint& globalPos)> menuRequested;
    // A drag is to start; the default runs the platform's drag with the item's data.
    std::function<void(QWidget* source, const PanelDragItem& item)> startDrag;
    std::function<void(CategoryPanel panel, int dragged, int target)> rowDropped;
    // No target: the empty column.
    std::function<void(CategoryPanel dragged, std::optional<CategoryPanel> target)> panelDropped;
    std::function<void(const QString& path)> fileDropped;

    // Pressing and moving more than this (horizontal plus vertical distance) starts a drag.
    static constexpr int dragDistance = 7;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        CategoryPanel panel = CategoryPanel::Explicit;
        int row = 0;
        bool draggable = false;
        bool dropTarget = false; // a panel's background or the column
        bool column = false;
    };
    bool mouseEvent(QWidget* widget, const Watched& w, QEvent* event);
    bool dragEvent(QWidget* widget, const Watched* w, QEvent* event);
    int dropRow(QWidget* widget, const QPoint& at) const;
    bool isRowImage(const QObject* widget) const;

    std::map<const QObject*, Watched> watched_;
    std::map<const QObject*, CategoryPanelWidget*> panels_;
    const QObject* pressed_ = nullptr;
    QPoint pressAt_;
};

} // namespace tarlix
