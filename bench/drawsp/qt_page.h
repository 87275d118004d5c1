// The baseline: the same figures drawn straight with QPainter on a QImage,
// aliased, with coordinates mapped to pixels beforehand, each figure drawn
// the cheapest way QPainter has to give the pixels the surface gives. What
// is left to measure is the cost of the surface, the objects and the port
// layer on top of Qt.
//
// Pixel for pixel the same as the surface: rectangles (bands and, for
// dashed frames, the same dashed outline), lines (spans for thin solid
// axis-aligned ones, drawLine with the same pen otherwise), polygons
// (drawPolygon with the same pen, brush and fill rule) and texts (the same
// font, anti-aliased by the same painter settings). Not the same: ellipses,
// which the surface rasterises row by row while Qt strokes its own curve;
// some sixty pixels of each outline differ.
#ifndef TARNWICK_BENCH_DRAWSP_QT_PAGE_H
#define TARNWICK_BENCH_DRAWSP_QT_PAGE_H

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <vector>

#include "page_figures.h"
#include "page_pixels.h"

// One figure with everything Qt needs, made before timing starts.
struct QtFigure {
    int kind;
    QColor colour;
    QPen pen;
    int penPixels;
    bool dashed;
    bool filled;
    QColor fill;
    QBrush brush;
    QPoint from, to;     // lines
    QPolygon polygon;    // polygons with a one-pixel pen
    QPolygonF centred;   // polygons with a wider pen, on the pixel centres
    QRect box;           // rectangles
    QRectF ellipse;      // ellipses
    int fontIndex;
    QPoint baseline;     // texts
    QString text;
};

class QtPage {
public:
    // At the canvas's scale, or a printer's (page_pixels.h).
    explicit QtPage(const std::vector<PageFigure>& figures, double scale = kCanvasScale);

    // Draws every figure once with the caller's painter, which stays open
    // across the figures and the pages.
    void Paint(QPainter& painter) const;

private:
    void PaintText(QPainter& painter, const QtFigure& figure) const;

    std::vector<QtFigure> figures_;
    std::vector<QFont> fonts_;
};

#endif
