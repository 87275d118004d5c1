// Window calls needed before any window exists. With no window there is
// nothing to repaint.
#include "windows.h"

BOOL InvalidateRect(HWND, const RECT*, BOOL) { return FALSE; }
