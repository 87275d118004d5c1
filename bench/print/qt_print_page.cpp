#include "qt_print_page.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

bool QtPrintPage::Print(const std::string& path) const {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setTitle(QStringLiteral("Tarnwick Page"));
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    page_.Paint(painter);
    return painter.end();
}
