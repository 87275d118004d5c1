#include "qt_print_notebook.h"

#include "page_pixels.h"
#include "qt_print_page.h"

QtPrintNotebook::QtPrintNotebook(const std::vector<std::vector<PageFigure>>& pages) {
    pages_.reserve(pages.size());
    for (const std::vector<PageFigure>& figures : pages) pages_.emplace_back(figures, kPrinterScale);
}

bool QtPrintNotebook::Print(const std::string& path) const {
    return PrintQtPages(path, "Tarnwick Notebook", pages_.data(), pages_.size());
}
