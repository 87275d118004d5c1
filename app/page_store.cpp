// The page store: every finished figure is written to the database the
// moment it is finished, and a page is rebuilt from the database whenever
// it is shown, so the database is the only truth.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "application.h"
#include "sql_text.h"

int Application::OpenDatabase() {
    if (store->Open(kDatabaseFile) == 0) return 0;
    // On every run but the first the tables exist and these fail harmlessly.
    store->Execute(kCreateObjectsTable, nullptr, nullptr);
    store->Execute(kCreatePagesTable, nullptr, nullptr);
    store->Execute(kCreatePageIndex, nullptr, nullptr);
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

void Application::SaveObject(DrawObject* object) {
    if (store == nullptr || object == nullptr) return;
    char* objData = EncodeObject(object);
    if (objData == nullptr) return;
    char* statement = BuildInsertStatement(currentPage, objData, object->GetKind());
    if (statement != nullptr) store->Execute(statement, nullptr, nullptr);
    std::free(statement);
    std::free(objData);
}

void Application::LoadPage(int pageNumber) {
    pageObjects->RemoveAll();
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kSelectPageFormat, pageNumber);
    store->Execute(statement, this, RowToObject);
    InvalidateCanvas();
}

int Application::RowToObject(void* context, int columnCount, char** columnTexts, char**) {
    if (columnCount != 3) return 1;
    auto* application = static_cast<Application*>(context);
    char* objData = columnTexts[1];
    // A row without objData holds no figure; skip it, keep the rest.
    if (objData == nullptr || objData[0] == '\0') return 0;
    DrawObject* object = application->surface->CreateObject();
    if (object == nullptr) return 0;
    object->Decode(objData);
    application->pageObjects->AddTail(object);
    object->Release();
    return 0;
}

void Application::DeletePage(int pageNumber) {
    if (pageNumber == currentPage) pageObjects->RemoveAll();
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kDeletePageObjectsFormat, pageNumber);
    store->Execute(statement, nullptr, nullptr);
    std::snprintf(statement, sizeof(statement), kDeletePageRowFormat, pageNumber);
    store->Execute(statement, nullptr, nullptr);
    if (pageNumber == currentPage) InvalidateCanvas();
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

void Application::DeleteTemporaryObjects(int pageNumber) {
    if (pageNumber == currentPage) RemoveObjectsOfKind(pageObjects, kKindTemporaryLine);
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kDeleteKindFormat, kKindTemporaryLine, pageNumber);
    store->Execute(statement, nullptr, nullptr);
    if (pageNumber == currentPage) InvalidateCanvas();
}
