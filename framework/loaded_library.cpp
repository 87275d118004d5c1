#include "loaded_library.h"

#include <cstring>

LoadedLibrary::LoadedLibrary(HMODULE module, CreateInstanceFunction entry, const char* fileName)
    : ComponentObject(nullptr), module_(module), fileName_{}, entry_(entry) {
    std::strncpy(fileName_, fileName, kFileNameSize - 1);
}

LoadedLibrary::~LoadedLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
}
