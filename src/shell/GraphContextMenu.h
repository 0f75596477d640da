#pragma once
// The graph picture's context menu: the properties of the objects under the pointer, the
// floating labels and the connect tool, zooming by fixed factors about the pixel where the
// menu opened, afterimages, copying and printing.

#include "document/NewObjectDefaults.h"
#include "document/ProjectEdit.h"

#include <QObject>

#include <functional>

class QMenu;

namespace tarlix {

class GraphWindow;
class GraphMouse;
class ProjectPicture;

class GraphContextMenu : public QObject {
    Q_OBJECT
public:
    struct Commands {
        std::function<void(CategoryPanel panel, int n)> openProperties;
        std::function<void()> makeAfterimage;
        std::function<void()> clearAfterimages;
        std::function<void()> copyGraph;
        std::function<void()> print;
        std::function<bool()> canPrint; // whether printing can act now; none: it can
        // What new figures look like, and whether their property dialog opens at once.
        const NewObjectDefaults* newObjects = nullptr;
    };

    GraphContextMenu(GraphWindow& window, GraphMouse& mouse, std::function<Document&()> context,
                     ProjectPicture& picture, Commands commands);

    // The menu for the picture pixel (px, py), built afresh; it belongs to this object until
    // the next one is built.
    QMenu* menuAt(int px, int py);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addPropertyItems(QMenu& menu, int px, int py);
    void addZoomItems(QMenu& menu, int px, int py);
    void addSetPointItems(QMenu& menu, int px, int py);
    void setPoint(int n, int px, int py);

    GraphWindow& window_;
    GraphMouse& mouse_;
    std::function<Document&()> context_;
    ProjectPicture& picture_;
    Commands commands_;
    QMenu* menu_ = nullptr;
    // Known by address: its events go on while the window that holds it is destroyed.
    QObject* graphImage_;
};

} // namespace tarlix
