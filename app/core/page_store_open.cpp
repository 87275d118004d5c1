// Opening the database: the store's own checks (a damaged file, one that
// cannot be written), then the program's tables, made when absent and
// checked when present. A file whose tables are of another shape (another
// program's database, or one shaped to mislead) is closed again before
// anything is written to it: every page would show empty and every new
// figure would fail to store.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "page_store.h"
#include "sql_text.h"
#include "unsaved_file.h"

namespace {

// The unsaved file is the database file's name with this after it; a file
// with ".tmp" after that is one a killed run did not finish writing.
constexpr char kUnsavedSuffix[] = "-unsaved";
constexpr char kUnfinishedSuffix[] = ".tmp";

// What the schema says of one table: whether it is a table at all, its
// column names in order, and anything that would refuse a figure's row.
struct TableShape {
    int tables = 0;
    int others = 0;  // views and anything else by that name
    char columns[3][16] = {};
    int columnCount = 0;
    int keyColumns = 0;      // columns of a primary key
    int withoutRowid = 0;    // declared WITHOUT ROWID
    int uniqueIndexes = 0;   // an index that refuses a second equal figure
};

int NoteKind(void* context, int count, char** texts, char**) {
    auto* shape = static_cast<TableShape*>(context);
    if (count >= 1 && std::strcmp(texts[0], "table") == 0) ++shape->tables;
    else ++shape->others;
    return 0;
}

int CountRow(void* context, int, char**, char**) {
    ++*static_cast<int*>(context);
    return 0;
}

// PRAGMA table_info rows: cid, name, type, notnull, default, pk.
int NoteColumn(void* context, int count, char** texts, char**) {
    auto* shape = static_cast<TableShape*>(context);
    if (count >= 2 && shape->columnCount < 3 && std::strlen(texts[1]) < sizeof(shape->columns[0]))
        std::strcpy(shape->columns[shape->columnCount], texts[1]);
    if (count >= 6 && std::strcmp(texts[5], "0") != 0) ++shape->keyColumns;
    ++shape->columnCount;
    return 0;
}

// PRAGMA table_list rows: schema, name, type, ncol, wr, strict.
int NoteTableFlags(void* context, int count, char** texts, char**) {
    if (count >= 5 && std::strcmp(texts[4], "0") != 0) ++static_cast<TableShape*>(context)->withoutRowid;
    return 0;
}

// PRAGMA index_list rows: seq, name, unique, origin, partial.
int NoteIndex(void* context, int count, char** texts, char**) {
    if (count >= 3 && std::strcmp(texts[2], "0") != 0) ++static_cast<TableShape*>(context)->uniqueIndexes;
    return 0;
}

// Whether files can be made in the folder that holds `fileName`.
bool FolderWritable(const char* fileName) {
    const char* slash = std::strrchr(fileName, '/');
    if (slash == nullptr) return access(".", W_OK) == 0;
    if (slash == fileName) return access("/", W_OK) == 0;
    OwnedText folder = CopyText(fileName);
    if (!folder) return true;
    folder.get()[slash - fileName] = '\0';
    return access(folder.get(), W_OK) == 0;
}

OwnedText JoinName(const char* name, const char* suffix) {
    StatementText joined;
    joined.Append(name).Append(suffix);
    return joined.Take();
}

}  // namespace

// Both tables are absent, or both are tables with the program's columns
// (names compared as SQL does, without regard to case).
bool PageStore::HasProgramTables() {
    static const char* const kObjectsColumns[] = {"pageNumber", "objData", "objType"};
    TableShape objects, pages;
    if (!store_->Execute(kObjectsKindQuery, &objects, NoteKind) ||
        !store_->Execute(kPagesKindQuery, &pages, NoteKind))
        return false;
    if (objects.others + pages.others > 0) return false;
    if (objects.tables == 0 && pages.tables == 0) return true;
    if (!store_->Execute(kObjectsColumnsQuery, &objects, NoteColumn) ||
        !store_->Execute(kPagesColumnsQuery, &pages, NoteColumn))
        return false;
    if (objects.columnCount != 3) return false;
    for (int i = 0; i < 3; ++i) {
        if (strcasecmp(objects.columns[i], kObjectsColumns[i]) != 0) return false;
    }
    // Pages rows are only ever deleted by page number.
    return (pages.tables == 0 || (pages.columnCount >= 1 && strcasecmp(pages.columns[0], "pageNumber") == 0)) &&
           ObjectsTableTakesFigures();
}

