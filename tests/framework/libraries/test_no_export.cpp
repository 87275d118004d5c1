// A library that lacks the creation export: the loader must free it again.
extern "C" __attribute__((visibility("default"))) int NotTheCreationExport() { return 1; }
