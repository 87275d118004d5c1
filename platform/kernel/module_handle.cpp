// GetModuleHandleA: the running program's own module (a null name), or a
// library that is already loaded. It never loads anything.
#include <dlfcn.h>

#include "windows.h"

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    // The handle of the main program stays valid for the process's life;
    // holding one more reference on it costs nothing.
    if (moduleName == nullptr) {
        static void* const program = dlopen(nullptr, RTLD_LAZY);
        return static_cast<HMODULE>(program);
    }
    void* module = dlopen(moduleName, RTLD_LAZY | RTLD_NOLOAD);
    if (module != nullptr) dlclose(module);  // only asked, not kept
    return static_cast<HMODULE>(module);
}
