// A Veldrin.dat as months of drawing leave it: many pages, and the rows of
// each page scattered through the file, since a user draws a few figures on
// one page, turns to another and comes back to the first much later.
//
// The program makes the file (its tables, its page index, WAL) and encodes
// the figures; the rows are then written with SQLite directly in one
// transaction, so a million rows take seconds instead of the hours a
// million synced INSERTs would.
#ifndef TARNWICK_BENCH_SESSION_DRAWING_FILE_H
#define TARNWICK_BENCH_SESSION_DRAWING_FILE_H

#include <string>
#include <vector>

#include "page_figures.h"

struct DrawingLayout {
    int rows = 0;            // figures in the whole file
    int pageOneFigures = 0;  // how many of them are on page 1 (MakePage's figures, in order)
    int figuresPerPage = 0;  // the rest fill pages 2, 3, ... with this many each
    // The most figures drawn on one page before the user turns to another
    // (each run is 1..longestRun long, the page picked at random): 1 picks
    // a page afresh for every figure.
    int longestRun = 1;
};

// Makes `folder`'s Veldrin.dat hold `layout`; false when anything failed.
bool BuildDrawingFile(const std::string& folder, const DrawingLayout& layout);

// Makes `folder`'s Veldrin.dat hold these pages (the first is page 1), each
// page's figures stored in their order, drawn in runs of 1..longestRun
// figures on pages picked at random; false when anything failed.
bool BuildNotebookFile(const std::string& folder, const std::vector<std::vector<PageFigure>>& pages, int longestRun);

// The size of a file in bytes, 0 when there is none.
long long FileBytes(const std::string& path);

#endif
