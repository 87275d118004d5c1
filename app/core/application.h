// The program's one Application record: the component loader with the five
// components the program works with, the page on screen and the canvas view
// state. Everything in the executable reaches it through TheApplication().
#ifndef TARNWICK_APP_APPLICATION_H
#define TARNWICK_APP_APPLICATION_H

#include "component_loader.h"
#include "draw_object.h"
#include "page_store.h"
#include "screen_listener.h"
#include "text_string.h"
#include "draw_tool.h"
#include "windows.h"
#include "zdrawsp.h"
#include "zisqllite.h"
#include "zlinklist.h"
#include "ztoolfactory.h"

// Where one component comes from.
struct ComponentSource {
    const char* libraryFile;
    const char* componentName;
};

// The five components, in the order they are created.
struct ComponentSources {
    ComponentSource surface;
    ComponentSource toolList;
    ComponentSource pageObjects;
    ComponentSource toolFactory;
    ComponentSource store;
};

// The libraries the program ships with.
extern const ComponentSources kProgramComponents;

// The database file, relative to the working folder.
inline constexpr const char kDatabaseFile[] = "Veldrin.dat";

class Application : public ComponentLoader {
public:
    // Other sources than the program's are for tests (a missing library, a
    // refused name); the program's record always uses kProgramComponents.
    explicit Application(const ComponentSources& sources = kProgramComponents);
    ~Application();

    // Creates the five components (version 100), opens the database and
    // wires every tool to the surface and ObjectFinished. 1 when all is
    // ready; 0 otherwise, keeping whatever was created for Shutdown.
    int Initialize();

    // Releases the tool list, the page objects, the tool factory, the
    // surface and the store, in that order, then unloads every library, and
    // returns the record to its state after construction. The destructor
    // calls it; calling it again does nothing.
    void Shutdown();

    // The page store (page_store.h), under the record's own names. The
    // figures of the current page are stored under it; deleting the page on
    // screen also empties the screen.
    int OpenDatabase();
    PageStore::OpenFault DatabaseFault() const { return pages_.LastOpenFault(); }
    int KeptFigures() const { return pages_.KeptCount(); }
    void SaveObject(DrawObject* object);
    void LoadPage(int pageNumber);
    void DeletePage(int pageNumber);
    void DeleteTemporaryObjects(int pageNumber);
    static int RowToObject(void* context, int columnCount, char** columnTexts, char** columnNames);
    // What the caption says: the program's name and what the store could
    // not do.
    const char* Caption() const { return pages_.Caption(); }

    // Page navigation, the one place the current page changes. Each returns
    // 1 when it showed another page, so the main window then puts
    // currentPage into its page-number box, and 0 when nothing changed.
    int NextPage();
    int PreviousPage();
    int GoToPage(int pageNumber);

    // Takes back the newest change of this run, or does the newest undone
    // one again, first showing the page it belongs to; 1 when something
    // changed (the page on screen may be another one now).
    int Undo();
    int Redo();

    // Erases the figure at a position of the page objects (0 the first
    // drawn) from the current page and the file; 1 when it went.
    int EraseFigure(std::size_t position);
    // The current page's figures with their rows and boxes, in the page
    // objects' order; null while they are not known.
    const ShownFigures* ShownFigureRecord() { return pages_.Shown(); }
    // The same, only while it matches the page objects one for one.
    const ShownFigures* ShownFigureRecordAsListed() { return pages_.ShownAsListed(); }

    // Where the record tells the screen what to draw again; null for none.
    void SetScreen(ScreenListener* screen);
    // The host callback's part: a finished figure joins the page on screen
    // and the file.
    void AddFinishedFigure(DrawObject* figure);
    // How many figures were finished in this run.
    int FinishedFigures() const { return finishedFigures_; }

    // The window side of the record, defined with the windows (app/ui).
    // Makes the tool at a position of the tool list current (the last tool
    // when the list is shorter); an empty list changes nothing.
    void SelectTool(int position);
    // Draws the sheet, its ruling and margin, the page's figures and the
    // current tool's shape under way on the canvas's prepared DC.
    void PaintCanvas(HWND canvas, HDC dc);
    // Draws every figure of the page, in list order, each with its own
    // settings; the canvas and the printer both use it.
    void DrawPageObjects(HDC dc);

    ZDrawSp* surface = nullptr;
    ZLinklistCOM* toolList = nullptr;
    ZToolFactory* toolFactory = nullptr;
    ZLinklistCOM* pageObjects = nullptr;
    DrawTool* currentTool = nullptr;  // borrowed from toolList, never counted
    ZISqllite* store = nullptr;
    int currentPage = 1;
    HWND canvasWindow = nullptr;
    int originX = 0;
    int originY = 0;

private:
    void AttachTools();

    ComponentSources sources_;
    PageStore pages_;
    ScreenListener* screen_ = nullptr;
    int finishedFigures_ = 0;
};

// The program's record.
Application& TheApplication();

// The text last confirmed in the text entry dialog; it keeps its value
// between uses. Built before the program's record and destroyed after it.
extern TextString enteredText;
// The page number last confirmed in the go-to-page dialog.
extern int gotoPageNumber;

// The host callback every tool gets: keeps a finished figure on the current
// page, stores it and has it drawn.
int ObjectFinished(DrawObject* object);

#endif
