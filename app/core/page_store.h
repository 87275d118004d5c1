// The page store: every finished figure is written to the database the
// moment it is finished, and a page is rebuilt from the database whenever it
// is shown, so the database is the only truth. A page is only a number.
//
// The store works on components the Application record owns (it borrows
// them) and is told which page each operation is for and which page is on
// screen; it never changes the page on screen. It tells the screen what to
// draw again, and the caption what could not be done, through the screen
// listener.
//
// A figure that could not be stored (disk full, the file gone read-only, a
// lock held elsewhere, damage) never looks stored: its row is kept in
// memory, in order, and written before anything else at the next save,
// page load, page change or the end of the run; what the end of the run
// still cannot write waits in a file beside the database for the next run.
// The page on screen shows kept figures with the stored ones.
//
// The store also knows each figure on screen by its row, so that erasing
// one removes exactly that row.
//
// Every change can be undone and done again; each undo and redo is written
// the moment it happens, as figures are. Rows that go back in wait among the
// kept rows like figures when the file refuses them; rows that must come
// out and cannot are not taken out: the page shows what is stored and the
// caption says the step was not done, so it can be tried again.
#ifndef TARNWICK_APP_CORE_PAGE_STORE_H
#define TARNWICK_APP_CORE_PAGE_STORE_H

#include <cstdint>
#include <vector>

#include "draw_object.h"
#include "kept_rows.h"
#include "screen_listener.h"
#include "shown_figures.h"
#include "store_status.h"
#include "undo_history.h"
#include "zdrawsp.h"
#include "zisqllite.h"
#include "zlinklist.h"

// A store row callback that reads one number (the first column).
int ReadNumber(void* context, int columnCount, char** columnTexts, char** columnNames);
// The row callback of DELETE ... RETURNING rowid, objType, objData: each
// removed row into a std::vector<HistoryRow>. It never stops the statement.
int CollectRemovedRow(void* context, int columnCount, char** columnTexts, char** columnNames);

class PageStore {
public:
    // Why the database could not be opened.
    enum class OpenFault { None, NoStore, Damaged, NotWritable, FolderNotWritable, DiskFull, NotOurs };

    explicit PageStore(std::size_t historyBudget = UndoHistory::kDefaultBudget) : history_(historyBudget) {}

    // The components the store works with, borrowed; null detaches.
    void Attach(ZISqllite* store, ZDrawSp* surface, ZLinklistCOM* pageObjects);
    // Where the store tells what changed on screen; null for no screen.
    void SetScreen(ScreenListener* screen) { screen_ = screen; }

    // Opens the database file and makes sure its tables exist; true when
    // ready. A file whose tables are not the program's is closed again
    // untouched. Rows a former run could not store are stored first.
    bool Open(const char* fileName);
    OpenFault LastOpenFault() const { return openFault_; }
    // The end of the run: the kept rows are written, or else left in the
    // unsaved file beside the database for the next run to store first.
    void Close();

    // Stores one figure on a page, after the kept ones. It can be undone.
    void Save(DrawObject* object, int pageNumber);
    // A finished figure joins the top of the page on screen, and is stored.
    void AddFigure(DrawObject* figure, int pageNumber);
    // Writes the kept rows in order, all or none; true when none remain.
    bool WriteKept();
    // Makes the page objects hold exactly the figures of a page.
    void Load(int pageNumber);
    // A page the user turns to: it is read anew, and what the caption said
    // about it is over.
    void Show(int pageNumber);
    // Removes a page's figures (and its page row), or its figures of one
    // kind; the page on screen shows the result. Both can be undone.
    void DeletePage(int pageNumber, int shownPage);
    void DeleteKind(int pageNumber, int kind, int shownPage);
    // One result row of the page query (context: the PageStore) into a
    // figure at the end of the page objects. 1 stops the query.
    static int RowToObject(void* context, int columnCount, char** columnTexts, char** columnNames);

    // The figures on screen, each with its row and box, in the page
    // objects' order; null while that record is not known.
    const ShownFigures* Shown();
    // The same, only while it holds one entry for each page object (a walk
    // over them all).
    const ShownFigures* ShownAsListed();
    // Removes the figure at a position of the page objects (0 the first
    // drawn) from the page on screen and its row from the file; the page
    // is drawn again. It can be undone. False when nothing was erased.
    bool Erase(std::size_t position, int pageNumber);

    // The page the next undo or redo changes; false when there is none.
    bool NextUndoPage(int& pageNumber);
    bool NextRedoPage(int& pageNumber);
    // Takes back the newest change, or does the newest undone one again;
    // true when it was done. The step's page must be the one on screen.
    bool Undo(int shownPage);
    bool Redo(int shownPage);

    int KeptCount() const { return kept_.Count(); }
    // The caption for what the store could not do.
    const char* Caption() const { return caption_; }

private:
    // Changes the caption when what it says changed.
    void ShowStatus();
    void NoteNotice(bool done, StoreNotice notice, int pageNumber);
    void PageChanged();
    void TopFigureRemoved();
    void FigureAdded(DrawObject* figure);
    bool HasProgramTables();
    bool ObjectsTableTakesFigures();
    void MakePageIndex();
    void TakeUnsavedFile();
    OpenFault FaultOfFailedOpen(const char* fileName);
    bool Run(const char* statement);
    // Whether the store's last failure was damage in the file; remembers
    // such damage and shows it.
    bool StoreReportsDamage() const;
    void NoteDamage();
    void Store(DrawObject* object, int pageNumber, bool shown);
    void AppendFigure(char* objData, FigureIdentity identity);
    void AppendKeptFigures(int pageNumber);
    // `shownBox`: the figure is the top one on screen, with this box.
    void KeepFigure(OwnedText objData, int pageNumber, int kind, const FigureBox* shownBox);
    OwnedText KeptRowsStatement(bool oneStatement) const;
    bool KeptNotWritten(bool inTransaction);
    long long StoredUnsavedToken();
    void UnsavedFileStored();
    void NoteStoredRows(const std::vector<long long>& rowids);
    // After a DELETE: the screen shows what is really stored, and what was
    // deleted becomes a step of the history.
    void DeleteDone(int pageNumber, int kind, int shownPage, bool deleted, std::vector<HistoryRow>& removed);
    // The two halves of every undo and redo.
    bool TakeRowsOut(HistoryStep& step, int shownPage);
    bool PutRowsBack(HistoryStep& step, int shownPage);
    bool RemoveTopFigure(const HistoryStep& step);
    bool PutTopFigureBack(const HistoryStep& step);
    // Erasing's parts.
    bool ShownAgreesWithList();
    DrawObject* FigureAt(std::size_t position);
    bool TakeOutRow(FigureIdentity rowid, int pageNumber, std::vector<HistoryRow>& removed);
    bool ShowsRow(DrawObject* figure, const HistoryRow& row);
    bool Commit();

    ScreenListener* screen_ = nullptr;
    KeptRows kept_;
    ShownFigures shown_;
    UndoHistory history_;
    OwnedText unsavedFile_;          // beside the database; null until it is open
    std::int32_t unsavedToken_ = 0;  // the unsaved file whose rows are among the kept; 0 for none
    OpenFault openFault_ = OpenFault::None;
    StoreStatus status_;
    char caption_[kCaptionSize] = "Tarnwick v1.00";  // as last shown
    ZISqllite* store_ = nullptr;
    ZDrawSp* surface_ = nullptr;
    ZLinklistCOM* pageObjects_ = nullptr;
};

#endif
