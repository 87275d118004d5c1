// Window calls needed before any window exists. With no window there is
// nothing to repaint.
#include "windows.h"

BOOL InvalidateRect(HWND window, const RECT*, BOOL) {
    if (!window) return FALSE;
    return FALSE;
}
