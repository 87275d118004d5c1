// The drawing settings as the toolbar shows them right now. They are read
// again for every paint, mouse event and print, so a change in a box acts
// from the next of these without being copied anywhere.
#ifndef TARNWICK_APP_UI_TOOLBAR_SETTINGS_H
#define TARNWICK_APP_UI_TOOLBAR_SETTINGS_H

#include "windows.h"

struct ToolbarSettings {
    COLORREF colour;
    int penStyle;
    int penWidth;  // 0 (one pixel) for temporary lines
    COLORREF fillColour;
    int fillOn;
    int fontHeight;
    int temporary;  // the "Temp" box is ticked
};

// Reads the boxes of the main window.
ToolbarSettings ReadToolbar(HWND mainWindow);

#endif
