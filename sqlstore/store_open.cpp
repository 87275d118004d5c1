// Opening the database. Every INSERT that returns must survive a killed
// process and a power loss, and a store that cannot keep what is drawn must
// say so at once (Open gives 0) rather than lose every figure silently.
//
// The file may come from someone else, so the connection follows SQLite's
// advice for untrusted databases: no triggers or views run, no SQL functions
// reach the schema, cells are checked as they are read, no memory-mapped
// I/O, and the schema cannot be written through ordinary statements. A
// damaged file is found here when it is small enough to check whole within
// start-up's budget, and by any statement that meets the damage later.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sqlite_store.h"

namespace {

// A second process holding the file makes a statement wait this long before
// it gives up: the window must never freeze for longer than a moment, and
// the page store keeps what it could not write and tries again later.
constexpr int kBusyTimeoutMs = 100;

// quick_check reads the whole file: about 0.1 s for a 68 MB file of a
// million figures with a warm cache. Files up to this size (some 200 000
// figures) are checked at open within a few tens of milliseconds; larger
// ones are checked as their pages are read.
constexpr long long kCheckedBytes = 16LL << 20;

struct ConfigSetting {
    int option;
    int value;
};

constexpr ConfigSetting kUntrustedSettings[] = {
    {SQLITE_DBCONFIG_DEFENSIVE, 1},
    {SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0},
    {SQLITE_DBCONFIG_ENABLE_TRIGGER, 0},
    {SQLITE_DBCONFIG_ENABLE_VIEW, 0},
};

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

bool SqliteStore::DistrustFile() {
    for (const ConfigSetting& setting : kUntrustedSettings) {
        int now = -1;
        if (sqlite3_db_config(database_, setting.option, setting.value, &now) != SQLITE_OK ||
            now != setting.value) {
            SetError("the database cannot be opened safely");
            return false;
        }
    }
    char value[32];
    return QueryText("PRAGMA cell_size_check=ON", value, sizeof(value)) &&
           QueryText("PRAGMA mmap_size=0", value, sizeof(value));
}

// A whole-file check when the file is small enough for start-up.
bool SqliteStore::CheckSmallFile() {
    char pages[32], pageSize[32];
    if (!QueryText("PRAGMA page_count", pages, sizeof(pages)) ||
        !QueryText("PRAGMA page_size", pageSize, sizeof(pageSize)))
        return false;
    if (std::atoll(pages) * std::atoll(pageSize) > kCheckedBytes) return true;
    char verdict[256];
    if (!QueryText("PRAGMA quick_check(1)", verdict, sizeof(verdict))) return false;
    if (std::strcmp(verdict, "ok") == 0) return true;
    damaged_ = true;
    SetError(ZISQL_DAMAGED "the file fails its check");
    return false;
}

// A new file keeps its log in WAL with synchronous FULL: a commit is
// durable once it returns, and it costs one sync of the log instead of
// several of a rollback journal. A file that already holds tables keeps
// the journal it has, since switching would change a file that may not be
// the program's; its rollback journal is just as safe with EXTRA.
bool SqliteStore::ChooseJournal(bool fresh) {
    char mode[32];
    if (!QueryText(fresh ? "PRAGMA journal_mode=WAL" : "PRAGMA journal_mode", mode, sizeof(mode))) return false;
    const char* synchronous = "PRAGMA synchronous=FULL";
    if (std::strcmp(mode, "wal") != 0) {
        if (std::strcmp(mode, "delete") != 0 && std::strcmp(mode, "truncate") != 0 &&
            std::strcmp(mode, "persist") != 0) {
            SetError("the database keeps no durable journal");
            return false;
        }
        synchronous = "PRAGMA synchronous=EXTRA";
    }
    char value[32];
    return QueryText(synchronous, value, sizeof(value));
}

// A write that is rolled back: it needs the file's write lock and its
// journal, so it fails when the file, its journal or its folder cannot be
// written, and it leaves every byte of the file as it was. Another program
// holding the write lock past the busy timeout proves nothing against the
// file: it is writable, and what is drawn meanwhile waits for the lock.
bool SqliteStore::ProveWritable() {
    char version[32], value[32];
    if (!QueryText("PRAGMA user_version", version, sizeof(version))) return false;
    char rewrite[96];
    std::snprintf(rewrite, sizeof(rewrite), "BEGIN IMMEDIATE; PRAGMA user_version=%d", std::atoi(version));
    const bool written = QueryText(rewrite, value, sizeof(value));
    const int code = sqlite3_extended_errcode(database_) & 0xFF;
    sqlite3_exec(database_, "ROLLBACK", nullptr, nullptr, nullptr);
    if (written) return true;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
        ClearError();
        return true;
    }
    const std::size_t prefix = std::strlen(ZISQL_NOT_WRITABLE);
    if (std::strncmp(lastError_, ZISQL_NOT_WRITABLE, prefix) != 0 &&
        std::strncmp(lastError_, ZISQL_DISK_FULL, std::strlen(ZISQL_DISK_FULL)) != 0) {
        // Whatever else the write met, the file cannot be written here.
        std::memmove(lastError_ + prefix, lastError_, sizeof(lastError_) - prefix - 1);
        std::memcpy(lastError_, ZISQL_NOT_WRITABLE, prefix);
        lastError_[sizeof(lastError_) - 1] = '\0';
    }
    return false;
}

