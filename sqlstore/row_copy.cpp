#include "row_copy.h"

#include <sqlite3.h>

#include <cstdlib>
#include <cstring>

RowCopy::~RowCopy() {
    std::free(bytes_);
    std::free(texts_);
    std::free(names_);
}

bool RowCopy::Reserve(std::size_t bytes, int columnCount) {
    if (bytes > byteCapacity_) {
        char* grown = static_cast<char*>(std::realloc(bytes_, bytes));
        if (grown == nullptr) return false;
        bytes_ = grown;
        byteCapacity_ = bytes;
    }
    if (columnCount > pointerCapacity_ || texts_ == nullptr || names_ == nullptr) {
        std::size_t size = sizeof(char*) * static_cast<std::size_t>(columnCount + 1);
        char** texts = static_cast<char**>(std::realloc(texts_, size));
        if (texts == nullptr) return false;
        texts_ = texts;
        char** names = static_cast<char**>(std::realloc(names_, size));
        if (names == nullptr) return false;
        names_ = names;
        pointerCapacity_ = columnCount;
    }
    return true;
}

namespace {

std::size_t NameLength(sqlite3_stmt* statement, int column) {
    const char* name = sqlite3_column_name(statement, column);
    return name == nullptr ? 0 : std::strlen(name);
}

// Appends `length` bytes and a NUL at `at`; returns where the copy starts.
char* Append(char* at, const void* source, std::size_t length) {
    if (length > 0) std::memcpy(at, source, length);
    at[length] = '\0';
    return at;
}

}  // namespace

bool RowCopy::Take(sqlite3_stmt* statement) {
    int columnCount = sqlite3_column_count(statement);
    // Fetch every value as text first: sqlite3_column_bytes is only valid
    // after the conversion to text has happened.
    std::size_t total = 0;
    for (int column = 0; column < columnCount; ++column) {
        sqlite3_column_text(statement, column);
        total += static_cast<std::size_t>(sqlite3_column_bytes(statement, column)) + 1;
        total += NameLength(statement, column) + 1;
    }
    if (!Reserve(total == 0 ? 1 : total, columnCount)) return false;

    char* at = bytes_;
    for (int column = 0; column < columnCount; ++column) {
        const unsigned char* text = sqlite3_column_text(statement, column);
        std::size_t length = text == nullptr ? 0 : sqlite3_column_bytes(statement, column);
        texts_[column] = Append(at, text, length);
        at += length + 1;
        std::size_t nameLength = NameLength(statement, column);
        names_[column] = Append(at, sqlite3_column_name(statement, column), nameLength);
        at += nameLength + 1;
    }
    texts_[columnCount] = nullptr;
    names_[columnCount] = nullptr;
    return true;
}
