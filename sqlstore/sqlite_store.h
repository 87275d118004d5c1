// ZISqllite over SQLite 3: one database connection, statements run
// synchronously, query rows handed to the caller's callback as writable
// copies.
#ifndef TARNWICK_SQLSTORE_SQLITE_STORE_H
#define TARNWICK_SQLSTORE_SQLITE_STORE_H

#include "component.h"
#include "zisqllite.h"

struct sqlite3;
struct sqlite3_stmt;
class RowCopy;

class SqliteStore final : public ComponentObject<SqliteStore, ZISqllite> {
public:
    explicit SqliteStore(ComponentInterface* outer) : ComponentObject(outer) {}

    int Close() override;
    const char* GetLastErrorText() override;
    int Execute(const char* sql, void* context, SqlRowCallback callback) override;
    int Open(const char* fileName) override;

private:
    friend class ComponentObject<SqliteStore, ZISqllite>;
    ~SqliteStore();

    // Makes the freshly opened connection safe for a file from anyone and
    // durable, and proves that the file is a sound database this process can
    // write (store_open.cpp).
    bool PrepareConnection();
    bool DistrustFile();
    bool CheckSmallFile();
    bool ChooseJournal(bool fresh);
    bool ProveWritable();
    bool QueryText(const char* sql, char* result, int resultSize);

    bool AskedToReadOnly() const;
    // Opens and prepares one connection; on failure, whether the file can
    // only be read as it lies (store_open.cpp).
    bool OpenConnection(const char* fileName, bool& readAsItLies);
    // A connection that only reads still makes the log files of a file in
    // WAL mode, and cannot remove them; what it made is removed after it
    // (store_log_files.cpp).
    void NoteLogFiles();
    void TidyLogFiles();
    // No log is beside the file, and its folder cannot take one.
    bool LogCannotBeMade() const;
    void CloseConnection();

    // Runs one prepared statement to its end; false on an SQLite error.
    bool RunStatement(sqlite3_stmt* statement, RowCopy& row, void* context,
                      SqlRowCallback callback, bool& stopped);

    void ClearError() { lastError_[0] = '\0'; }
    void SetError(const char* text);
    // SQLite's message, marked when the file itself is the cause; damage
    // found by any statement stops every later write.
    void SetErrorFromDatabase();

    sqlite3* database_ = nullptr;
    bool damaged_ = false;
    bool readOnly_ = false;
    // The database's path while a read-only connection is open on a file
    // that had no log beside it; malloc'ed.
    char* tidyAfter_ = nullptr;
    char lastError_[512] = "";
};

#endif
