#include "shell/PanelPointer.h"

#include "shell/CategoryPanelWidget.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

namespace tarlix {

namespace {
constexpr const char* kPanelItemMime = "application/x-tarlix-panel-item";

QString firstLocalFile(const QMimeData& data) {
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}
} // namespace

QMimeData* panelDragData(const PanelDragItem& item) {
    auto* data = new QMimeData;
    data->setData(kPanelItemMime,
                  QByteArray::number(panelNumber(item.panel)) + ' ' + QByteArray::number(item.row));
    return data;
}

bool droppedPanelItem(const QMimeData& data, PanelDragItem& item) {
    if (!data.hasFormat(kPanelItemMime)) return false;
    const QList<QByteArray> parts = data.data(kPanelItemMime).split(' ');
    if (parts.size() != 2) return false;
    const int panel = parts[0].toInt();
    if (panel < 1 || panel > kCategoryPanels) return false;
    item = {static_cast<CategoryPanel>(panel), parts[1].toInt()};
    return true;
}

PanelPointer::PanelPointer(QObject* parent) : QObject(parent) {
    startDrag = [](QWidget* source, const PanelDragItem& item) {
        auto* drag = new QDrag(source);
        drag->setMimeData(panelDragData(item));
        drag->exec(Qt::MoveAction);
    };
}

void PanelPointer::watchRow(QWidget* widget, CategoryPanel panel, int row, bool draggable) {
    watched_[widget] = {panel, row, draggable, false, false};
    widget->installEventFilter(this);
}

void PanelPointer::watchPanel(CategoryPanelWidget* panel, CategoryPanel category) {
    watched_[panel] = {category, 0, true, true, false};
    panels_[panel] = panel;
    panel->setAcceptDrops(true);
    panel->installEventFilter(this);
}

void PanelPointer::watchColumn(QWidget* column) {
    watched_[column] = {CategoryPanel::Explicit, 0, false, true, true};
    column->setAcceptDrops(true);
    column->installEventFilter(this);
}

void PanelPointer::watchFileDrops(QWidget* widget) {
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool PanelPointer::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto it = watched_.find(watched);
    const Watched* w = it == watched_.end() ? nullptr : &it->second;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return widget && dragEvent(widget, w, event);
    case QEvent::ContextMenu:
        if (!w || w->column) return false;
        if (menuRequested)
            menuRequested(w->panel, w->row, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return w && widget && mouseEvent(widget, *w, event);
    default:
        return false;
    }
}

bool PanelPointer::mouseEvent(QWidget* widget, const Watched& w, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (!w.draggable) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        if (mouse->button() != Qt::LeftButton) return false;
        // A press on a row's image also reaches its panel, which the image leaves to the row.
        if (w.row == 0 && isRowImage(widget->childAt(mouse->position().toPoint()))) return false;
        pressed_ = widget;
        pressAt_ = mouse->globalPosition().toPoint();
        return false; // the row's own click still opens its editor
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        pressed_ = nullptr;
        return false;
    }
    if (pressed_ != widget || !(mouse->buttons() & Qt::LeftButton)) return false;
    if ((mouse->globalPosition().toPoint() - pressAt_).manhattanLength() <= dragDistance)
        return false;
    pressed_ = nullptr;
    if (startDrag) startDrag(widget, {w.panel, w.row});
    return true;
}

bool PanelPointer::isRowImage(const QObject* widget) const {
    const auto it = watched_.find(widget);
    return it != watched_.end() && it->second.row > 0 && it->second.draggable;
}

int PanelPointer::dropRow(QWidget* widget, const QPoint& at) const {
    const auto it = panels_.find(widget);
    return it == panels_.end() ? 0 : it->second->rowAt(at);
}

bool PanelPointer::dragEvent(QWidget* widget, const Watched* w, QEvent* event) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QMimeData* data = drop->mimeData();
    const bool dropping = event->type() == QEvent::Drop;
    if (data->hasUrls()) {
        if (firstLocalFile(*data).isEmpty()) return false;
        drop->acceptProposedAction();
        if (dropping && fileDropped) fileDropped(firstLocalFile(*data));
        return true;
    }
    PanelDragItem item;
    if (!w || !w->dropTarget || !droppedPanelItem(*data, item)) return false;
    if (item.row > 0 && (w->column || w->panel != item.panel)) return false;
    if (event->type() == QEvent::DragEnter) {
        drop->acceptProposedAction();
        return true;
    }
    if (item.row > 0) {
        // A row lands on another row of its own category.
        const int target = dropRow(widget, drop->position().toPoint());
        if (target == 0 || target == item.row) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (dropping && rowDropped) rowDropped(item.panel, item.row, target);
        return true;
    }
    const std::optional<CategoryPanel> target =
        w->column ? std::nullopt : std::optional<CategoryPanel>(w->panel);
    if (target == item.panel) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (dropping && panelDropped) panelDropped(item.panel, target);
    return true;
}

} // namespace tarlix
