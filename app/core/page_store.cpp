#include "page_store.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sql_text.h"

PageStore::PageStore(int& currentPage, InvalidateCallback invalidate, StatusCallback status, void* context)
    : currentPage_(currentPage), invalidate_(invalidate), status_(status), context_(context) {}

void PageStore::Attach(ZISqllite* store, ZDrawSp* surface, ZLinklistCOM* pageObjects) {
    store_ = store;
    surface_ = surface;
    pageObjects_ = pageObjects;
}

namespace {

// The object's objData text in a malloc'ed buffer, or null when the object
// has no encoding (no points) or memory runs out.
char* EncodeObject(DrawObject* object) {
    int length = 0;
    object->Encode(nullptr, &length);
    if (length <= 0) return nullptr;
    char* text = static_cast<char*>(std::malloc(static_cast<std::size_t>(length)));
    if (text == nullptr) return nullptr;
    // Trust the text only when it was written and ends inside the buffer.
    if (object->Encode(text, &length) == 0 ||
        std::memchr(text, '\0', static_cast<std::size_t>(length)) == nullptr) {
        std::free(text);
        return nullptr;
    }
    return text;
}

}  // namespace

// A statement that changes the file; damage it meets is remembered, since
// the store writes nothing into a damaged file from then on.
bool PageStore::Run(const char* statement) {
    if (store_->Execute(statement, nullptr, nullptr)) return true;
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
    while (const KeptRow* row = kept_.First()) {
        char* statement = BuildInsertStatement(row->pageNumber, row->objData, row->kind);
        const bool written = statement != nullptr && Run(statement);
        std::free(statement);
        if (!written) break;
        kept_.DropFirst();
    }
    if (kept_.Count() != before || damaged_ != wasDamaged) ShowStatus();
    return kept_.Count() == 0;
}

// The figure's row joins the kept ones and they are written in order. Only
// when even keeping it fails (no memory) is it written on its own.
void PageStore::Save(DrawObject* object) {
    if (store_ == nullptr || object == nullptr) return;
    char* objData = EncodeObject(object);
    if (objData == nullptr) return;
    if (kept_.Add(currentPage_, objData, object->GetKind())) {
        if (!WriteKept()) ShowStatus();
        return;
    }
    char* statement = BuildInsertStatement(currentPage_, objData, object->GetKind());
    if (statement != nullptr) Run(statement);
    std::free(statement);
    std::free(objData);
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
    for (const KeptRow* row = kept_.First(); row != nullptr; row = row->next) {
        if (row->pageNumber != pageNumber) continue;
        const std::size_t length = std::strlen(row->objData) + 1;
        char* copy = static_cast<char*>(std::malloc(length));
        if (copy == nullptr) continue;
        std::memcpy(copy, row->objData, length);
        AppendFigure(copy);
        std::free(copy);
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
    Invalidate();
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

// A page or its temporary lines are gone only when the store says so; if
// not, the page is read again so the screen shows what is really stored,
// and the caption says the deletion failed. Kept figures of what was
// deleted are never written later.
void PageStore::DeleteDone(int pageNumber, bool deleted, int kind) {
    if (deleted) kept_.DropPage(pageNumber, kind);
    deleteFailed_ = !deleted;
    ShowStatus();
    if (pageNumber != currentPage_) return;
    if (deleted) {
        Invalidate();
    } else {
        Load(pageNumber);
    }
}

void PageStore::DeletePage(int pageNumber) {
    if (store_ == nullptr || pageObjects_ == nullptr) return;
    WriteKept();
    if (pageNumber == currentPage_) pageObjects_->RemoveAll();
    char statement[kPageStatementSize];
    // A lock held elsewhere is waited for once, not once per statement.
    std::snprintf(statement, sizeof(statement), kDeletePageObjectsFormat, pageNumber);
    bool deleted = Run(statement);
    std::snprintf(statement, sizeof(statement), kDeletePageRowFormat, pageNumber);
    deleted = deleted && Run(statement);
    DeleteDone(pageNumber, deleted, 0);
}

namespace {

// Takes every object of `kind` out of the list (each removal releases it).
// After the list's first node is removed its cursor rests on the new first
// node, which has not been looked at yet; elsewhere it rests on the node
// before the removed one, so Next goes on after it.
void RemoveObjectsOfKind(ZLinklistCOM* list, int kind) {
    bool atFirst = true;
    auto* object = static_cast<DrawObject*>(list->First());
    while (object != nullptr) {
        if (object->GetKind() == kind) {
            list->RemoveCurrent();
            object = static_cast<DrawObject*>(atFirst ? list->Current() : list->Next());
        } else {
            atFirst = false;
            object = static_cast<DrawObject*>(list->Next());
        }
    }
}

}  // namespace

void PageStore::DeleteTemporaryObjects(int pageNumber) {
    if (store_ == nullptr || pageObjects_ == nullptr) return;
    WriteKept();
    if (pageNumber == currentPage_) RemoveObjectsOfKind(pageObjects_, kKindTemporaryLine);
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kDeleteKindFormat, kKindTemporaryLine, pageNumber);
    DeleteDone(pageNumber, Run(statement), kKindTemporaryLine);
}
