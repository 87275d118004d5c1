#include "page_store.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sql_text.h"

PageStore::PageStore(int& currentPage, InvalidateCallback invalidate, void* context)
    : currentPage_(currentPage), invalidate_(invalidate), context_(context) {}

void PageStore::Attach(ZISqllite* store, ZDrawSp* surface, ZLinklistCOM* pageObjects) {
    store_ = store;
    surface_ = surface;
    pageObjects_ = pageObjects;
}

int PageStore::Open(const char* fileName) {
    if (store_ == nullptr || store_->Open(fileName) == 0) return 0;
    // On every run but the first the tables exist and these fail harmlessly.
    store_->Execute(kCreateObjectsTable, nullptr, nullptr);
    store_->Execute(kCreatePagesTable, nullptr, nullptr);
    store_->Execute(kCreatePageIndex, nullptr, nullptr);
    return 1;
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

void PageStore::Save(DrawObject* object) {
    if (store_ == nullptr || object == nullptr) return;
    char* objData = EncodeObject(object);
    if (objData == nullptr) return;
    char* statement = BuildInsertStatement(currentPage_, objData, object->GetKind());
    if (statement != nullptr) store_->Execute(statement, nullptr, nullptr);
    std::free(statement);
    std::free(objData);
}

void PageStore::Load(int pageNumber) {
    if (store_ == nullptr || pageObjects_ == nullptr) return;
    pageObjects_->RemoveAll();
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kSelectPageFormat, pageNumber);
    store_->Execute(statement, this, RowToObject);
    Invalidate();
}

int PageStore::RowToObject(void* context, int columnCount, char** columnTexts, char**) {
    if (columnCount != 3) return 1;
    auto* pages = static_cast<PageStore*>(context);
    char* objData = columnTexts[1];
    // A row without objData holds no figure; skip it, keep the rest.
    if (objData == nullptr || objData[0] == '\0') return 0;
    DrawObject* object = pages->surface_->CreateObject();
    if (object == nullptr) return 0;
    object->Decode(objData);
    pages->pageObjects_->AddTail(object);
    object->Release();
    return 0;
}

void PageStore::DeletePage(int pageNumber) {
    if (store_ == nullptr || pageObjects_ == nullptr) return;
    if (pageNumber == currentPage_) pageObjects_->RemoveAll();
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kDeletePageObjectsFormat, pageNumber);
    store_->Execute(statement, nullptr, nullptr);
    std::snprintf(statement, sizeof(statement), kDeletePageRowFormat, pageNumber);
    store_->Execute(statement, nullptr, nullptr);
    if (pageNumber == currentPage_) Invalidate();
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
    if (pageNumber == currentPage_) RemoveObjectsOfKind(pageObjects_, kKindTemporaryLine);
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kDeleteKindFormat, kKindTemporaryLine, pageNumber);
    store_->Execute(statement, nullptr, nullptr);
    if (pageNumber == currentPage_) Invalidate();
}
