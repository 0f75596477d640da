#pragma once
// Windows whose content comes with later work: the pen palette and the version window. They exist
// with their captions so that start-up creates the program's windows in order; they show nothing
// that pretends to work.

#include <QWidget>

namespace tarlix {

// The pen-colour palette picker: one small borderless window shared by every colour choice.
class PenPaletteWindow : public QWidget {
    Q_OBJECT
public:
    explicit PenPaletteWindow(QWidget* parent = nullptr);
};

// The version window, also shown as the splash screen while the data panel is created.
class VersionWindow : public QWidget {
    Q_OBJECT
public:
    explicit VersionWindow(QWidget* parent = nullptr);
};

} // namespace tarlix
