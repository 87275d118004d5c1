#include "row_copy.h"

#include <sqlite3.h>

#include <cstdlib>
#include <cstring>

RowCopy::~RowCopy() {
    std::free(bytes_);
    std::free(nameBytes_);
    std::free(texts_);
    std::free(names_);
    std::free(values_);
    std::free(lengths_);
}

bool RowCopy::Reserve(char*& bytes, std::size_t& capacity, std::size_t needed) {
    if (needed <= capacity && bytes != nullptr) return true;
    char* grown = static_cast<char*>(std::realloc(bytes, needed));
    if (grown == nullptr) return false;
    bytes = grown;
    capacity = needed;
    return true;
}

namespace {

template <class T>
bool Grow(T*& array, int count) {
    T* grown = static_cast<T*>(std::realloc(array, sizeof(T) * static_cast<std::size_t>(count)));
    if (grown == nullptr) return false;
    array = grown;
    return true;
}

}  // namespace

bool RowCopy::ReservePointers(int columnCount) {
    if (columnCount <= pointerCapacity_ && texts_ != nullptr) return true;
    if (!Grow(texts_, columnCount + 1) || !Grow(names_, columnCount + 1) || !Grow(values_, columnCount + 1) ||
        !Grow(lengths_, columnCount + 1))
        return false;
    pointerCapacity_ = columnCount;
    return true;
}

namespace {

// Appends `length` bytes and a NUL at `at`; returns where the copy starts.
char* Append(char* at, const void* source, std::size_t length) {
    if (length > 0) std::memcpy(at, source, length);
    at[length] = '\0';
    return at;
}

const char* NameOf(sqlite3_stmt* statement, int column) {
    const char* name = sqlite3_column_name(statement, column);
    return name != nullptr ? name : "";
}

}  // namespace

bool RowCopy::TakeNames(sqlite3_stmt* statement, int columnCount) {
    std::size_t total = 1;
    for (int column = 0; column < columnCount; ++column) total += std::strlen(NameOf(statement, column)) + 1;
    if (!Reserve(nameBytes_, nameCapacity_, total)) return false;
    char* at = nameBytes_;
    for (int column = 0; column < columnCount; ++column) {
        const char* name = NameOf(statement, column);
        const std::size_t length = std::strlen(name);
        names_[column] = Append(at, name, length);
        at += length + 1;
    }
    names_[columnCount] = nullptr;
    namesOf_ = statement;
    return true;
}

bool RowCopy::Take(sqlite3_stmt* statement) {
    const int columnCount = sqlite3_column_count(statement);
    if (!ReservePointers(columnCount)) return false;
    if (namesOf_ != statement && !TakeNames(statement, columnCount)) return false;
    // Each value is fetched as text once (sqlite3_column_bytes is valid
    // after the conversion); both stay valid until the row moves on.
    std::size_t total = 1;
    for (int column = 0; column < columnCount; ++column) {
        values_[column] = sqlite3_column_text(statement, column);
        lengths_[column] = values_[column] == nullptr ? 0 : static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
        total += lengths_[column] + 1;
    }
    if (!Reserve(bytes_, byteCapacity_, total)) return false;
    char* at = bytes_;
    for (int column = 0; column < columnCount; ++column) {
        texts_[column] = Append(at, values_[column], lengths_[column]);
        at += lengths_[column] + 1;
    }
    texts_[columnCount] = nullptr;
    return true;
}
