#pragma once
// The version window.

#include <QWidget>

namespace tarlix {

// The version window, also shown as the splash screen while the data panel is created.
class VersionWindow : public QWidget {
    Q_OBJECT
public:
    explicit VersionWindow(QWidget* parent = nullptr);
};

} // namespace tarlix
