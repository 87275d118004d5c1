// The frame every primitive draws in.
#include "draw_surface.h"

namespace {

// The raster operation for one call's drawing mode; 0 leaves the DC's own.
int RasterOperationFor(int mode) {
    if (mode <= 0) return 0;
    switch (mode) {
        case kModeXor: return R2_XORPEN;
        case kModeInvert: return R2_NOT;  // drawing twice restores the pixels
        default: return R2_COPYPEN;
    }
}

}  // namespace

void DrawSurface::BeginDraw(int mode) {
    savedDC_ = SaveDC(dc_);
    pen_ = CreatePen(penStyle_, penWidth_, colour_);
    oldPen_ = SelectObject(dc_, pen_);
    SetTextColor(dc_, colour_);
    SetBkMode(dc_, TRANSPARENT);
    brush_ = fillOn_ != 0 ? static_cast<HGDIOBJ>(CreateSolidBrush(fillColour_))
                          : GetStockObject(NULL_BRUSH);
    oldBrush_ = SelectObject(dc_, brush_);
    const int rasterOperation = RasterOperationFor(mode);
    if (rasterOperation != 0) SetROP2(dc_, rasterOperation);
}

void DrawSurface::EndDraw() {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    // Also undoes the raster operation, text colour and background mode.
    RestoreDC(dc_, savedDC_);
    DeleteObject(pen_);
    // A stock brush is never deleted.
    if (fillOn_ != 0) DeleteObject(brush_);
    pen_ = nullptr;
    brush_ = nullptr;
}
