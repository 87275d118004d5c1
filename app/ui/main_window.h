// The main window: the modeless dialog 101 with a one-row toolbar across
// the top and the canvas stretched over the rest. The toolbar holds the
// drawing settings; they are read from its boxes whenever they are needed.
#ifndef TARNWICK_APP_UI_MAIN_WINDOW_H
#define TARNWICK_APP_UI_MAIN_WINDOW_H

#include "windows.h"

// TRUE for the messages it handles: WM_INITDIALOG, WM_SIZE, WM_CLOSE,
// WM_COMMAND, and WM_DRAWITEM of the five owner-drawn boxes.
INT_PTR MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
