// Dialogs made from templates, and the dialog's own window procedure.
#ifndef TARNWICK_PLATFORM_USER_DIALOGS_H
#define TARNWICK_PLATFORM_USER_DIALOGS_H

#include "user/window.h"
#include "windows.h"

namespace tarnwick::user {

// A dialog and its controls from a template, initialised (WM_INITDIALOG
// has run) but not yet shown unless its template asks for WS_VISIBLE.
Window* MakeDialog(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure,
                   LPARAM initParam);

// The window procedure of every dialog: the dialog procedure first, then
// the default handling of what it left.
LRESULT DialogWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The first enabled control with WS_TABSTOP, or null.
Window* FirstTabStop(const Window* dialog);

// The id Enter presses in a dialog: its default push button's, or IDOK.
int DefaultButtonId(const Window* dialog);

}  // namespace tarnwick::user

#endif
