// Owner drawing: an item of an owner-drawn control is drawn by the dialog
// that owns the control, through WM_DRAWITEM and a DC on the item's pixels.
#ifndef TARNWICK_PLATFORM_USER_OWNER_DRAW_H
#define TARNWICK_PLATFORM_USER_OWNER_DRAW_H

#include <QColor>
#include <QPainter>
#include <QRect>

#include "user/window.h"

namespace tarnwick::user {

// Has the control's dialog draw item `index` (-1: none) with `state`
// (ODS_ flags) over `background`, then paints the result into `area` (the
// painter's own coordinates).
void DrawOwnerItem(Window* control, int index, UINT state, const QRect& area, QPainter& painter,
                   const QColor& background);

}  // namespace tarnwick::user

#endif
