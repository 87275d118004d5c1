// The notebook in the working folder, opened only to read it: Veldrin.dat
// through the SQL store with a read-only name, so not a byte of it
// changes, and the figures a former run could not store (Veldrin.dat-
// unsaved), which the next run stores first and so belong to the pages
// already. Figures are decoded by the drawing surface and drawn, each with
// its own settings, in the order the page store shows them: stored ones in
// the order they were stored, then the waiting ones.
#ifndef TARNWICK_APP_EXPORT_NOTEBOOK_FILE_H
#define TARNWICK_APP_EXPORT_NOTEBOOK_FILE_H

#include <string>
#include <vector>

#include "component_loader.h"
#include "kept_rows.h"
#include "windows.h"
#include "zdrawsp.h"
#include "zisqllite.h"

class NotebookFile {
public:
    NotebookFile() = default;
    ~NotebookFile();
    NotebookFile(const NotebookFile&) = delete;
    NotebookFile& operator=(const NotebookFile&) = delete;

    // Opens the working folder's notebook; false, with a sentence saying
    // why in Fault(), when there is none or it cannot be read.
    bool Open();
    // Every page that holds figures, in page order.
    bool PagesWithFigures(std::vector<int>& pages);
    // Draws the page's figures on the DC, whose mapping is set already.
    bool DrawPage(int pageNumber, HDC dc);

    const std::string& Fault() const { return fault_; }

private:
    bool CreateComponents();
    bool OpenStore();
    bool HoldsDrawings();
    bool Failed(const std::string& fault);
    // A statement of the store failed: the file's own words, as a fault.
    bool StoreFailed();
    static int KeepRow(void* context, int columnCount, char** columnTexts, char** columnNames);
    void DrawFigure(char* objData);

    // The page being read: where each row's objData starts in pageTexts_.
    struct StoredRow {
        long long rowid;
        std::size_t textAt;
    };
    std::vector<StoredRow> pageRows_;
    std::string pageTexts_;

    ComponentLoader loader_;
    ZISqllite* store_ = nullptr;
    ZDrawSp* surface_ = nullptr;
    KeptRows waiting_;
    std::string fault_;
};

#endif
