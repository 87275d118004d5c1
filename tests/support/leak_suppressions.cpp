// Fontconfig keeps its configuration caches until the process ends; the leak
// checker would report them against whichever test drew text first. Only
// that library is excused. The sanitizer runtime looks the hook up by name.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
