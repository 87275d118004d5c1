#include "module_entry.h"

#include <dlfcn.h>

namespace {

void* moduleInstance = nullptr;

// Runs when the library is loaded. RTLD_NOLOAD only looks the already loaded
// library up; the extra reference it takes is given back at once, leaving the
// handle as an identifier of this module.
void* FindOwnModule() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&FindOwnModule), &info) == 0) return nullptr;
    void* handle = dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (handle != nullptr) dlclose(handle);
    return handle;
}

struct ModuleEntryPoint {
    ModuleEntryPoint() { moduleInstance = FindOwnModule(); }
} entryPoint;

}  // namespace

void* ModuleInstance() { return moduleInstance; }
