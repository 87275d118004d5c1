// The page store: every finished figure is written to the database the
// moment it is finished, and a page is rebuilt from the database whenever it
// is shown, so the database is the only truth. A page is only a number.
//
// The store works on components and a page number that the Application
// record owns (it borrows them), and tells the screen to repaint, and to
// show what could not be stored, through callbacks, so page logic never
// reaches into window state.
//
// A figure that could not be stored (disk full, the file gone read-only, a
// lock held elsewhere, damage) never looks stored: its row is kept in
// memory, in order, and written before anything else at the next save,
// page load, page change or the end of the run; what the end of the run
// still cannot write waits in a file beside the database for the next run.
// The page on screen shows kept figures with the stored ones.
#ifndef TARNWICK_APP_CORE_PAGE_STORE_H
#define TARNWICK_APP_CORE_PAGE_STORE_H

#include "draw_object.h"
#include "kept_rows.h"
#include "zdrawsp.h"
#include "zisqllite.h"
#include "zlinklist.h"

class PageStore {
public:
    // Asks for the page on screen to be drawn again; and tells that the
    // count of kept figures, or a fault of the file, changed.
    typedef void (*InvalidateCallback)(void* context);
    typedef void (*StatusCallback)(void* context);

    // Why the database could not be opened.
    enum class OpenFault { None, NoStore, Damaged, NotWritable, NotOurs };

    PageStore(int& currentPage, InvalidateCallback invalidate, StatusCallback status, void* context);

    // The components the store works with, borrowed; null detaches.
    void Attach(ZISqllite* store, ZDrawSp* surface, ZLinklistCOM* pageObjects);

    // Opens the database file and makes sure its tables exist; 1 when ready.
    // A file whose tables are not the program's is closed again untouched.
    int Open(const char* fileName);
    OpenFault LastOpenFault() const { return openFault_; }
    // Stores one figure under the current page, after the kept ones.
    void Save(DrawObject* object);
    // Writes the kept rows in order, stopping at the first that fails;
    // true when none remain.
    bool WriteKept();
    // The end of the run: the kept rows are written, or else left in the
    // unsaved file beside the database for the next run to store first.
    void Close();
    int KeptCount() const { return kept_.Count(); }
    bool FileDamaged() const { return damaged_; }
    bool DeleteFailed() const { return deleteFailed_; }
    // Makes the page objects hold exactly the figures of a page. The current
    // page number does not change.
    void Load(int pageNumber);
    void DeletePage(int pageNumber);
    void DeleteTemporaryObjects(int pageNumber);
    // One result row of the page query (context: the PageStore) into a
    // figure at the end of the page objects. 1 stops the query.
    static int RowToObject(void* context, int columnCount, char** columnTexts, char** columnNames);

    // Moving between pages. Each returns 1 when it showed another page, so
    // the main window then puts the current page into its page-number box,
    // and 0 when nothing changed.
    int NextPage();
    int PreviousPage();
    int GoToPage(int pageNumber);

private:
    void Invalidate() { invalidate_(context_); }
    void ShowStatus() { status_(context_); }
    bool HasProgramTables();
    void MakePageIndex();
    // Takes the rows a former run could not store, and stores them first.
    void TakeUnsavedFile();
    bool Run(const char* statement);
    // Whether the store's last failure was damage in the file; remembers
    // such damage and shows it.
    bool StoreReportsDamage() const;
    void NoteDamage();
    void AppendFigure(char* objData);
    void AppendKeptFigures(int pageNumber);
    // After a DELETE: the screen shows what is really stored.
    void DeleteDone(int pageNumber, bool deleted, int kind);

    int& currentPage_;
    InvalidateCallback invalidate_;
    StatusCallback status_;
    void* context_;
    KeptRows kept_;
    char unsavedFile_[4096] = "";  // beside the database; empty until it is open
    OpenFault openFault_ = OpenFault::None;
    bool damaged_ = false;
    bool deleteFailed_ = false;
    ZISqllite* store_ = nullptr;
    ZDrawSp* surface_ = nullptr;
    ZLinklistCOM* pageObjects_ = nullptr;
};

#endif
