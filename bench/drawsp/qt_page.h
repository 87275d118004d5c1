// The baseline: the same figures drawn straight with QPainter on a QImage,
// aliased, with the pens, brushes and fonts the port layer would choose,
// and coordinates mapped to pixels beforehand. What is left to measure is
// the cost of the surface, the objects and the port layer on top of Qt.
#ifndef TARNWICK_BENCH_DRAWSP_QT_PAGE_H
#define TARNWICK_BENCH_DRAWSP_QT_PAGE_H

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <vector>

#include "page_figures.h"

class QtPage {
public:
    explicit QtPage(const std::vector<PageFigure>& figures);

    // Draws every figure once onto the image.
    void Paint(QImage& image) const;
    // The sheet, ruling and margin line, as the canvas paints them.
    static void PaintBackground(QImage& image);

private:
    struct Prepared {
        int kind;
        QPen pen;
        QBrush brush;
        int fontIndex;
        std::vector<QPoint> points;  // pixels
        QRect box;                   // rectangles and ellipses
        QString text;
    };

    std::vector<Prepared> figures_;
    std::vector<QFont> fonts_;
};

// Page units to canvas pixels: the canvas mapping with the page's top at the
// top of the canvas.
QPoint ToPixels(int x, int y);
int PenPixels(int penWidth);

#endif
