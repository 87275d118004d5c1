#include "qt_pens.h"

#include <QList>

#include "page_pixels.h"

namespace {

// Win32's cosmetic dash patterns, on and off in pixels; Qt's own
// DashLine and DotLine are shorter and would dash differently.
QList<qreal> DashesOf(int penStyle) {
    switch (penStyle) {
        case PS_DOT: return {3, 3};
        case PS_DASHDOT: return {9, 6, 3, 6};
        case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
        default: return {18, 6};
    }
}

}  // namespace

bool IsDashed(int penStyle, int penPixels) { return penPixels == 1 && penStyle != PS_SOLID; }

QPen MakePen(COLORREF colour, int penStyle, int penPixels) {
    QPen pen(ToColor(colour));
    if (penPixels == 1) {
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        if (IsDashed(penStyle, penPixels)) pen.setDashPattern(DashesOf(penStyle));
    } else {
        pen.setWidth(penPixels);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}
