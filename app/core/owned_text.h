// A NUL-terminated text in a malloc'ed buffer with exactly one owner, freed
// with free when the owner goes. Allocation never throws: a text that could
// not be made is null.
#ifndef TARNWICK_APP_CORE_OWNED_TEXT_H
#define TARNWICK_APP_CORE_OWNED_TEXT_H

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>

struct FreeText {
    void operator()(char* text) const { std::free(text); }
};

using OwnedText = std::unique_ptr<char, FreeText>;

// Room for `size` bytes, or null.
inline OwnedText AllocateText(std::size_t size) { return OwnedText(static_cast<char*>(std::malloc(size))); }

// A copy of `text` (an empty text for null), or null when memory runs out.
inline OwnedText CopyText(const char* text) {
    if (text == nullptr) text = "";
    const std::size_t size = std::strlen(text) + 1;
    OwnedText copy = AllocateText(size);
    if (copy) std::memcpy(copy.get(), text, size);
    return copy;
}

#endif
