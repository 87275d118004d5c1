#include "element_array.h"

#include <climits>
#include <cstdlib>
#include <cstring>

ElementArray::ElementArray(int elementSize) { SetElementSize(elementSize); }

ElementArray::~ElementArray() { std::free(data_); }

void ElementArray::SetElementSize(int size) { elementSize_ = size < 1 ? 1 : size; }

void* ElementArray::GetAt(int index) const {
    if (index < 0 || index >= count_) return nullptr;
    return data_ + static_cast<long>(index) * elementSize_;
}

void ElementArray::RemoveAt(int index) {
    if (index < 0 || index >= count_) return;
    unsigned char* target = data_ + static_cast<long>(index) * elementSize_;
    long bytesAfter = static_cast<long>(count_ - index - 1) * elementSize_;
    std::memmove(target, target + elementSize_, bytesAfter);
    --count_;
}

int ElementArray::Resize(int elements) {
    if (elements < 1) {
        std::free(data_);
        data_ = nullptr;
        capacity_ = 0;
        count_ = 0;
        return 1;
    }
    // Capacity is a 32-bit byte count; a size past it cannot be stored.
    if (elements > INT_MAX / elementSize_) return 0;
    int bytes = elements * elementSize_;
    void* grown = std::realloc(data_, bytes);
    if (grown == nullptr) return 0;
    data_ = static_cast<unsigned char*>(grown);
    capacity_ = bytes;
    if (count_ > elements) count_ = elements;
    return 1;
}

void ElementArray::Append(const void* element) {
    long used = static_cast<long>(elementSize_) * count_;
    if (capacity_ - elementSize_ <= used) {
        if (count_ > INT_MAX - 8 || Resize(count_ + 8) == 0) return;
    }
    ++count_;
    std::memcpy(data_ + used, element, elementSize_);
}
