// USER32 of the port layer: windows, messages, dialogs, controls, owner
// drawing, text in rectangles, cursors, icons and resource counts.
#ifndef TARNWICK_PLATFORM_WINUSER_H
#define TARNWICK_PLATFORM_WINUSER_H

#include "windef.h"

typedef struct tagDRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    ULONG_PTR itemData;
} DRAWITEMSTRUCT, *LPDRAWITEMSTRUCT;

// ---- owner draw --------------------------------------------------------------
#define ODT_COMBOBOX 3
#define ODA_DRAWENTIRE 0x0001
#define ODS_SELECTED 0x0001
#define ODS_FOCUS 0x0010
#define ODS_COMBOBOXEDIT 0x1000

#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400

#define GR_GDIOBJECTS 0
#define GR_USEROBJECTS 1

extern "C++" {

// GR_GDIOBJECTS: live pens, brushes, fonts, regions, bitmaps and DCs made
// and not yet freed (stock objects are not counted).
WINAPI_EXPORT DWORD GetGuiResources(HANDLE process, DWORD flags);

WINAPI_EXPORT int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
WINAPI_EXPORT int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);

// ---- windows (the pieces needed before the main window exists) ---------------
// With a null window InvalidateRect does nothing and returns FALSE.
WINAPI_EXPORT BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);

}  // extern "C++"

#endif
