#include "qt_print_notebook.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

#include "page_pixels.h"

QtPrintNotebook::QtPrintNotebook(const std::vector<std::vector<PageFigure>>& pages) {
    pages_.reserve(pages.size());
    for (const std::vector<PageFigure>& figures : pages) pages_.emplace_back(figures, kPrinterScale);
}

bool QtPrintNotebook::Print(const std::string& path) const {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setTitle(QStringLiteral("Tarnwick Notebook"));
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        if (page > 0 && !writer.newPage()) return false;
        pages_[page].Paint(painter);
    }
    return painter.end();
}
