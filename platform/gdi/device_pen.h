// The pen as the painter needs it: a GDI pen after the mapping and the
// raster operation, and the QPen that draws it.
#ifndef TARNWICK_PLATFORM_GDI_DEVICE_PEN_H
#define TARNWICK_PLATFORM_GDI_DEVICE_PEN_H

#include <QPen>

#include "gdi/gdi_objects.h"
#include "gdi/mapping.h"
#include "gdi/raster_ops.h"
#include "windows.h"

namespace tarnwick::gdi {

struct DevicePen {
    int style = PS_SOLID;  // PS_SOLID, a dash style, or PS_NULL
    int width = 1;         // device pixels, at least 1
    COLORREF colour = 0;
    double dashUnit = 1.0;  // device pixels to one pixel of the dash pattern

    bool IsNull() const { return style == PS_NULL; }
    bool IsThinSolid() const { return style == PS_SOLID && width == 1; }
    bool operator==(const DevicePen& other) const {
        return style == other.style && width == other.width && colour == other.colour &&
               dashUnit == other.dashUnit;
    }
};

// How far beyond a figure's bounds its pixels may reach, in device pixels.
// Every figure centres its pen on its outline, so about half the width
// leaves the bounds; the whole width and a pixel more leaves room for
// round ends and rounding. Figures are culled, noted as drawn and given
// scratch space by this one measure.
inline int PenReach(const DevicePen& pen) { return pen.width + 1; }

// Device pixels to one pixel of the screen whose look a printer of this
// resolution gives its pens (see device_pen.cpp).
double PrinterScreenPixel(int dpi);

// A logical pen under a transform and a raster operation, on a device where
// one screen pixel measures `screenPixel` device pixels (1 on screens and
// bitmaps). As on a Win32 screen, only a pen one screen pixel wide keeps
// its dashes, each pattern pixel one screen pixel long; wider pens are solid.
DevicePen TranslatePen(const PenData& pen, const Transform& transform, const RasterOp& rop,
                       double screenPixel);

// One-pixel pens are cosmetic with flat caps (a line leaves out its last
// pixel); wider pens are geometric with round ends and joins, or flat ends
// when dashed, so that each dash keeps its length.
QPen MakeQPen(const DevicePen& pen);

QColor ToQColor(COLORREF colour);

}  // namespace tarnwick::gdi

#endif
