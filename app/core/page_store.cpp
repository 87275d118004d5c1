#include "page_store.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "figure_text.h"
#include "sql_text.h"

void PageStore::Attach(ZISqllite* store, ZDrawSp* surface, ZLinklistCOM* pageObjects) {
    store_ = store;
    surface_ = surface;
    pageObjects_ = pageObjects;
    shown_.Forget();
}

void PageStore::ShowStatus() {
    status_.keptFigures = kept_.Count();
    char caption[kCaptionSize];
    FormatStoreCaption(caption, sizeof(caption), status_);
    if (std::strcmp(caption, caption_) == 0) return;
    std::memcpy(caption_, caption, sizeof(caption_));
    if (screen_ != nullptr) screen_->CaptionChanged(caption_);
}

// A refusal names its page until that page is done with: a later success
// of the same kind on it, or the page shown anew.
void PageStore::NoteNotice(bool done, StoreNotice notice, int pageNumber) {
    if (!done) {
        status_.notice = notice;
        status_.noticePage = pageNumber;
    } else if (status_.notice == notice && status_.noticePage == pageNumber) {
        status_.notice = StoreNotice::None;
    }
    ShowStatus();
}

void PageStore::TopFigureRemoved() {
    if (screen_ != nullptr) screen_->TopFigureRemoved();
}

void PageStore::FigureAdded(DrawObject* figure) {
    if (screen_ != nullptr) screen_->FigureAdded(figure);
}

void PageStore::PageChanged() {
    if (screen_ != nullptr) screen_->PageChanged();
}

namespace {

// The rowid each INSERT ... RETURNING hands back, in order.
int CollectRowid(void* context, int columnCount, char** texts, char**) {
    auto* rowids = static_cast<std::vector<long long>*>(context);
    if (columnCount != 1 || rowids->size() == rowids->capacity()) return 1;
    rowids->push_back(std::strtoll(texts[0], nullptr, 10));
    return 0;
}

}  // namespace

int ReadNumber(void* context, int count, char** texts, char**) {
    if (count >= 1) *static_cast<long long*>(context) = std::strtoll(texts[0], nullptr, 10);
    return 0;
}

// A statement that changes the file; damage it meets is remembered, since
// the store writes nothing into a damaged file from then on.
bool PageStore::Run(const char* statement) {
    if (statement != nullptr && store_->Execute(statement, nullptr, nullptr)) return true;
    NoteDamage();
    return false;
}

bool PageStore::StoreReportsDamage() const {
    const char* error = store_->GetLastErrorText();
    return error != nullptr && std::strncmp(error, ZISQL_DAMAGED, std::strlen(ZISQL_DAMAGED)) == 0;
}

void PageStore::NoteDamage() {
    if (status_.damaged || !StoreReportsDamage()) return;
    status_.damaged = true;
    ShowStatus();
}

// The kept rows go in one transaction: all of them or none, in order, and
// with them the token of the unsaved file their first rows came from, so
// that file is never stored twice. Each row's new identity goes to its
// place in the history.
bool PageStore::WriteKept() {
    if (store_ == nullptr || kept_.Count() == 0) return kept_.Count() == 0;
    // A single figure's INSERT is a transaction of its own.
    const bool oneStatement = kept_.Count() == 1 && unsavedToken_ == 0;
    if (!oneStatement && !store_->Execute("BEGIN IMMEDIATE", nullptr, nullptr)) return KeptNotWritten(false);
    // Another copy of the program, started on the same folder, may have
    // stored the unsaved file's rows since this one read them.
    if (unsavedToken_ != 0 && StoredUnsavedToken() == unsavedToken_) {
        kept_.DropUnsavedFileRows();
        UnsavedFileStored();
    }
    std::vector<long long> rowids;
    OwnedText statement = KeptRowsStatement(oneStatement);
    try {
        rowids.reserve(kept_.Rows().size());
    } catch (const std::bad_alloc&) {
        return KeptNotWritten(!oneStatement);
    }
    if (!statement || !store_->Execute(statement.get(), &rowids, CollectRowid) ||
        rowids.size() != kept_.Rows().size()) {
        return KeptNotWritten(!oneStatement);
    }
    NoteStoredRows(rowids);
    kept_.DropFirst(rowids.size());
    if (unsavedToken_ != 0) UnsavedFileStored();
    ShowStatus();
    return true;
}

// Every kept row's INSERT, the unsaved file's token, and the end of the
// transaction.
OwnedText PageStore::KeptRowsStatement(bool oneStatement) const {
    StatementText sql;
    for (const KeptRow& row : kept_.Rows()) {
        AppendInsertReturningRowid(sql, row.pageNumber, row.objData.get(), row.kind, row.formerRowid);
    }
    if (unsavedToken_ != 0) sql.Append("PRAGMA user_version = ").AppendNumber(unsavedToken_).Append(";");
    if (!oneStatement) sql.Append("COMMIT;");
    return sql.Take();
}

bool PageStore::KeptNotWritten(bool inTransaction) {
    NoteDamage();
    if (inTransaction) store_->Execute("ROLLBACK", nullptr, nullptr);
    ShowStatus();
    return false;
}

long long PageStore::StoredUnsavedToken() {
    long long token = 0;
    if (store_ != nullptr) store_->Execute(kUnsavedTokenQuery, &token, ReadNumber);
    return token;
}

