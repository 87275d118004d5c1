// A connection that only reads a file in WAL mode makes the file's log and
// its index (NAME-wal, NAME-shm) when they are not there yet, and, since it
// may not write, never removes them again. When this connection made them,
// a read-write connection that only reads the schema is opened and closed
// after it: SQLite's own close removes them once no other connection uses
// the file, and leaves the database itself as it was.
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sqlite_store.h"

namespace {

bool Exists(const char* databasePath, const char* suffix) {
    char path[4096];
    const int length = std::snprintf(path, sizeof(path), "%s%s", databasePath, suffix);
    return length > 0 && static_cast<std::size_t>(length) < sizeof(path) && access(path, F_OK) == 0;
}

}  // namespace

void SqliteStore::NoteLogFiles() {
    std::free(tidyAfter_);
    tidyAfter_ = nullptr;
    const char* path = sqlite3_db_filename(database_, "main");
    if (path == nullptr || path[0] == '\0') return;
    if (Exists(path, "-wal") || Exists(path, "-shm")) return;
    tidyAfter_ = strdup(path);
}

bool SqliteStore::LogCannotBeMade() const {
    if (tidyAfter_ == nullptr) return false;
    char folder[4096];
    std::snprintf(folder, sizeof(folder), "%s", tidyAfter_);
    char* slash = std::strrchr(folder, '/');
    if (slash == nullptr) return access(".", W_OK) != 0;
    slash[slash == folder ? 1 : 0] = '\0';
    return access(folder, W_OK) != 0;
}

void SqliteStore::TidyLogFiles() {
    char* path = tidyAfter_;
    tidyAfter_ = nullptr;
    if (path == nullptr) return;
    if (Exists(path, "-wal")) {
        sqlite3* tidier = nullptr;
        if (sqlite3_open_v2(path, &tidier, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
            sqlite3_db_config(tidier, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
            sqlite3_exec(tidier, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        }
        sqlite3_close_v2(tidier);
    }
    std::free(path);
}
