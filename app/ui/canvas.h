// The canvas: the static control 1009 of the main window, taken over by
// CanvasProc. It shows the current page as ruled paper with its figures and
// hands the mouse to the current tool in page units (0.1 mm, y up, 0 at the
// top edge of the page).
#ifndef TARNWICK_APP_UI_CANVAS_H
#define TARNWICK_APP_UI_CANVAS_H

#include "windows.h"

// The crosshair shown over the canvas, and the eraser shown instead while
// erasing; loaded at start, null until then.
extern HCURSOR canvasCursor;
extern HCURSOR eraserCursor;

// The page width in page units, which always fills the canvas's width.
inline constexpr int kPageWidth = 2159;
inline constexpr int kPageHeight = 2794;

LRESULT CanvasProc(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam);

// Brings the toolbar's settings to the surface and the Temp box to the
// current tool, and sets up the DC: for the canvas (screen 1) a clip to
// its client area and the page mapping, for a printer (screen 0) 0.1 mm
// units. `window` is the canvas, or the main window when printing. Every
// PrepareDC is followed by a FinishDC before the next; they never nest.
void PrepareDC(HWND window, HDC dc, int screen);
// Puts the DC back as PrepareDC found it.
void FinishDC(int screen);

// The toolbar's settings to the surface and the Temp box to the current
// tool, as PrepareDC brings them.
void ApplyToolbarSettings(HWND mainWindow);
// The canvas's clip and page mapping on another DC, for drawing the page
// as the canvas shows it, or would show it scrolled to another origin.
void PrepareCanvasMapping(HWND canvas, HDC dc);
void PrepareCanvasMapping(HWND canvas, HDC dc, int originY);
// The page as the canvas shows it, without the shape under way: the sheet,
// its ruling and margin, the grey below it and the page's figures, on a DC
// with the canvas's mapping. Figures that cannot show on the canvas are
// left out unless every figure is asked for.
void DrawPage(HWND canvas, HDC dc, bool everyFigure = false);
// The canvas's page mapping for a client area, with the viewport origin at
// the DC's (0, 0): a memory DC whose viewport origin is then moved shows a
// part of the canvas pixel for pixel.
void SetPageMapping(HDC dc, const RECT& client);
void SetPageMapping(HDC dc, const RECT& client, int originY);

// Asks for the whole canvas to be drawn again.
BOOL InvalidateCanvas();

#endif
