// The erase mode of the canvas. E makes it current; Esc, a tool key, T or
// a tool picked in the Tool box ends it. While it lasts no tool is current
// (the Tool box shows none), the canvas shows the eraser, and a left click
// erases the topmost figure under it: stored at once, and undoable.
#ifndef TARNWICK_APP_UI_ERASING_H
#define TARNWICK_APP_UI_ERASING_H

#include "windows.h"

// The E command: the current tool goes, with its shape under way, as with
// Esc, and erasing begins.
void StartErasing(HWND mainWindow);
void StopErasing();
bool IsErasing();

// A left click at a point of the canvas while erasing; `dc` is the
// canvas's, prepared (PrepareDC). A click that hits no figure does nothing.
void EraseAtClick(HWND canvas, HDC dc, POINT device);

#endif
