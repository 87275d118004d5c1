// The window side of the record's screen listener: what changed on the page
// is drawn again on the canvas, and what the store could not do goes into
// the main window's caption.
#ifndef TARNWICK_APP_UI_CANVAS_SCREEN_H
#define TARNWICK_APP_UI_CANVAS_SCREEN_H

#include "screen_listener.h"

ScreenListener& CanvasScreen();

#endif
