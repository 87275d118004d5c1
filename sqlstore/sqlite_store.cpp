#include "sqlite_store.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

#include "row_copy.h"

SqliteStore::~SqliteStore() {
    Close();
    std::free(tidyAfter_);
}

int SqliteStore::Close() {
    ClearError();
    CloseConnection();
    return 1;
}

void SqliteStore::CloseConnection() {
    if (database_ == nullptr) return;
    // Execute finalizes every statement before it returns, so nothing keeps
    // the connection open past this call.
    sqlite3_close_v2(database_);
    database_ = nullptr;
    if (readOnly_) TidyLogFiles();
    readOnly_ = false;
}

const char* SqliteStore::GetLastErrorText() { return lastError_; }

void SqliteStore::SetError(const char* text) {
    std::snprintf(lastError_, sizeof(lastError_), "%s", text != nullptr ? text : "unknown error");
}

namespace {

// Which of the file's own faults an SQLite result code is, if any.
const char* FileFaultOf(int code, bool& damage) {
    switch (code & 0xFF) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB: damage = true; return ZISQL_DAMAGED;
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM: return ZISQL_NOT_WRITABLE;
        case SQLITE_FULL: return ZISQL_DISK_FULL;
        default: return "";
    }
}

// Whether any value of the current row is longer than a figure can be.
bool HasOverlongValue(sqlite3_stmt* statement) {
    for (int column = 0; column < sqlite3_column_count(statement); ++column) {
        if (sqlite3_column_type(statement, column) == SQLITE_NULL) continue;
        if (sqlite3_column_bytes(statement, column) > ZISQL_LONGEST_VALUE) return true;
    }
    return false;
}

}  // namespace

void SqliteStore::SetErrorFromDatabase() {
    bool damage = false;
    const char* fault = FileFaultOf(sqlite3_extended_errcode(database_), damage);
    damaged_ = damaged_ || damage;
    std::snprintf(lastError_, sizeof(lastError_), "%s%s", fault, sqlite3_errmsg(database_));
}



bool SqliteStore::RunStatement(sqlite3_stmt* statement, RowCopy& row, void* context,
                               SqlRowCallback callback, bool& stopped) {
    row.StartStatement();
    for (;;) {
        int status = sqlite3_step(statement);
        if (status == SQLITE_DONE) return true;
        if (status != SQLITE_ROW) return false;
        if (callback == nullptr || HasOverlongValue(statement)) continue;
        if (!row.Take(statement)) {
            SetError("out of memory copying a row");
            return false;
        }
        if (callback(context, sqlite3_column_count(statement), row.Texts(), row.Names()) != 0) {
            // The caller asked to stop; that is not a failure of the store.
            stopped = true;
            return true;
        }
    }
}

int SqliteStore::Execute(const char* sql, void* context, SqlRowCallback callback) {
    ClearError();
    if (database_ == nullptr) {
        SetError("no database is open");
        return 0;
    }
    if (sql == nullptr) {
        SetError("no statement");
        return 0;
    }
    RowCopy row;
    bool stopped = false;
    const char* next = sql;
    // One text may hold several statements; each runs to its end in turn.
    while (!stopped && *next != '\0') {
        sqlite3_stmt* statement = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(database_, next, -1, &statement, &tail) != SQLITE_OK) {
            SetErrorFromDatabase();
            return 0;
        }
        next = tail;
        if (statement == nullptr) continue;  // only white space or a comment
        if (damaged_ && !sqlite3_stmt_readonly(statement)) {
            sqlite3_finalize(statement);
            SetError(ZISQL_DAMAGED "the file is not written again");
            return 0;
        }
        bool ran = RunStatement(statement, row, context, callback, stopped);
        if (!ran && lastError_[0] == '\0') SetErrorFromDatabase();
        sqlite3_finalize(statement);
        if (!ran) return 0;
    }
    return 1;
}
