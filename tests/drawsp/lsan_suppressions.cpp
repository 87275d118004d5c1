// Fontconfig keeps a few allocations of its own alive until the process
// ends; they are reported as leaks once any text has been drawn. The
// sanitizer runtime looks this hook up by name, so it must stay visible.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
