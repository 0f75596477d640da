// Allocations that system libraries keep for the life of the process are not leaks of ours.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libdbus\n";
}
#endif
