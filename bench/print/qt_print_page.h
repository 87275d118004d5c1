// The raw-Qt baseline for printing: a page of figures written to a PDF file
// with a QPdfWriter and one QPainter, on US Letter at 1200 dots per inch to
// the sheet's edges, as the PDF printer is set up. The figures are the
// drawing benchmark's raw-Qt page (qt_page.h) at the printer's scale:
// drawn the way the port layer draws them, with the mapping, pens and fonts
// made beforehand, so printing is the writer, the painter, the figures and
// the file.
#ifndef TARNWICK_BENCH_PRINT_QT_PRINT_PAGE_H
#define TARNWICK_BENCH_PRINT_QT_PRINT_PAGE_H

#include <string>
#include <vector>

#include "page_figures.h"
#include "qt_page.h"

// Writes the pages to one PDF file with this title, a sheet each, set up as
// above; false when it could not.
bool PrintQtPages(const std::string& path, const char* title, const QtPage* pages, std::size_t count);

class QtPrintPage {
public:
    explicit QtPrintPage(const std::vector<PageFigure>& figures) : page_(figures, kPrinterScale) {}

    // Writes the page as a one-page PDF file; false when it could not.
    bool Print(const std::string& path) const;

private:
    QtPage page_;
};

#endif
