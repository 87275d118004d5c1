// Loads one bare library name through LoadLibraryA in a process of its own,
// so the dynamic loader has read the LD_LIBRARY_PATH the process started
// with, and prints "loaded <real path>" or "nothing".
#include <dlfcn.h>
#include <link.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "windows.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HMODULE module = LoadLibraryA(argv[1]);
    if (module == nullptr) {
        std::puts("nothing");
        return 0;
    }
    link_map* map = nullptr;
    char path[PATH_MAX];
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || realpath(map->l_name, path) == nullptr) return 3;
    std::printf("loaded %s\n", path);
    FreeLibrary(module);
    return 0;
}
