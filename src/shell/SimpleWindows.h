#pragma once
// Windows whose content comes with later work: the pen palette, the calculator and the version
// window. They exist with their captions so that start-up creates the program's windows in
// order; they show nothing that pretends to work.

#include <QWidget>

namespace tarlix {

// The pen-colour palette picker: one small borderless window shared by every colour choice.
class TFmSetColor : public QWidget {
    Q_OBJECT
public:
    explicit TFmSetColor(QWidget* parent = nullptr);
};

// The calculator and expression editor.
class TCalcForm : public QWidget {
    Q_OBJECT
public:
    explicit TCalcForm(QWidget* parent = nullptr);
};

// The version window, also shown as the splash screen while the data panel is created.
class Tversion : public QWidget {
    Q_OBJECT
public:
    explicit Tversion(QWidget* parent = nullptr);
};

} // namespace tarlix
