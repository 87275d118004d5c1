// Single pixels: GetPixel reads image targets, SetPixel writes any target.
// Both work in logical units through the mapping and respect the clip.
#include "gdi/device_context.h"

using namespace tarnwick::gdi;

namespace {

bool InsideClip(const DeviceContext& context, POINT p) {
    return !context.state.hasClip || context.state.clip.contains(QPoint(p.x, p.y));
}

}  // namespace

COLORREF GetPixel(HDC dc, int x, int y) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || !context->Image()) return CLR_INVALID;
    POINT p = context->transform.ToDevice(x, y);
    if (!context->Image()->valid(p.x, p.y) || !InsideClip(*context, p)) return CLR_INVALID;
    QRgb pixel = context->Image()->pixel(p.x, p.y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || !context->PrepareTarget()) return CLR_INVALID;
    POINT p = context->transform.ToDevice(x, y);
    if (context->Image() && !context->Image()->valid(p.x, p.y)) return CLR_INVALID;
    if (!InsideClip(*context, p)) return CLR_INVALID;
    context->ApplyCopyMode();  // SetPixel ignores the raster operation
    context->NoteDrawn(QRect(p.x, p.y, 1, 1));
    context->ActivePainter().fillRect(QRect(p.x, p.y, 1, 1), ToQColor(colour));
    return colour & 0xFFFFFFu;
}
