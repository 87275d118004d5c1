// What the fuzz targets share: a failed invariant that stops the run with a
// message (a sanitizer-style abort that libFuzzer and the replay both catch),
// reading typed values off the front of an input, and keeping the component
// libraries mapped for the whole process (libFuzzer's coverage counters of a
// library must not go away when the program's loader lets it go).
#ifndef TARNWICK_TESTS_FUZZ_FUZZ_SUPPORT_H
#define TARNWICK_TESTS_FUZZ_FUZZ_SUPPORT_H

#include <dlfcn.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "library_path.h"

#define FUZZ_CHECK(condition, ...)                                                   \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, \
                         #condition);                                                \
            std::fprintf(stderr, __VA_ARGS__);                                       \
            std::fprintf(stderr, "\n");                                              \
            std::abort();                                                            \
        }                                                                            \
    } while (false)

// Values taken from the front of an input; past its end every value is 0.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <class T>
    T Take() {
        T value{};
        const std::size_t n = sizeof(T) < size_ ? sizeof(T) : size_;
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }

    // Whatever is left, as bytes.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_), size_);
        data_ += size_;
        size_ = 0;
        return rest;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// Maps a library beside the binary for good; a later FreeLibrary of the same
// file only drops the loader's own reference.
inline void KeepLibraryLoaded(const char* fileName) {
    const std::string path = TestBinaryFolder() + fileName;
    if (dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE) == nullptr) {
        std::fprintf(stderr, "cannot load %s: %s\n", path.c_str(), dlerror());
        std::abort();
    }
}

// Windows, fonts and memory DCs need Qt's platform plugin; no display is
// wanted, so the offscreen one is the default.
inline void UseOffscreenPlatform() { setenv("QT_QPA_PLATFORM", "offscreen", 0); }

#endif
