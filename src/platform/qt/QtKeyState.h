#pragma once
// Key and mouse button state on Qt. Escape, F1 and the mouse buttons are followed by a filter on
// every event of the application, so that a loop that processes events sees them as the user
// holds them; Shift and Ctrl are asked of the window system directly. Needs a QGuiApplication.

#include "platform/KeyState.h"

#include <QObject>

namespace tarlix {

class QtKeyState : public QObject, public KeyState {
public:
    QtKeyState();
    ~QtKeyState() override;
    bool isDown(Key key) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool escape_ = false;
    bool f1_ = false;
    bool left_ = false;
    bool right_ = false;
};

} // namespace tarlix
