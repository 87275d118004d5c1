// Opening the database: the store's own checks (a damaged file, one that
// cannot be written), then the program's tables, made when absent and
// checked when present. A file whose tables are of another shape (another
// program's database, or one shaped to mislead) is closed again before
// anything is written to it: every page would show empty and every new
// figure would fail to store.
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "page_store.h"
#include "owned_text.h"
#include "sql_text.h"
#include "unsaved_file.h"

namespace {

// The unsaved file is the database file's name with this after it.
constexpr char kUnsavedSuffix[] = "-unsaved";

// What the schema says of one table: whether it is a table at all, and its
// column names in order.
struct TableShape {
    int tables = 0;
    int others = 0;  // views and anything else by that name
    char columns[3][16] = {};
    int columnCount = 0;
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
    ++shape->columnCount;
    return 0;
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
    return pages.tables == 0 || (pages.columnCount >= 1 && strcasecmp(pages.columns[0], "pageNumber") == 0);
}

bool PageStore::Open(const char* fileName) {
    openFault_ = OpenFault::None;
    damaged_ = false;
    deleteFailed_ = false;
    kept_.Clear();
    unsavedFile_.reset();
    if (store_ == nullptr) {
        openFault_ = OpenFault::NoStore;
        return false;
    }
    if (store_->Open(fileName) == 0) {
        // Any other cause than damage leaves a file figures cannot be written to.
        openFault_ = StoreReportsDamage() ? OpenFault::Damaged : OpenFault::NotWritable;
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
    StatementText unsaved;
    unsaved.Append(fileName).Append(kUnsavedSuffix);
    unsavedFile_ = unsaved.Take();
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

void PageStore::TakeUnsavedFile() {
    if (!unsavedFile_ || !ReadUnsavedFile(unsavedFile_.get(), kept_)) return;
    // Rewritten with what is left, or gone once every row is stored.
    if (WriteKept()) {
        std::remove(unsavedFile_.get());
    } else {
        WriteUnsavedFile(unsavedFile_.get(), kept_);
    }
}

void PageStore::Close() {
    if (!WriteKept() && unsavedFile_) WriteUnsavedFile(unsavedFile_.get(), kept_);
    kept_.Clear();
    unsavedFile_.reset();
}
