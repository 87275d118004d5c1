// The items of the owner-drawn toolbar boxes: a line of each width, a patch
// of each colour, a line of each style, the fill colours after "NONE", and
// the tool icons. The boxes keep no text; an item is drawn from its index
// alone.
#ifndef TARNWICK_APP_UI_TOOLBAR_DRAWING_H
#define TARNWICK_APP_UI_TOOLBAR_DRAWING_H

#include "windows.h"

// Draws the item of a WM_DRAWITEM. FALSE when the item is not one of the
// five owner-drawn boxes of the main window.
BOOL DrawToolbarItem(const DRAWITEMSTRUCT* item);

#endif
