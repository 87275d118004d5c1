// One result row copied out of SQLite into writable texts that belong to the
// store, so a row callback may cut them up in place (the page store decodes
// objData that way) without touching SQLite's own buffers.
#ifndef TARNWICK_SQLSTORE_ROW_COPY_H
#define TARNWICK_SQLSTORE_ROW_COPY_H

#include <cstddef>

struct sqlite3_stmt;

class RowCopy {
public:
    RowCopy() = default;
    ~RowCopy();

    // Copies the current row of `statement` (texts and column names); a NULL
    // column becomes an empty text. False when memory runs out.
    bool Take(sqlite3_stmt* statement);

    char** Texts() { return texts_; }
    char** Names() { return names_; }

private:
    RowCopy(const RowCopy&) = delete;
    RowCopy& operator=(const RowCopy&) = delete;

    bool Reserve(std::size_t bytes, int columnCount);

    // All texts of a row live in one buffer, reused from row to row.
    char* bytes_ = nullptr;
    std::size_t byteCapacity_ = 0;
    char** texts_ = nullptr;
    char** names_ = nullptr;
    int pointerCapacity_ = 0;
};

#endif