// The right columns are not enough: pages are read in rowid order, rows
// are taken out by rowid, and two equal figures are two rows. A table
// without rowids, with a key, or with a unique index could not hold a
// drawing, nor one whose page query fails.
bool PageStore::ObjectsTableTakesFigures() {
    TableShape objects;
    if (!store_->Execute(kObjectsColumnsQuery, &objects, NoteColumn) ||
        !store_->Execute(kObjectsTableListQuery, &objects, NoteTableFlags) ||
        !store_->Execute(kObjectsIndexListQuery, &objects, NoteIndex))
        return false;
    if (objects.keyColumns + objects.withoutRowid + objects.uniqueIndexes > 0) return false;
    return store_->Execute(kPageQueryProbe, nullptr, nullptr) != 0;
}

// Which of the store's refusals it was: damage, a full disk, or a file
// that cannot be written, and then whether its folder is why.
PageStore::OpenFault PageStore::FaultOfFailedOpen(const char* fileName) {
    if (StoreReportsDamage()) return OpenFault::Damaged;
    const char* error = store_->GetLastErrorText();
    if (error != nullptr && std::strncmp(error, ZISQL_DISK_FULL, std::strlen(ZISQL_DISK_FULL)) == 0) {
        return OpenFault::DiskFull;
    }
    return FolderWritable(fileName) ? OpenFault::NotWritable : OpenFault::FolderNotWritable;
}

bool PageStore::Open(const char* fileName) {
    openFault_ = OpenFault::None;
    status_ = StoreStatus{};
    kept_.Clear();
    shown_.Forget();
    history_.Clear();
    unsavedFile_.reset();
    unsavedToken_ = 0;
    ShowStatus();
    if (store_ == nullptr) {
        openFault_ = OpenFault::NoStore;
        return false;
    }
    if (store_->Open(fileName) == 0) {
        openFault_ = FaultOfFailedOpen(fileName);
        return false;
    }
    if (!HasProgramTables()) {
        store_->Close();
        openFault_ = OpenFault::NotOurs;
        return false;
    }
    // On every run but the first the tables exist and these fail harmlessly.
    store_->Execute(kCreateObjectsTable, nullptr, nullptr);
    store_->Execute(kCreatePagesTable, nullptr, nullptr);
    MakePageIndex();
    unsavedFile_ = JoinName(fileName, kUnsavedSuffix);
    TakeUnsavedFile();
    return true;
}

// A page index of one column (an older file) is rebuilt to hold whole rows;
// if that fails, the old index still serves.
void PageStore::MakePageIndex() {
    int columns = 0;
    store_->Execute(kPageIndexColumnsQuery, &columns, CountRow);
    if (columns == 0) {
        store_->Execute(kCreatePageIndex, nullptr, nullptr);
    } else if (columns == 1 && !store_->Execute(kRebuildPageIndex, nullptr, nullptr)) {
        store_->Execute("ROLLBACK", nullptr, nullptr);
    }
}

// The rows a former run could not store are stored first, together with
// the file's token; a file whose token the database already holds was
// stored before and only goes. Until its rows are stored the file stays
// as it is.
void PageStore::TakeUnsavedFile() {
    if (!unsavedFile_) return;
    OwnedText unfinished = JoinName(unsavedFile_.get(), kUnfinishedSuffix);
    if (unfinished) std::remove(unfinished.get());
    std::int32_t token = 0;
    if (!ReadUnsavedFile(unsavedFile_.get(), kept_, token)) return;
    unsavedToken_ = token;
    // Stored before when the database holds the token already.
    if (StoredUnsavedToken() == token) {
        kept_.Clear();
        UnsavedFileStored();
        return;
    }
    WriteKept();
}

void PageStore::Close() {
    if (!WriteKept() && unsavedFile_) {
        WriteUnsavedFile(unsavedFile_.get(), kept_, static_cast<std::int32_t>(StoredUnsavedToken()));
    }
    kept_.Clear();
    history_.Clear();
    unsavedFile_.reset();
    unsavedToken_ = 0;
}
