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
#ifndef TARNWICK_APP_CORE_PAGE_STORE_H
#define TARNWICK_APP_CORE_PAGE_STORE_H

#include "draw_object.h"
#include "kept_rows.h"
#include "screen_listener.h"
#include "zdrawsp.h"
#include "zisqllite.h"
#include "zlinklist.h"

class PageStore {
public:
    // Why the database could not be opened.
    enum class OpenFault { None, NoStore, Damaged, NotWritable, NotOurs };

    // The components the store works with, borrowed; null detaches.
    void Attach(ZISqllite* store, ZDrawSp* surface, ZLinklistCOM* pageObjects);
    // Where the store tells what changed on screen; null for no screen.
    void SetScreen(ScreenListener* screen) { screen_ = screen; }

    // Opens the database file and makes sure its tables exist; true when
    // ready. A file whose tables are not the program's is closed again
    // untouched.
    bool Open(const char* fileName);
    OpenFault LastOpenFault() const { return openFault_; }
    // Stores one figure on a page, after the kept ones.
    void Save(DrawObject* object, int pageNumber);
    // Writes the kept rows in order, stopping at the first that fails;
    // true when none remain.
    bool WriteKept();
    // The end of the run: the kept rows are written, or else left in the
    // unsaved file beside the database for the next run to store first.
    void Close();
    int KeptCount() const { return kept_.Count(); }
    bool FileDamaged() const { return damaged_; }
    bool DeleteFailed() const { return deleteFailed_; }
    // Makes the page objects hold exactly the figures of a page.
    void Load(int pageNumber);
    // Removes a page's figures (and its page row), or its figures of one
    // kind; the page on screen shows the result.
    void DeletePage(int pageNumber, int shownPage);
    void DeleteKind(int pageNumber, int kind, int shownPage);
    // One result row of the page query (context: the PageStore) into a
    // figure at the end of the page objects. 1 stops the query.
    static int RowToObject(void* context, int columnCount, char** columnTexts, char** columnNames);

private:
    void PageChanged();
    // Puts what the store could not do into the caption.
    void ShowStatus();
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
    void DeleteDone(int pageNumber, int kind, int shownPage, bool deleted);

    ScreenListener* screen_ = nullptr;
    KeptRows kept_;
    OwnedText unsavedFile_;  // beside the database; null until it is open
    OpenFault openFault_ = OpenFault::None;
    bool damaged_ = false;
    bool deleteFailed_ = false;
    ZISqllite* store_ = nullptr;
    ZDrawSp* surface_ = nullptr;
    ZLinklistCOM* pageObjects_ = nullptr;
};

#endif
