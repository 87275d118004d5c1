// Deleting a page or its temporary lines.
#include <cstdio>

#include "page_store.h"
#include "sql_text.h"

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

void PageStore::DeletePage(int pageNumber, int shownPage) {
    if (store_ == nullptr || pageObjects_ == nullptr) return;
    WriteKept();
    if (pageNumber == shownPage) pageObjects_->RemoveAll();
    char statement[kPageStatementSize];
    // A lock held elsewhere is waited for once, not once per statement.
    std::snprintf(statement, sizeof(statement), kDeletePageObjectsFormat, pageNumber);
    bool deleted = Run(statement);
    std::snprintf(statement, sizeof(statement), kDeletePageRowFormat, pageNumber);
    deleted = deleted && Run(statement);
    DeleteDone(pageNumber, kAnyKind, shownPage, deleted);
}

void PageStore::DeleteKind(int pageNumber, int kind, int shownPage) {
    if (store_ == nullptr || pageObjects_ == nullptr) return;
    WriteKept();
    if (pageNumber == shownPage) RemoveObjectsOfKind(pageObjects_, kind);
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kDeleteKindFormat, kind, pageNumber);
    DeleteDone(pageNumber, kind, shownPage, Run(statement));
}

// A page or its temporary lines are gone only when the store says so; if
// not, the page is read again so the screen shows what is really stored,
// and the caption says the deletion failed. Kept figures of what was
// deleted are never written later.
void PageStore::DeleteDone(int pageNumber, int kind, int shownPage, bool deleted) {
    if (deleted) kept_.DropPage(pageNumber, kind);
    deleteFailed_ = !deleted;
    ShowStatus();
    if (pageNumber != shownPage) return;
    if (deleted) {
        PageChanged();
    } else {
        Load(pageNumber);
    }
}
