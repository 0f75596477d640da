#pragma once
// The graph window's keys: Ctrl with Z undo, Y redo, S save, O open, P print and C copy of
// the graph. A held key fires once: the command is latched until the key is released. Alt
// with an arrow goes to the data panel, where the arrow steps the parameters.

#include <QObject>

#include <functional>

namespace tarlix {

class GraphKeys : public QObject {
    Q_OBJECT
public:
    struct Commands {
        std::function<void()> undo, redo, save, open, print, copyGraph;
        std::function<void(int arrowKey)> toDataPanel;
    };
    // Watches the window's keys, those its parts pass on included.
    GraphKeys(QObject& window, Commands commands);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const std::function<void()>* commandFor(int key) const;

    Commands commands_;
    bool latched_ = false;
};

} // namespace tarlix
