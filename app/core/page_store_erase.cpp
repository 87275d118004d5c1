// Erasing one figure of the page on screen. Its row goes by its rowid, and
// only once the row the file gives up has been seen to be that figure: a
// row another program has changed since the page was read is left alone.
// The erase becomes a step of the history that puts that very row back,
// under its rowid, so the figure takes its old place among the others.
#include <cstdio>

#include "figure_text.h"
#include "page_store.h"
#include "sql_text.h"

// The page objects and their record agree when they hold as many figures.
bool PageStore::ShownAgreesWithList() {
    if (pageObjects_ == nullptr || !shown_.Known()) return false;
    std::size_t count = 0;
    for (auto* item = pageObjects_->First(); item != nullptr; item = pageObjects_->Next()) ++count;
    return count == shown_.Count();
}

// Counting the page objects costs a walk over all of them; the erase
// itself checks, so that a record gone wrong never erases another row.
const ShownFigures* PageStore::Shown() { return shown_.Known() ? &shown_ : nullptr; }

const ShownFigures* PageStore::ShownAsListed() { return ShownAgreesWithList() ? &shown_ : nullptr; }

// Walks from the top, where erased figures mostly are; the list's cursor
// stays on the figure.
DrawObject* PageStore::FigureAt(std::size_t position) {
    if (position >= shown_.Count()) return nullptr;
    auto* figure = static_cast<DrawObject*>(pageObjects_->Last());
    for (std::size_t steps = shown_.Count() - 1 - position; figure != nullptr && steps > 0; --steps) {
        figure = static_cast<DrawObject*>(pageObjects_->Previous());
    }
    return figure;
}

// A figure still kept in memory has no row to remove yet, so it cannot be
// erased while the file refuses it: the caption says so, as for a failed
// deletion.
bool PageStore::Erase(std::size_t position, int pageNumber) {
    if (store_ == nullptr || surface_ == nullptr || shown_.Page() != pageNumber || !ShownAgreesWithList()) {
        return false;
    }
    WriteKept();
    DrawObject* figure = FigureAt(position);
    if (figure == nullptr) return false;
    const FigureIdentity rowid = shown_[position].identity;
    std::vector<HistoryRow> removed;
    bool done = rowid > 0 && TakeOutRow(rowid, pageNumber, removed);
    if (done && (removed.size() != 1 || !ShowsRow(figure, removed[0]))) {
        // The file holds what the screen does not know; it shows the file.
        store_->Execute("ROLLBACK", nullptr, nullptr);
        Load(pageNumber);
        return false;
    }
    done = done && Commit();
    NoteNotice(done, StoreNotice::NotErased, pageNumber);
    if (!done) return false;
    history_.Record(Change::Removed, pageNumber, std::move(removed));
    const bool top = position + 1 == shown_.Count();
    FigureAt(position);
    pageObjects_->RemoveCurrent();
    shown_.RemoveAt(position);
    if (top) {
        TopFigureRemoved();
    } else {
        PageChanged();
    }
    return true;
}

// The row leaves inside a transaction that is still open on success.
bool PageStore::TakeOutRow(FigureIdentity rowid, int pageNumber, std::vector<HistoryRow>& removed) {
    char statement[kPageStatementSize];
    std::snprintf(statement, sizeof(statement), kEraseRowFormat, rowid, pageNumber);
    if (store_->Execute(statement, &removed, CollectRemovedRow)) return true;
    NoteDamage();
    store_->Execute("ROLLBACK", nullptr, nullptr);
    return false;
}

bool PageStore::Commit() {
    if (store_->Execute("COMMIT", nullptr, nullptr)) return true;
    NoteDamage();
    store_->Execute("ROLLBACK", nullptr, nullptr);
    return false;
}

// Whether a row from the file is the figure on screen: the row decoded as
// the figure was, and written out again, reads the same as the figure. A
// row stored in another spelling of the same figure (spaces, empty fields)
// is still the figure.
bool PageStore::ShowsRow(DrawObject* figure, const HistoryRow& row) {
    DrawObject* stored = surface_->CreateObject();
    if (stored == nullptr) return false;
    COLORREF colour = 0, fillColour = 0;
    int penStyle = 0, penWidth = 0, fillOn = 0, fontHeight = 0;
    // Fields a short row lacks keep the values the figure was made with.
    figure->GetAttributes(&colour, &penStyle, &penWidth, &fillColour, &fillOn, &fontHeight);
    stored->SetAttributes(colour, penStyle, penWidth, fillColour, fillOn, fontHeight);
    OwnedText copy = CopyText(row.objData.get());
    if (copy) stored->Decode(copy.get());
    const OwnedText storedText = EncodeFigure(stored), shownText = EncodeFigure(figure);
    stored->Release();
    return copy && storedText && shownText && std::strcmp(storedText.get(), shownText.get()) == 0;
}
