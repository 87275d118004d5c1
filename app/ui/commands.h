// The commands of the main window, whether they come from a button, the
// Tool box or the key table.
#ifndef TARNWICK_APP_UI_COMMANDS_H
#define TARNWICK_APP_UI_COMMANDS_H

#include "windows.h"

// Carries out the WM_COMMAND with this id and notification code; ids
// without a command do nothing.
void RunCommand(HWND mainWindow, WORD id, WORD notification);

// Ends the program: the window goes and the message loop ends.
void CloseMainWindow(HWND mainWindow);

// Puts the current page's number into the page-number box.
void ShowPageNumber(HWND mainWindow);

#endif
