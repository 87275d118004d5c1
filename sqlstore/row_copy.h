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

    // A new statement's rows follow: its column names are copied with its
    // first row.
    void StartStatement() { namesOf_ = nullptr; }
    // Copies the current row of `statement`; a NULL column becomes an empty
    // text. False when memory runs out.
    bool Take(sqlite3_stmt* statement);

    char** Texts() { return texts_; }
    char** Names() { return names_; }

private:
    RowCopy(const RowCopy&) = delete;
    RowCopy& operator=(const RowCopy&) = delete;

    bool ReservePointers(int columnCount);
    static bool Reserve(char*& bytes, std::size_t& capacity, std::size_t needed);
    bool TakeNames(sqlite3_stmt* statement, int columnCount);

    // The texts of a row live in one buffer, reused from row to row; the
    // names of a statement's columns in another, made once per statement.
    char* bytes_ = nullptr;
    std::size_t byteCapacity_ = 0;
    char* nameBytes_ = nullptr;
    std::size_t nameCapacity_ = 0;
    sqlite3_stmt* namesOf_ = nullptr;
    char** texts_ = nullptr;
    char** names_ = nullptr;
    const unsigned char** values_ = nullptr;  // SQLite's, for the row being taken
    std::size_t* lengths_ = nullptr;
    int pointerCapacity_ = 0;
};

#endif
