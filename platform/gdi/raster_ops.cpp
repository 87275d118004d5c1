#include "gdi/raster_ops.h"

namespace tarnwick::gdi {
namespace {

// On the layer's Format_RGB32 targets Qt's raster operations are exact
// bitwise operations, as with GDI.
constexpr RasterOp kRasterOps[] = {
    {R2_BLACK, 0b0000, QPainter::CompositionMode_Source, "0"},
    {R2_NOTMERGEPEN, 0b0001, QPainter::RasterOp_NotSourceAndNotDestination, "~(P|D)"},
    {R2_MASKNOTPEN, 0b0010, QPainter::RasterOp_NotSourceAndDestination, "~P&D"},
    {R2_NOTCOPYPEN, 0b0011, QPainter::RasterOp_NotSource, "~P"},
    {R2_MASKPENNOT, 0b0100, QPainter::RasterOp_SourceAndNotDestination, "P&~D"},
    {R2_NOT, 0b0101, QPainter::RasterOp_NotDestination, "~D"},
    {R2_XORPEN, 0b0110, QPainter::RasterOp_SourceXorDestination, "P^D"},
    {R2_NOTMASKPEN, 0b0111, QPainter::RasterOp_NotSourceOrNotDestination, "~(P&D)"},
    {R2_MASKPEN, 0b1000, QPainter::RasterOp_SourceAndDestination, "P&D"},
    {R2_NOTXORPEN, 0b1001, QPainter::RasterOp_NotSourceXorDestination, "~(P^D)"},
    {R2_NOP, 0b1010, QPainter::CompositionMode_Destination, "D"},
    {R2_MERGENOTPEN, 0b1011, QPainter::RasterOp_NotSourceOrDestination, "~P|D"},
    {R2_COPYPEN, 0b1100, QPainter::CompositionMode_SourceOver, "P"},
    {R2_MERGEPENNOT, 0b1101, QPainter::RasterOp_SourceOrNotDestination, "P|~D"},
    {R2_MERGEPEN, 0b1110, QPainter::RasterOp_SourceOrDestination, "P|D"},
    {R2_WHITE, 0b1111, QPainter::CompositionMode_Source, "1"},
};

constexpr unsigned kScreenOnly = 0b1010;  // the result is D whatever P is

// The result bit for one pen bit and one screen bit.
constexpr bool Bit(unsigned table, bool pen, bool screen) {
    return (table >> ((pen ? 2u : 0u) | (screen ? 1u : 0u))) & 1u;
}

}  // namespace

RopColour RasterOp::Colour() const {
    if (truthTable == 0b0000) return RopColour::Black;
    if (truthTable == 0b1111) return RopColour::White;
    if (truthTable == kScreenOnly) return RopColour::Nothing;
    return RopColour::Pen;
}

COLORREF RasterOp::PaintColour(COLORREF colour) const {
    switch (Colour()) {
        case RopColour::Black: return 0x000000;
        case RopColour::White: return 0xFFFFFF;
        default: return colour;
    }
}

bool RasterOp::IsIdempotent() const {
    for (bool pen : {false, true}) {
        for (bool screen : {false, true}) {
            bool once = Bit(truthTable, pen, screen);
            if (Bit(truthTable, pen, once) != once) return false;
        }
    }
    return true;
}

std::uint32_t RasterOp::Apply(std::uint32_t pen, std::uint32_t screen) const {
    std::uint32_t result = 0;
    if (truthTable & 1u) result |= ~pen & ~screen;
    if (truthTable & 2u) result |= ~pen & screen;
    if (truthTable & 4u) result |= pen & ~screen;
    if (truthTable & 8u) result |= pen & screen;
    return result;
}

const RasterOp& RasterOpFor(int rop2) {
    if (rop2 < R2_BLACK || rop2 > R2_WHITE) return kRasterOps[R2_COPYPEN - 1];
    return kRasterOps[rop2 - 1];
}

}  // namespace tarnwick::gdi
