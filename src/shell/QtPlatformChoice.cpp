#include "shell/QtPlatformChoice.h"

#include <QByteArray>
#include <QtGlobal>

namespace tarlix {

void preferPlatformThatPlacesWindows() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    const QByteArray session = qgetenv("XDG_SESSION_TYPE");
    const bool wayland = session == "wayland" || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsSet("DISPLAY")) qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace tarlix
