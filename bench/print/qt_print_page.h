// The raw-Qt baseline for printing: a page of figures written to a PDF file
// with a QPdfWriter and one QPainter, on US Letter at 1200 dots per inch to
// the sheet's edges, as the PDF printer is set up. Each figure is drawn the
// way the port layer draws it on a printer (filled bands for solid frames,
// QPainter's own curves, lines and polygons with the same pens, texts in
// the same font), with page units (0.1 mm, y up) mapped to device pixels
// and rounded as the printer DC maps them. The mapping, pens and fonts are
// made beforehand; printing is the writer, the painter, the figures and the
// file.
#ifndef TARNWICK_BENCH_PRINT_QT_PRINT_PAGE_H
#define TARNWICK_BENCH_PRINT_QT_PRINT_PAGE_H

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <string>
#include <vector>

#include "page_figures.h"

inline constexpr int kPrintDpi = 1200;

class QtPrintPage {
public:
    explicit QtPrintPage(const std::vector<PageFigure>& figures);

    // Writes the page as a one-page PDF file; false when it could not.
    bool Print(const std::string& path) const;

private:
    struct Figure {
        int kind;
        QColor colour;
        QPen pen;
        int penPixels;
        bool dashed;
        bool filled;
        QColor fill;
        QBrush brush;
        QPoint from, to;    // lines
        QPolygon polygon;   // polygons with a one-pixel pen, as mapped
        QPolygonF centred;  // polygons with a wider pen, on the pixel centres
        QRect box;          // rectangles and ellipses, inclusive pixels
        QPointF baseline;   // texts
        int fontIndex;
        QString text;
    };

    static Figure Prepare(const PageFigure& figure);
    void Paint(QPainter& painter) const;

    std::vector<Figure> figures_;
    std::vector<QFont> fonts_;
};

#endif
