// GDI's binary raster operations. Each operation is one row of a table (its
// R2 code, its truth table, the Qt composition mode that does it, a note);
// everything else about an operation is derived from that row.
#ifndef TARNWICK_PLATFORM_GDI_RASTER_OPS_H
#define TARNWICK_PLATFORM_GDI_RASTER_OPS_H

#include <QPainter>

#include <cstdint>

#include "windows.h"

namespace tarnwick::gdi {

// What colour a primitive paints with under an operation.
enum class RopColour : std::uint8_t {
    Pen,      // the pen's or brush's own colour, combined by the Qt mode
    Black,    // always black
    White,    // always white
    Nothing,  // the operation leaves the target as it is
};

struct RasterOp {
    int rop2;
    // Bit (P << 1 | D) is the result for pen bit P and screen bit D.
    unsigned truthTable;
    QPainter::CompositionMode mode;
    const char* note;

    RopColour Colour() const;
    // Whether covering a pixel twice gives what covering it once gives; for
    // other operations a figure must touch each pixel exactly once.
    bool IsIdempotent() const;
    // The colour a pen or brush of this colour paints with.
    COLORREF PaintColour(COLORREF colour) const;
    // The operation on 24-bit colours, bit by bit.
    std::uint32_t Apply(std::uint32_t pen, std::uint32_t screen) const;
};

// The row of an R2 code; an unknown code behaves as R2_COPYPEN.
const RasterOp& RasterOpFor(int rop2);

}  // namespace tarnwick::gdi

#endif
