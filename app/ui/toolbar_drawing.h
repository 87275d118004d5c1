// The owner-drawn toolbar boxes, one row each: a line of each width, a
// patch of each colour, a line of each style, the fill colours after
// "NONE", and the tool icons. The boxes keep no text; an item is drawn from
// its index alone. The same rows fill the boxes and draw their items.
#ifndef TARNWICK_APP_UI_TOOLBAR_DRAWING_H
#define TARNWICK_APP_UI_TOOLBAR_DRAWING_H

#include <span>

#include "windows.h"

// Draws one entry into the item's DC; returns the pen or brush it made (or
// null), for deletion once the DC has let go of it.
typedef HGDIOBJ (*ItemPainter)(const DRAWITEMSTRUCT& item, int index);

struct ToolbarBox {
    int id;
    int entries;
    ItemPainter paint;
    bool savesDc;  // the painter leaves the DC as it found it itself
};

// In the order the main window fills them.
extern const std::span<const ToolbarBox> kToolbarBoxes;

// Draws the item of a WM_DRAWITEM. FALSE when the item is not one of the
// owner-drawn boxes of the main window.
BOOL DrawToolbarItem(const DRAWITEMSTRUCT* item);

#endif