// Should the file stay (it cannot be removed), its token makes the next
// run pass it by.
void PageStore::UnsavedFileStored() {
    if (unsavedFile_) std::remove(unsavedFile_.get());
    unsavedToken_ = 0;
}

// Each stored row's rowid goes to its place in the history and, when its
// figure is on screen, to the record of the figures shown.
void PageStore::NoteStoredRows(const std::vector<long long>& rowids) {
    for (std::size_t i = 0; i < rowids.size(); ++i) {
        const KeptRow& kept = kept_.Rows()[i];
        if (kept.pageNumber == shown_.Page()) shown_.Stored(-static_cast<FigureIdentity>(kept.serial), rowids[i]);
        HistoryRow* row = history_.Row(kept.origin);
        if (row == nullptr) continue;
        row->rowid = rowids[i];
        row->inFile = true;
    }
}

// The figure joins the kept rows and they are written in order, and the
// history learns of it. Only when even keeping it fails (no memory) is it
// written on its own.
void PageStore::Save(DrawObject* object, int pageNumber) { Store(object, pageNumber, false); }

// The figure on screen gets its entry in the record of the figures shown
// before it is written, so that writing it gives the entry its rowid. A
// figure without an encoding has no row, and draws nothing.
void PageStore::AddFigure(DrawObject* figure, int pageNumber) {
    if (pageObjects_ == nullptr || figure == nullptr) return;
    pageObjects_->AddTail(figure);
    Store(figure, pageNumber, shown_.Page() == pageNumber);
}

void PageStore::Store(DrawObject* object, int pageNumber, bool shown) {
    if (store_ == nullptr || object == nullptr) return;
    OwnedText objData = EncodeFigure(object);
    if (!objData) {
        if (shown) shown_.Add(0, FigureBox{});
        return;
    }
    const FigureBox box = shown ? BoxOfObjData(objData.get()) : FigureBox{};
    KeepFigure(std::move(objData), pageNumber, object->GetKind(), shown ? &box : nullptr);
}

void PageStore::KeepFigure(OwnedText objData, int pageNumber, int kind, const FigureBox* shownBox) {
    HistoryPlace place;
    std::vector<HistoryRow> rows(1);
    rows[0].kind = kind;
    rows[0].objData = CopyText(objData.get());
    if (rows[0].objData) place.step = history_.Record(Change::Added, pageNumber, std::move(rows));
    KeptRow row;
    row.pageNumber = pageNumber;
    row.kind = kind;
    row.objData = std::move(objData);
    row.origin = place;
    if (kept_.Add(std::move(row))) {
        if (shownBox != nullptr) shown_.Add(-static_cast<FigureIdentity>(kept_.Rows().back().serial), *shownBox);
        WriteKept();
        return;
    }
    // No memory to keep it (Add left the row here): it is written alone,
    // and its row is not known.
    OwnedText alone = BuildInsertStatement(pageNumber, row.objData.get(), kind);
    Run(alone.get());
    if (shownBox != nullptr) shown_.Add(0, *shownBox);
}

// A figure decoded from objData (cut up in the process) at the end of the
// page objects; its box is read first, while the text is whole.
void PageStore::AppendFigure(char* objData, FigureIdentity identity) {
    const FigureBox box = BoxOfObjData(objData);
    DrawObject* object = surface_->CreateObject();
    if (object == nullptr) return;
    object->Decode(objData);
    pageObjects_->AddTail(object);
    object->Release();
    shown_.Add(identity, box);
}

// Kept figures of the page are on screen too, after the stored ones; each
// is decoded from a copy, since decoding cuts the text up.
void PageStore::AppendKeptFigures(int pageNumber) {
    for (const KeptRow& row : kept_.Rows()) {
        if (row.pageNumber != pageNumber) continue;
        OwnedText copy = CopyText(row.objData.get());
        if (copy) AppendFigure(copy.get(), -static_cast<FigureIdentity>(row.serial));
    }
}

// A page that cannot be read shows empty, and the caption says so.
void PageStore::Load(int pageNumber) {
    if (store_ == nullptr || pageObjects_ == nullptr) return;
    WriteKept();
    pageObjects_->RemoveAll();
    shown_.Clear(pageNumber);
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kSelectPageFormat, pageNumber);
    if (store_->Execute(statement, this, RowToObject)) {
        NoteNotice(true, StoreNotice::NotRead, pageNumber);
    } else {
        NoteDamage();
        if (!status_.damaged) NoteNotice(false, StoreNotice::NotRead, pageNumber);
    }
    if (surface_ != nullptr) AppendKeptFigures(pageNumber);
    PageChanged();
}

void PageStore::Show(int pageNumber) {
    if (status_.noticePage == pageNumber) status_.notice = StoreNotice::None;
    Load(pageNumber);
    ShowStatus();
}

// The page query's columns: rowid, pageNumber, objData, objType.
int PageStore::RowToObject(void* context, int columnCount, char** columnTexts, char**) {
    if (columnCount != 4) return 1;
    auto* pages = static_cast<PageStore*>(context);
    char* objData = columnTexts[2];
    // A row without objData holds no figure; skip it, keep the rest.
    if (objData == nullptr || objData[0] == '\0') return 0;
    const FigureIdentity rowid = columnTexts[0] != nullptr ? std::strtoll(columnTexts[0], nullptr, 10) : 0;
    pages->AppendFigure(objData, rowid);
    return 0;
}
