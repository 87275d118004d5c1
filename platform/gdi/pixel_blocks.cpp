// Blocks of pixels copied between DCs (BitBlt), and the rectangle a DC's
// drawing touched (SetBoundsRect, GetBoundsRect): what a window that keeps
// a picture of itself off screen needs to show it again cheaply.
#include <algorithm>

#include "gdi/device_context.h"

using namespace tarnwick::gdi;

namespace {

// A logical rectangle as device pixels, corners in either order.
QRect DeviceRect(const DeviceContext& context, int x, int y, int width, int height) {
    const POINT from = context.transform.ToDevice(x, y);
    const POINT to = context.transform.ToDevice(x + width, y + height);
    return QRect(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                 QPoint(std::max(from.x, to.x) - 1, std::max(from.y, to.y) - 1));
}

}  // namespace

// Both rectangles go through their DC's mapping; should they differ in
// size, the source is stretched over the destination. The destination's
// clip applies.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) {
    DeviceContext* to = DeviceContextOf(dest);
    DeviceContext* from = DeviceContextOf(source);
    if (to == nullptr || from == nullptr || rop != SRCCOPY || from->Image() == nullptr) return FALSE;
    const QRect target = DeviceRect(*to, x, y, width, height);
    const QRect origin = DeviceRect(*from, sourceX, sourceY, width, height);
    if (target.isEmpty() || origin.isEmpty()) return TRUE;
    // The source's own painter lets go, so its pixels are all there.
    if (from != to) from->EndPainting();
    if (!to->PrepareTarget()) return FALSE;
    to->ApplyCopyMode();
    QPainter& painter = to->ActivePainter();
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target, *from->Image(), origin);
    painter.setCompositionMode(mode);
    to->NoteDrawn(target);
    return TRUE;
}

UINT SetBoundsRect(HDC dc, const RECT* rect, UINT flags) {
    DeviceContext* context = DeviceContextOf(dc);
    if (context == nullptr) return 0;
    const UINT former = (context->TracksDrawing() ? DCB_ENABLE : DCB_DISABLE) | (context->HasDrawn() ? DCB_SET : DCB_RESET);
    if (flags & DCB_RESET) context->TakeDrawn();
    if ((flags & DCB_ACCUMULATE) && rect != nullptr) {
        context->TrackDrawing(true);
        context->NoteDrawn(DeviceRect(*context, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top));
    }
    if (flags & DCB_ENABLE) context->TrackDrawing(true);
    if (flags & DCB_DISABLE) context->TrackDrawing(false);
    return former;
}

// The device rectangle comes back in logical units, corners ordered as
// they are in the DC's mapping.
UINT GetBoundsRect(HDC dc, LPRECT rect, UINT flags) {
    DeviceContext* context = DeviceContextOf(dc);
    if (context == nullptr || rect == nullptr) return 0;
    const QRect drawn = context->Drawn();
    if (flags & DCB_RESET) context->TakeDrawn();
    if (drawn.isEmpty()) {
        *rect = RECT{0, 0, 0, 0};
        return DCB_RESET;
    }
    const POINT from = context->transform.ToLogical(drawn.left(), drawn.top());
    const POINT to = context->transform.ToLogical(drawn.right() + 1, drawn.bottom() + 1);
    *rect = RECT{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y)};
    return DCB_SET;
}
