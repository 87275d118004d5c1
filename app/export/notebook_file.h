// The notebook in the working folder, opened only to read it: Veldrin.dat
// through the SQL store with a read-only name, so not a byte of it
// changes, and the figures a former run could not store (Veldrin.dat-
// unsaved), which the next run stores first and so belong to the pages
// already. Figures are decoded by a drawing surface, in the order the page
// store shows them: stored ones in the order they were stored, then the
// waiting ones; each draws with its own settings.
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
    // Another drawing surface, so that figures can be made on one thread
    // while another draws those of an earlier page; null when out of memory.
    ZDrawSp* CreateSurface();
    // The page's figures as the surface decodes them, the stored ones as read
    // and then the waiting ones, appended to figures (the caller releases
    // them); false, or std::bad_alloc, when memory runs out. Decoding cuts
    // up the page's texts.
    // Touches only the surface, the figures and what Open read.
    bool DecodePage(int pageNumber, PageRows& page, ZDrawSp* surface, std::vector<DrawObject*>& figures);

    const std::string& Fault() const { return fault_; }

private:
    bool CreateComponents();
    bool OpenStore();
    bool HoldsDrawings();
    bool Failed(const std::string& fault);
    // A statement of the store failed: the file's own words, as a fault.
    bool StoreFailed();
    static bool AddFigure(ZDrawSp* surface, char* objData, std::vector<DrawObject*>& figures);

    ComponentLoader loader_;
    ZISqllite* store_ = nullptr;
    KeptRows waiting_;
    std::string fault_;
};

#endif
