// The box of a rectangle or an ellipse in device pixels, and the rule for
// the box its brush fills.
#ifndef TARNWICK_PLATFORM_GDI_DEVICE_BOX_H
#define TARNWICK_PLATFORM_GDI_DEVICE_BOX_H

#include "gdi/device_context.h"

#include <QRect>

namespace tarnwick::gdi {

// Right and bottom are exclusive: the box covers the pixels left..right-1
// and top..bottom-1.
struct DeviceBox {
    int left, top, right, bottom;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    // The covered pixels, inclusive.
    QRect Pixels() const { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }
};

// The logical box (l, t, r, b) after mapping, corners in either order.
DeviceBox MapBox(const DeviceContext& context, int left, int top, int right, int bottom);

// Without a pen the brush fills a box one pixel smaller on the right and at
// the bottom, as on Win32.
inline DeviceBox BrushOnlyBox(const DeviceBox& box) {
    return {box.left, box.top, box.right - 1, box.bottom - 1};
}

// Fills every pixel of the box.
void FillBox(QPainter& painter, const DeviceBox& box, const QColor& colour);

// The device box of a rectangle or ellipse, with pen and brush in force and
// the figure noted as drawn; false when there is nothing to draw.
bool PrepareBoxFigure(DeviceContext& context, int left, int top, int right, int bottom, DeviceBox& box);

}  // namespace tarnwick::gdi

#endif
