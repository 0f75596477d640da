#pragma once
// Included once by each program's main: under the address sanitizer, allocations that system
// libraries (fontconfig, Qt's font database) keep for the life of the process are not reported.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libdbus\n";
}
// Nor is the list of suppressions that matched, so that a run that succeeds stays silent.
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
#endif
