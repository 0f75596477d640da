#pragma once
// The window manager frames a window some time after it is shown. A window placed before its
// frame was known may end with its title bar above the screen, where it can be neither moved
// nor closed, and no move of the window tells of it. This watch looks again whenever the window
// shows on the screen.

#include <QObject>

#include <functional>

class QWidget;
class QWindow;

namespace tarlix {

class TitleBarWatch : public QObject {
public:
    // titleBarHidden runs when window shows with the top of its frame above the available area
    // of the screen it is on; the owner then places it again.
    TitleBarWatch(QWidget& window, std::function<void()> titleBarHidden);

    // Whether the top of window's frame lies above the available area of its screen.
    static bool titleBarHidden(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<void()> hidden_;
    QWindow* shown_ = nullptr; // the window system's window, once there is one
};

} // namespace tarlix
