// LoadLibraryA, GetProcAddress and FreeLibrary over the dynamic loader.
// A bare name is tried in the running executable's folder first, then
// through the system search; the current working folder is never searched,
// so a library planted next to a user's document is never picked up.
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "windows.h"

namespace {

std::string ExecutableFolder() {
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return std::string();
    path[length] = '\0';
    char* slash = std::strrchr(path, '/');
    if (slash == nullptr) return std::string();
    return std::string(path, slash - path + 1);
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void* OpenLibrary(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }

}  // namespace

HMODULE LoadLibraryA(LPCSTR fileName) {
    if (fileName == nullptr || fileName[0] == '\0') return nullptr;
    if (std::strchr(fileName, '/') != nullptr) return static_cast<HMODULE>(OpenLibrary(fileName));
    std::string besideExecutable = ExecutableFolder() + fileName;
    if (IsRegularFile(besideExecutable)) return static_cast<HMODULE>(OpenLibrary(besideExecutable.c_str()));
    // dlopen of a bare name searches only the system's library paths.
    return static_cast<HMODULE>(OpenLibrary(fileName));
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    if (module == nullptr || procName == nullptr) return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(module, procName));
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr) return FALSE;
    return dlclose(module) == 0 ? TRUE : FALSE;
}
