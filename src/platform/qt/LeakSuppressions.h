#pragma once
// Included once by each program's main: under the address sanitizer, allocations that system
// libraries (fontconfig, Qt's font database) keep for the life of the process are not reported.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libdbus\n";
}
#endif
