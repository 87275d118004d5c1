// The raw-Qt baseline for the notebook export: pages of figures written to
// one PDF file with a QPdfWriter and one QPainter, a new page for each, on
// US Letter at 1200 dots per inch to the sheet's edges, as the PDF printer
// is set up. Each page is the drawing benchmark's raw-Qt page at the
// printer's scale, made beforehand, so writing is the writer, the painter,
// the figures and the file.
#ifndef TARNWICK_BENCH_PRINT_QT_PRINT_NOTEBOOK_H
#define TARNWICK_BENCH_PRINT_QT_PRINT_NOTEBOOK_H

#include <string>
#include <vector>

#include "page_figures.h"
#include "qt_page.h"

class QtPrintNotebook {
public:
    explicit QtPrintNotebook(const std::vector<std::vector<PageFigure>>& pages);

    // Writes every page to one PDF file; false when it could not.
    bool Print(const std::string& path) const;

private:
    std::vector<QtPage> pages_;
};

#endif
