// The page store: every finished figure is written to the database the
// moment it is finished, and a page is rebuilt from the database whenever it
// is shown, so the database is the only truth. A page is only a number.
//
// The store works on components and a page number that the Application
// record owns (it borrows them), and tells the screen to repaint through a
// callback, so page logic never reaches into window state.
#ifndef TARNWICK_APP_CORE_PAGE_STORE_H
#define TARNWICK_APP_CORE_PAGE_STORE_H

#include "draw_object.h"
#include "zdrawsp.h"
#include "zisqllite.h"
#include "zlinklist.h"

class PageStore {
public:
    // Asks for the page on screen to be drawn again.
    typedef void (*InvalidateCallback)(void* context);

    PageStore(int& currentPage, InvalidateCallback invalidate, void* context);

    // The components the store works with, borrowed; null detaches.
    void Attach(ZISqllite* store, ZDrawSp* surface, ZLinklistCOM* pageObjects);

    // Opens the database file and makes sure its tables exist; 1 when ready.
    int Open(const char* fileName);
    // Stores one figure under the current page.
    void Save(DrawObject* object);
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

    int& currentPage_;
    InvalidateCallback invalidate_;
    void* context_;
    ZISqllite* store_ = nullptr;
    ZDrawSp* surface_ = nullptr;
    ZLinklistCOM* pageObjects_ = nullptr;
};

#endif
