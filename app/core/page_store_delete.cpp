// Deleting a page or its temporary lines. The file hands back the rows it
// removed, so the deletion becomes a step of the history that puts exactly
// those rows back, in their old places.
#include <algorithm>
#include <cstdio>
#include <new>

#include "page_store.h"
#include "sql_text.h"

// The rows are gone whether or not memory holds them for undo (a row
// memory cannot hold is one undo cannot bring back).
int CollectRemovedRow(void* context, int columnCount, char** texts, char**) {
    auto* removed = static_cast<std::vector<HistoryRow>*>(context);
    if (columnCount != 3) return 0;
    HistoryRow row;
    row.rowid = std::strtoll(texts[0], nullptr, 10);
    row.kind = std::atoi(texts[1]);
    row.objData = CopyText(texts[2]);
    if (!row.objData) return 0;
    try {
        removed->push_back(std::move(row));
    } catch (const std::bad_alloc&) {
    }
    return 0;
}

namespace {

// Takes every object of `kind` out of the list (each removal releases it),
// and their entries out of the record of the figures shown, which keeps
// the others in order. After the list's first node is removed its cursor
// rests on the new first node, which has not been looked at yet; elsewhere
// it rests on the node before the removed one, so Next goes on after it.
void RemoveObjectsOfKind(ZLinklistCOM* list, int kind, ShownFigures& shown) {
    bool atFirst = true;
    std::size_t position = 0, kept = 0;
    auto* object = static_cast<DrawObject*>(list->First());
    for (; object != nullptr; ++position) {
        if (object->GetKind() == kind) {
            list->RemoveCurrent();
            object = static_cast<DrawObject*>(atFirst ? list->Current() : list->Next());
        } else {
            atFirst = false;
            shown.MoveDown(position, kept++);
            object = static_cast<DrawObject*>(list->Next());
        }
    }
    shown.Truncate(kept);
}

// The rows in the page's order: stored ones by rowid, then kept ones.
void AppendKept(std::vector<HistoryRow>& rows, std::deque<KeptRow>& kept) {
    for (KeptRow& keptRow : kept) {
        HistoryRow row;
        row.rowid = keptRow.formerRowid;
        row.kind = keptRow.kind;
        row.objData = std::move(keptRow.objData);
        try {
            rows.push_back(std::move(row));
        } catch (const std::bad_alloc&) {
        }
    }
}

}  // namespace

void PageStore::DeletePage(int pageNumber, int shownPage) {
    if (store_ == nullptr || pageObjects_ == nullptr) return;
    WriteKept();
    char objects[kPageStatementSize], pageRow[kPageStatementSize], statement[3 * kPageStatementSize];
    std::snprintf(objects, sizeof(objects), kDeletePageObjectsFormat, pageNumber);
    std::snprintf(pageRow, sizeof(pageRow), kDeletePageRowFormat, pageNumber);
    // One transaction: a lock held elsewhere is waited for once, and the
    // page goes whole or not at all.
    std::snprintf(statement, sizeof(statement), "BEGIN IMMEDIATE; %s; %s; COMMIT;", objects, pageRow);
    std::vector<HistoryRow> removed;
    const bool deleted = store_->Execute(statement, &removed, CollectRemovedRow) != 0;
    if (!deleted) {
        NoteDamage();
        store_->Execute("ROLLBACK", nullptr, nullptr);
    }
    DeleteDone(pageNumber, kAnyKind, shownPage, deleted, removed);
}

void PageStore::DeleteKind(int pageNumber, int kind, int shownPage) {
    if (store_ == nullptr || pageObjects_ == nullptr) return;
    WriteKept();
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kDeleteKindFormat, kind, pageNumber);
    std::vector<HistoryRow> removed;
    const bool deleted = store_->Execute(statement, &removed, CollectRemovedRow) != 0;
    if (!deleted) NoteDamage();
    DeleteDone(pageNumber, kind, shownPage, deleted, removed);
}

// A page or its temporary lines are gone only when the store says so; if
// not, the page is read again so the screen shows what is really stored,
// and the caption says the deletion failed. Kept figures of what was
// deleted are never written later, but undo can put them back.
void PageStore::DeleteDone(int pageNumber, int kind, int shownPage, bool deleted,
                           std::vector<HistoryRow>& removed) {
    if (deleted) {
        std::sort(removed.begin(), removed.end(),
                  [](const HistoryRow& a, const HistoryRow& b) { return a.rowid < b.rowid; });
        std::deque<KeptRow> dropped;
        kept_.DropPage(pageNumber, kind, &dropped);
        AppendKept(removed, dropped);
        if (!removed.empty()) history_.Record(Change::Removed, pageNumber, std::move(removed));
    }
    NoteNotice(deleted, StoreNotice::NotDeleted, pageNumber);
    if (pageNumber != shownPage) return;
    if (!deleted) {
        Load(pageNumber);
        return;
    }
    if (kind == kAnyKind) {
        pageObjects_->RemoveAll();
        shown_.Clear(pageNumber);
    } else {
        RemoveObjectsOfKind(pageObjects_, kind, shown_);
    }
    PageChanged();
}
