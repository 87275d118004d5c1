// Opening the database. Every INSERT that returns must survive a killed
// process and a power loss, and a store that cannot keep what is drawn must
// say so at once (Open gives 0) rather than lose every figure silently.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sqlite_store.h"

namespace {

// A second process holding the file makes a statement wait this long before
// it gives up.
constexpr int kBusyTimeoutMs = 5000;

constexpr char kCacheSettings[] = "PRAGMA cache_size=-32768";

struct TextResult {
    char* text;
    int size;
};

int CopyFirstColumn(void* context, int columnCount, char** texts, char**) {
    auto* result = static_cast<TextResult*>(context);
    if (columnCount >= 1 && texts[0] != nullptr) {
        std::snprintf(result->text, static_cast<std::size_t>(result->size), "%s", texts[0]);
    }
    return 0;
}

}  // namespace

// Runs a statement and keeps the first column of its last row as text.
bool SqliteStore::QueryText(const char* sql, char* result, int resultSize) {
    result[0] = '\0';
    TextResult target = {result, resultSize};
    if (sqlite3_exec(database_, sql, CopyFirstColumn, &target, nullptr) != SQLITE_OK) {
        SetErrorFromDatabase();
        return false;
    }
    return true;
}

bool SqliteStore::PrepareConnection() {
    sqlite3_busy_timeout(database_, kBusyTimeoutMs);
    char value[32];
    // Reading the schema proves the file is a database (a garbage file fails
    // here with "file is not a database").
    if (!QueryText("SELECT count(*) FROM sqlite_master", value, sizeof(value))) return false;
    if (sqlite3_db_readonly(database_, "main") != 0) {
        SetError("the database file cannot be written");
        return false;
    }
    // WAL with synchronous FULL: a commit is durable once it returns, and it
    // costs one sync of the log instead of several of a rollback journal.
    if (!QueryText("PRAGMA journal_mode=WAL", value, sizeof(value))) return false;
    const char* synchronous = "PRAGMA synchronous=FULL";
    if (std::strcmp(value, "wal") != 0) {
        // The file system cannot share WAL memory; a rollback journal is just
        // as safe when its directory is synced too.
        if (std::strcmp(value, "delete") != 0 && std::strcmp(value, "truncate") != 0 &&
            std::strcmp(value, "persist") != 0) {
            SetError("the database keeps no durable journal");
            return false;
        }
        synchronous = "PRAGMA synchronous=EXTRA";
    }
    if (!QueryText(synchronous, value, sizeof(value))) return false;
    // Reading a page of figures scattered through a large file touches one
    // table page per figure; a cache that holds them all lets a page load in
    // about the same time whatever else the file holds.
    if (!QueryText(kCacheSettings, value, sizeof(value))) return false;
    // A real committed write: rewriting user_version with its own value
    // changes nothing but fails when the file, its journal or its folder
    // cannot be written.
    if (!QueryText("PRAGMA user_version", value, sizeof(value))) return false;
    char rewrite[64];
    std::snprintf(rewrite, sizeof(rewrite), "PRAGMA user_version=%d", std::atoi(value));
    return QueryText(rewrite, value, sizeof(value));
}

int SqliteStore::Open(const char* fileName) {
    Close();
    if (fileName == nullptr) {
        SetError("no file name");
        return 0;
    }
    int status = sqlite3_open_v2(fileName, &database_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                 nullptr);
    if (status != SQLITE_OK || !PrepareConnection()) {
        if (database_ != nullptr && lastError_[0] == '\0') SetErrorFromDatabase();
        if (database_ == nullptr) SetError("out of memory");
        sqlite3_close_v2(database_);
        database_ = nullptr;
        return 0;
    }
    ClearError();
    return 1;
}
