// Fontconfig and Qt keep some allocations for the life of the process; the leak checker of the
// sanitizer build must not count them, whether or not the test run passes its suppression file.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libdbus\n";
}
