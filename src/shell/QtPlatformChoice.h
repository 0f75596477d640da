#pragma once

namespace tarlix {

// On a Wayland session where no Qt platform was chosen, asks Qt for its X11 platform
// (XWayland) so that the program can place its windows side by side. Call before the
// application object is created.
void preferPlatformThatPlacesWindows();

} // namespace tarlix
