// The control classes: static, button, edit and combo box. Each has its
// class procedure (what GetWindowLongPtrA(GWLP_WNDPROC) gives before a
// program subclasses the control) and a Qt widget made from a dialog
// template's item.
#ifndef TARNWICK_PLATFORM_USER_CONTROLS_H
#define TARNWICK_PLATFORM_USER_CONTROLS_H

#include "resource_script.h"
#include "user/window.h"
#include "windows.h"

namespace tarnwick::user {

// A control of `dialog` for a template item, its widget placed at `area`
// (device pixels in the dialog's client area). Null for an unknown class.
Window* CreateControl(Window* dialog, const DialogItemResource& item, const QRect& area);

LRESULT StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ComboBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the window's text (window->text) in its widget.
void ShowText(Window* window);

// Copies UTF-8 text into a buffer of `size` bytes: at most size - 1 bytes
// and a NUL, never ending inside a character. The bytes copied.
int CopyTextOut(const QByteArray& text, char* buffer, int size);

// The height of one item of an owner-drawn combo box: the dialog font's
// height, as the system gives items whose owner does not measure them.
int ComboItemHeight(const Window* combo);

// Whether a combo box's list is dropped down (it then wants Enter and Esc).
bool IsComboListShown(const Window* combo);

}  // namespace tarnwick::user

#endif
