// The procedures of the three modal dialogs the main window opens: text
// entry (107), go to page (108) and help (112). Each returns TRUE for every
// WM_COMMAND, acted on or not.
#ifndef TARNWICK_APP_UI_MODAL_DIALOGS_H
#define TARNWICK_APP_UI_MODAL_DIALOGS_H

#include "windows.h"

// OK reads the text into enteredText and ends the dialog; Esc is ignored,
// so the dialog stays until OK.
INT_PTR TextDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// OK reads the page number into gotoPageNumber and ends with 1; Cancel and
// Esc end with 0.
INT_PTR GotoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Shows the help text; OK ends it, Esc does nothing.
INT_PTR HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A typed page number: leading white space, one optional sign, then the
// digits up to the first non-digit; no digits give 0, and numbers beyond
// the int range stop at INT_MAX or INT_MIN.
int ParsePageNumber(const char* text);

#endif
