#include "page_store.h"

#include <cstdio>

#include "figure_text.h"
#include "sql_text.h"
#include "store_caption.h"

void PageStore::Attach(ZISqllite* store, ZDrawSp* surface, ZLinklistCOM* pageObjects) {
    store_ = store;
    surface_ = surface;
    pageObjects_ = pageObjects;
}

void PageStore::PageChanged() {
    if (screen_ != nullptr) screen_->PageChanged();
}

void PageStore::ShowStatus() {
    if (screen_ == nullptr) return;
    char caption[128];
    FormatStoreCaption(caption, sizeof(caption), kept_.Count(), damaged_, deleteFailed_);
    screen_->CaptionChanged(caption);
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
    if (damaged_ || !StoreReportsDamage()) return;
    damaged_ = true;
    ShowStatus();
}

bool PageStore::WriteKept() {
    if (store_ == nullptr) return kept_.Count() == 0;
    const int before = kept_.Count();
    const bool wasDamaged = damaged_;
    std::size_t written = 0;
    for (const KeptRow& row : kept_.Rows()) {
        OwnedText statement = BuildInsertStatement(row.pageNumber, row.objData.get(), row.kind);
        if (!Run(statement.get())) break;
        ++written;
    }
    kept_.DropFirst(written);
    if (kept_.Count() != before || damaged_ != wasDamaged) ShowStatus();
    return kept_.Count() == 0;
}

// The figure's row joins the kept ones and they are written in order. Only
// when even keeping it fails (no memory) is it written on its own.
void PageStore::Save(DrawObject* object, int pageNumber) {
    if (store_ == nullptr || object == nullptr) return;
    KeptRow row;
    row.pageNumber = pageNumber;
    row.kind = object->GetKind();
    row.objData = EncodeFigure(object);
    if (!row.objData) return;
    if (kept_.Add(std::move(row))) {
        if (!WriteKept()) ShowStatus();
        return;
    }
    // Add left the row here.
    OwnedText statement = BuildInsertStatement(pageNumber, row.objData.get(), row.kind);
    Run(statement.get());
}

// A figure decoded from objData (cut up in the process) at the end of the
// page objects.
void PageStore::AppendFigure(char* objData) {
    DrawObject* object = surface_->CreateObject();
    if (object == nullptr) return;
    object->Decode(objData);
    pageObjects_->AddTail(object);
    object->Release();
}

// Kept figures of the page are on screen too, after the stored ones; each
// is decoded from a copy, since decoding cuts the text up.
void PageStore::AppendKeptFigures(int pageNumber) {
    for (const KeptRow& row : kept_.Rows()) {
        if (row.pageNumber != pageNumber) continue;
        OwnedText copy = CopyText(row.objData.get());
        if (copy) AppendFigure(copy.get());
    }
}

void PageStore::Load(int pageNumber) {
    if (store_ == nullptr || pageObjects_ == nullptr) return;
    WriteKept();
    pageObjects_->RemoveAll();
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kSelectPageFormat, pageNumber);
    if (!store_->Execute(statement, this, RowToObject)) NoteDamage();
    if (surface_ != nullptr) AppendKeptFigures(pageNumber);
    PageChanged();
}

int PageStore::RowToObject(void* context, int columnCount, char** columnTexts, char**) {
    if (columnCount != 3) return 1;
    auto* pages = static_cast<PageStore*>(context);
    char* objData = columnTexts[1];
    // A row without objData holds no figure; skip it, keep the rest.
    if (objData == nullptr || objData[0] == '\0') return 0;
    pages->AppendFigure(objData);
    return 0;
}
