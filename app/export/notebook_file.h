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

// One page's stored figures as read from the file, in the order they were
// stored: where each row's objData starts in texts.
struct PageRows {
    struct Row {
        long long rowid;
        std::size_t textAt;
    };
    std::vector<Row> rows;
    std::string texts;
};

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
    // Reads the page's stored figures; false, with Fault(), when the store
    // fails. Touches only the store, so one thread may read while another
    // draws.
    bool ReadPage(int pageNumber, PageRows& page);
    // Draws the page's figures, as read, then its waiting ones, on the DC,
    // whose mapping is set already. Decoding cuts up the page's texts.
    void DrawPage(int pageNumber, PageRows& page, HDC dc);

    const std::string& Fault() const { return fault_; }

private:
    bool CreateComponents();
    bool OpenStore();
    bool HoldsDrawings();
    bool Failed(const std::string& fault);
    // A statement of the store failed: the file's own words, as a fault.
    bool StoreFailed();
    void DrawFigure(char* objData);

    ComponentLoader loader_;
    ZISqllite* store_ = nullptr;
    ZDrawSp* surface_ = nullptr;
    KeptRows waiting_;
    std::string fault_;
};

#endif
