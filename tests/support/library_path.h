// Where the deliverables and test libraries are: beside the test binary.
#ifndef TARNWICK_TESTS_LIBRARY_PATH_H
#define TARNWICK_TESTS_LIBRARY_PATH_H

#include <dlfcn.h>
#include <unistd.h>

#include <string>

inline std::string TestBinaryFolder() {
    char path[4096];
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) return "./";
    std::string full(path, length);
    return full.substr(0, full.rfind('/') + 1);
}

// Whether the dynamic loader has the library beside the test binary mapped.
inline bool IsLibraryLoaded(const std::string& fileName) {
    std::string path = TestBinaryFolder() + fileName;
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr) return false;
    dlclose(handle);
    return true;
}

#endif
