// LoadLibraryA, GetProcAddress and FreeLibrary over the dynamic loader.
// A name containing '/' is loaded as given. A bare name is looked for, in
// order, in the running executable's folder, in the absolute folders of
// LD_LIBRARY_PATH as it stands at the call, and in the system's standard
// library folders; each folder holding a file of that name is tried until
// one loads. The dynamic loader is only ever handed a path, never a bare
// name: its own search would take an empty or relative LD_LIBRARY_PATH
// entry (as in "/usr/lib:") as the current working folder and pick up a
// library planted next to a user's document.
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "windows.h"

// The system's multiarch folder name ("x86_64-linux-gnu"), as the compiler
// reported it at build time; empty on systems without one.
#ifndef TARNWICK_MULTIARCH
#define TARNWICK_MULTIARCH ""
#endif

namespace {

constexpr std::size_t kPathSize = 4096;

// The system's library folders: those the dynamic loader searches by
// default, multiarch (Debian-style; without a multiarch name these repeat
// the plain ones), lib64 (elsewhere, on 64-bit systems) and plain, then
// /usr/local/lib, which its configuration usually adds. A library of the
// wrong word size fails to load and the search goes on. Other folders named
// only in /etc/ld.so.conf are not searched.
constexpr const char* kSystemFolders[] = {
    "/lib/" TARNWICK_MULTIARCH, "/usr/lib/" TARNWICK_MULTIARCH, "/lib64", "/usr/lib64",
    "/lib", "/usr/lib", "/usr/local/lib",
};

bool IsRegularFile(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

void* OpenLibrary(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }

// Loads folder/name when that file is there; null when it is not, will not
// load, or the path would be too long.
void* OpenIn(std::string_view folder, const char* name) {
    if (folder.size() >= kPathSize) return nullptr;
    char path[kPathSize];
    int length = std::snprintf(path, sizeof(path), "%.*s/%s", static_cast<int>(folder.size()),
                               folder.data(), name);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof(path)) return nullptr;
    return IsRegularFile(path) ? OpenLibrary(path) : nullptr;
}

void* OpenBesideExecutable(const char* name) {
    char path[kPathSize];
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return nullptr;
    std::string_view executable(path, static_cast<std::size_t>(length));
    std::size_t slash = executable.rfind('/');
    if (slash == std::string_view::npos) return nullptr;
    return OpenIn(executable.substr(0, slash), name);
}

// The entries of LD_LIBRARY_PATH, read now rather than at start-up, split on
// ':' and ';' as the dynamic loader splits them. Only absolute entries are
// tried: an empty or relative one would name the current working folder or
// a folder below it. Like the loader, a set-user-ID program ignores the
// variable (secure_getenv).
void* OpenFromLibraryPath(const char* name) {
    const char* entry = secure_getenv("LD_LIBRARY_PATH");
    if (entry == nullptr) return nullptr;
    for (;;) {
        std::size_t length = std::strcspn(entry, ":;");
        if (entry[0] == '/') {
            if (void* module = OpenIn(std::string_view(entry, length), name)) return module;
        }
        if (entry[length] == '\0') return nullptr;
        entry += length + 1;
    }
}

void* OpenFromSystemFolders(const char* name) {
    for (const char* folder : kSystemFolders) {
        if (void* module = OpenIn(folder, name)) return module;
    }
    return nullptr;
}

}  // namespace

HMODULE LoadLibraryA(LPCSTR fileName) {
    if (fileName == nullptr || fileName[0] == '\0') return nullptr;
    if (std::strchr(fileName, '/') != nullptr) return static_cast<HMODULE>(OpenLibrary(fileName));
    void* module = OpenBesideExecutable(fileName);
    if (module == nullptr) module = OpenFromLibraryPath(fileName);
    if (module == nullptr) module = OpenFromSystemFolders(fileName);
    return static_cast<HMODULE>(module);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    if (module == nullptr || procName == nullptr) return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(module, procName));
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr) return FALSE;
    return dlclose(module) == 0 ? TRUE : FALSE;
}
