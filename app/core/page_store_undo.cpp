// Undo and redo. A step is rows added to a page or removed from it; taking
// rows out and putting them back are the two halves of every undo and redo.
#include <cstdio>

#include "figure_text.h"
#include "page_store.h"
#include "sql_text.h"

bool PageStore::NextUndoPage(int& pageNumber) {
    const HistoryStep* step = history_.NextUndo();
    if (step != nullptr) pageNumber = step->pageNumber;
    return step != nullptr;
}

bool PageStore::NextRedoPage(int& pageNumber) {
    const HistoryStep* step = history_.NextRedo();
    if (step != nullptr) pageNumber = step->pageNumber;
    return step != nullptr;
}

bool PageStore::Undo(int shownPage) {
    HistoryStep* step = history_.NextUndo();
    if (step == nullptr || store_ == nullptr || pageObjects_ == nullptr) return false;
    const bool done =
        step->change == Change::Added ? TakeRowsOut(*step, shownPage) : PutRowsBack(*step, shownPage);
    if (done) history_.Undone();
    NoteNotice(done, StoreNotice::UndoNotDone, step->pageNumber);
    return done;
}

bool PageStore::Redo(int shownPage) {
    HistoryStep* step = history_.NextRedo();
    if (step == nullptr || store_ == nullptr || pageObjects_ == nullptr) return false;
    const bool done =
        step->change == Change::Added ? PutRowsBack(*step, shownPage) : TakeRowsOut(*step, shownPage);
    if (done) history_.Redone();
    NoteNotice(done, StoreNotice::RedoNotDone, step->pageNumber);
    return done;
}

namespace {

int CountRow(void* context, int, char**, char**) {
    ++*static_cast<std::size_t*>(context);
    return 0;
}

}  // namespace

// Stored rows go by their identity, all in one transaction; rows still
// kept are simply not written. A row another program already removed is
// not there to remove, and that does no harm; the page is then read again,
// since the file holds what the screen does not know. When the file
// refuses, no row goes and the page shows what is stored.
bool PageStore::TakeRowsOut(HistoryStep& step, int shownPage) {
    StatementText sql;
    sql.Append("BEGIN IMMEDIATE;");
    std::size_t stored = 0, removed = 0;
    for (const HistoryRow& row : step.rows) {
        if (!row.inFile) continue;
        AppendDeleteRow(sql, row.rowid, step.pageNumber, row.objData.get());
        ++stored;
    }
    sql.Append("COMMIT;");
    if (stored > 0) {
        OwnedText statement = sql.Take();
        if (!statement || !store_->Execute(statement.get(), &removed, CountRow)) {
            NoteDamage();
            store_->Execute("ROLLBACK", nullptr, nullptr);
            if (step.pageNumber == shownPage) Load(step.pageNumber);
            return false;
        }
    }
    kept_.DropStep(step.id);
    for (HistoryRow& row : step.rows) row.inFile = false;
    ShowStatus();
    if (step.pageNumber == shownPage && (removed != stored || !RemoveTopFigure(step))) Load(step.pageNumber);
    return true;
}

// The rows join the kept ones with their former identities, so each takes
// its old place in the page's order, and are written as figures are: when
// the file refuses them they wait, and the caption counts them.
bool PageStore::PutRowsBack(HistoryStep& step, int shownPage) {
    for (std::size_t i = 0; i < step.rows.size(); ++i) {
        const HistoryRow& from = step.rows[i];
        KeptRow row;
        row.pageNumber = step.pageNumber;
        row.kind = from.kind;
        row.objData = CopyText(from.objData.get());
        row.formerRowid = from.rowid;
        row.origin = {step.id, static_cast<std::uint32_t>(i)};
        if (!row.objData || !kept_.Add(std::move(row))) {
            kept_.DropStep(step.id);
            return false;
        }
    }
    if (step.pageNumber != shownPage) {
        WriteKept();
    } else if (!PutTopFigureBack(step)) {
        Load(step.pageNumber);
    }
    ShowStatus();
    return true;
}

// Redoing the figure just undone, or undoing the erase of the top one, puts
// it back on top of the page on screen without reading the page again, when
// the top is indeed its place: every figure shown is stored, under an older
// rowid than the one it had. It is then written as a new figure is.
bool PageStore::PutTopFigureBack(const HistoryStep& step) {
    if (step.rows.size() != 1 || surface_ == nullptr || shown_.Page() != step.pageNumber || !ShownAgreesWithList())
        return false;
    for (std::size_t i = 0; i < shown_.Count(); ++i) {
        const FigureIdentity identity = shown_[i].identity;
        if (identity <= 0 || identity >= step.rows[0].rowid) return false;
    }
    if (kept_.Rows().empty() || kept_.Rows().back().origin.step != step.id) return false;
    const KeptRow& row = kept_.Rows().back();
    OwnedText copy = CopyText(row.objData.get());
    const std::size_t shownBefore = shown_.Count();
    if (copy) AppendFigure(copy.get(), -static_cast<FigureIdentity>(row.serial));
    if (shown_.Count() != shownBefore + 1) return false;
    WriteKept();
    FigureAdded(static_cast<DrawObject*>(pageObjects_->Last()));
    return true;
}

// Undoing the figure just drawn on the page on screen takes it off the top
// of the page without reading the page again, when the top figure is
// indeed that one.
bool PageStore::RemoveTopFigure(const HistoryStep& step) {
    if (step.change != Change::Added || step.rows.size() != 1) return false;
    auto* top = static_cast<DrawObject*>(pageObjects_->Last());
    if (top == nullptr) return false;
    OwnedText text = EncodeFigure(top);
    if (!text || std::strcmp(text.get(), step.rows[0].objData.get()) != 0) return false;
    pageObjects_->RemoveCurrent();
    if (shown_.Count() > 0) shown_.RemoveAt(shown_.Count() - 1);
    TopFigureRemoved();
    return true;
}
