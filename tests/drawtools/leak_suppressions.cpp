// Fontconfig keeps its configuration caches until the process ends; the
// leak checker would report them as leaks of whichever test drew text first.
// Only that library is excused.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
