#include "qt_print_page.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

bool PrintQtPages(const std::string& path, const char* title, const QtPage* pages, std::size_t count) {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setTitle(QString::fromUtf8(title));
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (std::size_t page = 0; page < count; ++page) {
        if (page > 0 && !writer.newPage()) return false;
        pages[page].Paint(painter);
    }
    return painter.end();
}

bool QtPrintPage::Print(const std::string& path) const { return PrintQtPages(path, "Tarnwick Page", &page_, 1); }
