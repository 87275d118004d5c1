// The pixels of windows that keep their own, and getting them to the
// screen: repaints a window asks for, and what its DCs drew.
#ifndef TARNWICK_PLATFORM_USER_PAINTING_H
#define TARNWICK_PLATFORM_USER_PAINTING_H

#include <QEvent>
#include <QPaintEvent>

#include "user/window.h"

namespace tarnwick::user {

// The Qt event a window posts itself to have its WM_PAINT sent.
QEvent::Type PaintRequestEvent();

// Gives a window its own pixels (once), sized to its widget.
PixelBuffer* PixelsOf(Window* window);
// A new size in device pixels: the pixels that stay are kept, the DCs of
// the window draw into the new pixels from their next primitive on.
void ResizePixels(Window* window, const QSize& deviceSize);
// Sends WM_PAINT if anything waits to be repainted.
void DeliverPaint(Window* window);
// Shows a window's pixels in its widget for a Qt paint event.
void ShowPixels(Window* window, QWidget* widget, const QPaintEvent& event);
// Lets go of every DC still drawing into the window's pixels, and of them.
void FreePixels(Window* window);

}  // namespace tarnwick::user

#endif
