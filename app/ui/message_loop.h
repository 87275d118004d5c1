// The program's message loop around the main window.
#ifndef TARNWICK_APP_UI_MESSAGE_LOOP_H
#define TARNWICK_APP_UI_MESSAGE_LOOP_H

#include "windows.h"

// Runs until WM_QUIT (or an error of the queue). The keys of the table act
// first, even while a box or the page-number box has the focus; then the
// dialog's own keys; everything else is dispatched as usual. Whenever the
// queue is empty, the canvas's page layer prepares the next scroll position.
void RunMessageLoop(HWND mainWindow, HACCEL keys);

#endif