bool SqliteStore::PrepareConnection() {
    sqlite3_busy_timeout(database_, kBusyTimeoutMs);
    if (!DistrustFile()) return false;
    char tables[32];
    // Reading the schema proves the file is a database (a garbage file fails
    // here with "file is not a database").
    if (!QueryText("SELECT count(*) FROM sqlite_master", tables, sizeof(tables))) return false;
    char value[32];
    // A connection asked to read only needs neither a journal of its own
    // nor proof that it could write, and finds damage in what it reads as
    // it reads it: a reader such as the export reads every page anyway.
    if (readOnly_) return QueryText(kCacheSettings, value, sizeof(value));
    if (sqlite3_db_readonly(database_, "main") != 0) {
        SetError(ZISQL_NOT_WRITABLE "the database file cannot be written");
        return false;
    }
    if (!CheckSmallFile() || !ChooseJournal(std::atoi(tables) == 0)) return false;
    // Reading a page of figures scattered through a large file touches one
    // table page per figure; a cache that holds them all lets a page load in
    // about the same time whatever else the file holds.
    return QueryText(kCacheSettings, value, sizeof(value)) && ProveWritable();
}

// A name such as "file:Veldrin.dat?mode=ro" asks for a connection that
// only reads: it never creates the file and never writes to it.
bool SqliteStore::AskedToReadOnly() const {
    const char* mode = sqlite3_uri_parameter(sqlite3_db_filename(database_, "main"), "mode");
    return mode != nullptr && std::strcmp(mode, "ro") == 0;
}

bool SqliteStore::OpenConnection(const char* fileName, bool& readAsItLies) {
    // One connection serves one thread at a time, so SQLite's own locks
    // around every call are left out.
    int status = sqlite3_open_v2(fileName, &database_,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                                 nullptr);
    damaged_ = false;
    readOnly_ = status == SQLITE_OK && AskedToReadOnly();
    if (readOnly_) NoteLogFiles();
    if (status == SQLITE_OK && PrepareConnection()) return true;
    if (database_ != nullptr && lastError_[0] == '\0') SetErrorFromDatabase();
    if (database_ == nullptr) SetError("out of memory");
    // A file in WAL mode cannot be read, even to read only, where its index
    // can neither be found nor made (a folder this user may not write).
    // With no log beside it, no writer is at work, and the file is read as
    // it lies.
    readAsItLies = readOnly_ && (sqlite3_extended_errcode(database_) & 0xFF) == SQLITE_READONLY && LogCannotBeMade();
    CloseConnection();
    return false;
}

int SqliteStore::Open(const char* fileName) {
    Close();
    if (fileName == nullptr) {
        SetError("no file name");
        return 0;
    }
    bool readAsItLies = false;
    bool opened = OpenConnection(fileName, readAsItLies);
    if (!opened && readAsItLies) {
        char immutableName[4096];
        const int length = std::snprintf(immutableName, sizeof(immutableName), "%s&immutable=1", fileName);
        opened = length > 0 && static_cast<std::size_t>(length) < sizeof(immutableName) &&
                 OpenConnection(immutableName, readAsItLies);
    }
    if (!opened) return 0;
    ClearError();
    return 1;
}
