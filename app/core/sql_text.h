// The statements the page store runs, and building them. Values are written
// into the text (the store takes no parameters); texts are built in owned
// buffers that grow as needed, so no statement is ever cut short.
#ifndef TARNWICK_APP_SQL_TEXT_H
#define TARNWICK_APP_SQL_TEXT_H

#include <cstddef>

#include "owned_text.h"

inline constexpr const char kCreateObjectsTable[] =
    "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER)";
inline constexpr const char kCreatePagesTable[] =
    "CREATE TABLE Pages (pageNumber INTEGER, pageName TEXT, pageKeys TEXT)";
// Loading a page reads only its rows, however many other pages there are,
// and reads them from the index alone: a page's rows lie side by side there,
// while in the table they are spread over the months of drawing between
// them (a page of 10 000 figures in a file of a million loads about as fast
// as in a file of that page alone, for some 75% more file).
inline constexpr const char kCreatePageIndex[] =
    "CREATE INDEX IF NOT EXISTS ObjectsByPage ON Objects(pageNumber, objData, objType)";
// Files written before the index held whole rows get the new one once.
inline constexpr const char kPageIndexColumnsQuery[] = "PRAGMA index_info(ObjectsByPage)";
inline constexpr const char kRebuildPageIndex[] =
    "BEGIN; DROP INDEX IF EXISTS ObjectsByPage; "
    "CREATE INDEX ObjectsByPage ON Objects(pageNumber, objData, objType); COMMIT";

// What the schema says of the two tables: their kinds, columns, keys and
// unique indexes (rows: schema, name, type, ncol, wr, strict).
inline constexpr const char kObjectsKindQuery[] =
    "SELECT type FROM sqlite_master WHERE name = 'Objects' COLLATE NOCASE";
inline constexpr const char kPagesKindQuery[] =
    "SELECT type FROM sqlite_master WHERE name = 'Pages' COLLATE NOCASE";
inline constexpr const char kObjectsColumnsQuery[] = "PRAGMA table_info(Objects)";
inline constexpr const char kPagesColumnsQuery[] = "PRAGMA table_info(Pages)";
inline constexpr const char kObjectsTableListQuery[] = "PRAGMA table_list(Objects)";
inline constexpr const char kObjectsIndexListQuery[] = "PRAGMA index_list(Objects)";
// The page query as a page load runs it, on no page: it fails on a table
// that the program could not read pages from.
inline constexpr const char kPageQueryProbe[] =
    "SELECT rowid, * FROM Objects WHERE pageNumber = 0 ORDER BY rowid LIMIT 0";

// A page's objects in the order they were drawn: rowid grows with every
// insert, and SQLite promises no order unless it is asked for one. Each
// comes with its rowid, by which the figure on screen knows its row (the
// page index holds it too, so the index alone still answers).
inline constexpr const char kSelectPageFormat[] =
    "SELECT rowid, * FROM Objects WHERE pageNumber = %d ORDER BY rowid";
// Deletions hand back what they removed (rowid, objType, objData), so an
// undo can put exactly those rows back where they were.
inline constexpr const char kDeletePageObjectsFormat[] =
    "DELETE FROM Objects WHERE pageNumber = %d RETURNING rowid, objType, objData";
inline constexpr const char kDeletePageRowFormat[] = "DELETE FROM Pages WHERE pageNumber = %d";
inline constexpr const char kDeleteKindFormat[] =
    "DELETE FROM Objects WHERE objType = %d AND pageNumber = %d RETURNING rowid, objType, objData";
// Erasing one figure's row opens a transaction that the caller ends once it
// has seen the row is the figure's.
inline constexpr const char kEraseRowFormat[] =
    "BEGIN IMMEDIATE; DELETE FROM Objects WHERE rowid = %lld AND pageNumber = %d "
    "RETURNING rowid, objType, objData";

// Which run of the unsaved file the database has already taken.
inline constexpr const char kUnsavedTokenQuery[] = "PRAGMA user_version";

// Room for any of the page statements above with any int values.
inline constexpr std::size_t kPageStatementSize = 160;
static_assert(sizeof(kEraseRowFormat) + 20 + 11 < kPageStatementSize, "any rowid and page fit");

// A statement built piece by piece in a buffer that grows; once an append
// fails for want of memory every later one fails too, and Take gives null.
class StatementText {
public:
    StatementText& Append(const char* text);
    StatementText& AppendNumber(long long value);
    // Between single quotes, every quote inside doubled, so the literal
    // holds the text byte for byte.
    StatementText& AppendQuoted(const char* text);
    OwnedText Take();

private:
    bool Reserve(std::size_t more);

    OwnedText text_;
    std::size_t length_ = 0;
    std::size_t capacity_ = 0;
    bool failed_ = false;
};

// "INSERT INTO Objects VALUES (page, 'objData', kind)"; null when memory
// runs out.
OwnedText BuildInsertStatement(int pageNumber, const char* objData, int kind);

// The pieces of the store's statements on single rows, each ending in ';'.
// A row goes in with its former rowid when it had one and that rowid is
// free (so it takes its old place in the page's order), otherwise with a
// new one; either way the statement hands back the rowid it got.
void AppendInsertReturningRowid(StatementText& sql, int pageNumber, const char* objData, int kind,
                                long long formerRowid);
// Removes one row by its identity, handing back its rowid when it was
// there; the page and content must match too, so a rowid another program
// has since given to another figure is never hit.
void AppendDeleteRow(StatementText& sql, long long rowid, int pageNumber, const char* objData);

#endif
