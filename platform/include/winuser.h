// USER32 of the port layer: windows over Qt widgets, messages and the
// message loop, dialogs from templates, controls, owner drawing, text in
// rectangles, cursors, icons, accelerators, message boxes and resource
// counts. Names, types, constants, argument orders and wParam/lParam packing
// are Win32's.
//
// Pixels: window coordinates, sizes and mouse positions are device pixels,
// so on a high-density screen a window's pixel buffer is as sharp as the
// screen and GDI drawing maps one Win32 pixel to one device pixel.
#ifndef TARNWICK_PLATFORM_WINUSER_H
#define TARNWICK_PLATFORM_WINUSER_H

#include "windef.h"

typedef std::intptr_t LONG_PTR;
typedef short SHORT;
typedef LRESULT (*WNDPROC)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
typedef INT_PTR (*DLGPROC)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#define LOWORD(l) ((WORD)(((DWORD)(ULONG_PTR)(l)) & 0xFFFF))
#define HIWORD(l) ((WORD)((((DWORD)(ULONG_PTR)(l)) >> 16) & 0xFFFF))
#define MAKELONG(a, b) ((LONG)(((WORD)(((DWORD)(a)) & 0xFFFF)) | ((DWORD)((WORD)(((DWORD)(b)) & 0xFFFF))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
    DWORD lPrivate;
} MSG, *LPMSG;

typedef struct tagPAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *LPPAINTSTRUCT;

typedef struct tagACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
} ACCEL, *LPACCEL;

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

// ---- messages ----------------------------------------------------------------
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SETCURSOR 0x0020
#define WM_DRAWITEM 0x002B
#define WM_MEASUREITEM 0x002C
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_SETICON 0x0080
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_USER 0x0400

// WM_SIZE wParam
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2
// WM_SETICON wParam
#define ICON_SMALL 0
#define ICON_BIG 1
// WM_SETCURSOR hit test (low word of lParam)
#define HTCLIENT 1
// Mouse message wParam
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008

// PeekMessageA
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// ---- window data ------------------------------------------------------------
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_ID (-12)
#define GWLP_USERDATA (-21)
#define GWL_WNDPROC GWLP_WNDPROC
#define GWL_HINSTANCE GWLP_HINSTANCE
#define GWL_ID GWLP_ID
#define GWL_USERDATA GWLP_USERDATA
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC 8
#define DWLP_USER 16

// ---- window, dialog and control styles -----------------------------------------
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L

#define DS_SETFONT 0x0040L
#define DS_MODALFRAME 0x0080L
#define DS_CENTER 0x0800L

#define SS_LEFT 0x0000L
#define SS_CENTER 0x0001L
#define SS_RIGHT 0x0002L

#define BS_PUSHBUTTON 0x0000L
#define BS_DEFPUSHBUTTON 0x0001L
#define BS_CHECKBOX 0x0002L
#define BS_AUTOCHECKBOX 0x0003L
#define BS_TYPEMASK 0x000FL

#define ES_LEFT 0x0000L
#define ES_CENTER 0x0001L
#define ES_RIGHT 0x0002L
#define ES_MULTILINE 0x0004L
#define ES_AUTOHSCROLL 0x0080L
#define ES_READONLY 0x0800L

#define CBS_DROPDOWN 0x0002L
#define CBS_DROPDOWNLIST 0x0003L
#define CBS_OWNERDRAWFIXED 0x0010L
#define CBS_HASSTRINGS 0x0200L

// ---- control messages and notifications ---------------------------------------
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_CLICK 0x00F5
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BN_CLICKED 0

#define CB_ERR (-1)
#define CB_ADDSTRING 0x0143
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_RESETCONTENT 0x014B
#define CB_SETCURSEL 0x014E
#define CB_SHOWDROPDOWN 0x014F
#define CB_GETITEMDATA 0x0150
#define CBN_SELCHANGE 1

// ---- owner draw ----------------------------------------------------------------
#define ODT_COMBOBOX 3
#define ODA_DRAWENTIRE 0x0001
#define ODA_SELECT 0x0002
#define ODA_FOCUS 0x0004
#define ODS_SELECTED 0x0001
#define ODS_FOCUS 0x0010
#define ODS_COMBOBOXEDIT 0x1000

// ---- dialog and message box results, message box styles ---------------------------
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

#define MB_OK 0x00000000L
#define MB_YESNO 0x00000004L
#define MB_ICONERROR 0x00000010L
#define MB_ICONHAND MB_ICONERROR
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L

// ---- ShowWindow --------------------------------------------------------------------
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_SHOW 5
#define SW_SHOWDEFAULT 10

// ---- virtual keys and accelerators ---------------------------------------------------
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_CAPITAL 0x14
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_NUMPAD0 0x60
#define VK_F1 0x70
#define VK_F4 0x73
#define VK_F12 0x7B

#define FVIRTKEY 0x01
#define FNOINVERT 0x02
#define FSHIFT 0x04
#define FCONTROL 0x08
#define FALT 0x10

// ---- text in rectangles ---------------------------------------------------------------
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

// ---- system resources -------------------------------------------------------------------
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define COLOR_WINDOW 5
#define COLOR_BTNFACE 15

#define GR_GDIOBJECTS 0
#define GR_USEROBJECTS 1

extern "C++" {

// ---- dialogs -----------------------------------------------------------------------------
// A modeless dialog from the dialog resource `templateName` of `instance`:
// its controls are made, positioned in dialog units through the template's
// font, and WM_INITDIALOG (lParam = initParam) reaches `dialogProc` before
// the call returns. Null when the template is unknown.
WINAPI_EXPORT HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                                      DLGPROC dialogProc, LPARAM initParam);
// A modal dialog: made as CreateDialogParamA makes it, shown over its owner,
// which takes no input meanwhile, and run by a loop of its own that sends
// the dialog keys (Enter, Esc, Tab) to the dialog and consults no
// accelerator table. Returns the result given to EndDialog once the dialog
// is gone, or -1 when it could not be made.
WINAPI_EXPORT INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                                      DLGPROC dialogProc, LPARAM initParam);
// Ends a dialog with a result: a modal dialog's loop then returns it; a
// modeless dialog is hidden.
WINAPI_EXPORT BOOL EndDialog(HWND dialog, INT_PTR result);
WINAPI_EXPORT HWND GetDlgItem(HWND dialog, int id);
WINAPI_EXPORT int GetDlgCtrlID(HWND window);
WINAPI_EXPORT LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam,
                                          LPARAM lParam);
WINAPI_EXPORT BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
// Copies at most size - 1 bytes and a NUL; never splits a UTF-8 character.
WINAPI_EXPORT UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size);
// Dialog keys for messages of the dialog and its controls: Enter presses
// the default button, Esc sends IDCANCEL, Alt with a letter presses the
// button with that mnemonic, Tab moves between WS_TABSTOP controls. Every
// other message of the dialog is translated and dispatched here. TRUE when
// the message belonged to the dialog.
WINAPI_EXPORT BOOL IsDialogMessageA(HWND dialog, LPMSG message);

// ---- windows -----------------------------------------------------------------------------
// Sends WM_DESTROY to the window and then to its children, and frees them.
WINAPI_EXPORT BOOL DestroyWindow(HWND window);
WINAPI_EXPORT BOOL IsWindow(HWND window);
WINAPI_EXPORT HWND GetParent(HWND window);
WINAPI_EXPORT BOOL SetWindowTextA(HWND window, LPCSTR text);
WINAPI_EXPORT int GetWindowTextA(HWND window, LPSTR text, int size);
// SW_SHOWMAXIMIZED fills the screen's available area, also where no window
// manager maximises windows.
WINAPI_EXPORT BOOL ShowWindow(HWND window, int command);
WINAPI_EXPORT BOOL IsWindowVisible(HWND window);
WINAPI_EXPORT BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
WINAPI_EXPORT BOOL GetClientRect(HWND window, LPRECT rect);
WINAPI_EXPORT BOOL GetWindowRect(HWND window, LPRECT rect);
WINAPI_EXPORT BOOL ScreenToClient(HWND window, LPPOINT point);
WINAPI_EXPORT BOOL ClientToScreen(HWND window, LPPOINT point);
WINAPI_EXPORT HWND GetFocus();
WINAPI_EXPORT HWND SetFocus(HWND window);
WINAPI_EXPORT LONG_PTR GetWindowLongPtrA(HWND window, int index);
WINAPI_EXPORT LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);

// ---- painting ----------------------------------------------------------------------------
// Windows keep their own pixels. A DC from GetDC draws straight into them;
// what it changed is shown when it is released. InvalidateRect gathers the
// area to repaint into one WM_PAINT, sent once the program returns to its
// message loop (or at UpdateWindow). With a null window InvalidateRect does
// nothing and returns FALSE.
WINAPI_EXPORT BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
WINAPI_EXPORT BOOL UpdateWindow(HWND window);
WINAPI_EXPORT HDC GetDC(HWND window);
WINAPI_EXPORT int ReleaseDC(HWND window, HDC dc);
WINAPI_EXPORT HDC BeginPaint(HWND window, LPPAINTSTRUCT paint);
WINAPI_EXPORT BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
WINAPI_EXPORT int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
WINAPI_EXPORT int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);
WINAPI_EXPORT DWORD GetSysColor(int index);

// ---- messages and the loop ------------------------------------------------------------------
WINAPI_EXPORT LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WINAPI_EXPORT BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WINAPI_EXPORT LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WINAPI_EXPORT LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message,
                                      WPARAM wParam, LPARAM lParam);
// Waits for the next message of the thread: posted messages and input in
// the order they came, then WM_QUIT (result 0). While it waits, key presses
// for the program's windows come here first, whatever control has the focus.
WINAPI_EXPORT BOOL GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax);
WINAPI_EXPORT BOOL PeekMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax,
                                UINT remove);
WINAPI_EXPORT BOOL TranslateMessage(const MSG* message);
WINAPI_EXPORT LRESULT DispatchMessageA(const MSG* message);
WINAPI_EXPORT void PostQuitMessage(int exitCode);
// The state of a key when the message being handled was generated: the high
// bit is set while it is down.
WINAPI_EXPORT SHORT GetKeyState(int virtualKey);

// ---- accelerators ----------------------------------------------------------------------------
WINAPI_EXPORT HACCEL LoadAcceleratorsA(HINSTANCE instance, LPCSTR tableName);
// A key message matching an entry (its Shift, Control and Alt exactly as
// the entry asks) becomes WM_COMMAND (low word the command, high word 1) sent
// to `window`; 1 when it did.
WINAPI_EXPORT int TranslateAcceleratorA(HWND window, HACCEL table, LPMSG message);

// ---- cursors, icons, message boxes ----------------------------------------------------------------
WINAPI_EXPORT HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR cursorName);
WINAPI_EXPORT HCURSOR SetCursor(HCURSOR cursor);
WINAPI_EXPORT BOOL DestroyCursor(HCURSOR cursor);
// Icons of a module are shared: loading one twice gives the same handle.
WINAPI_EXPORT HICON LoadIconA(HINSTANCE instance, LPCSTR iconName);
// MB_OK or MB_YESNO, with MB_ICONERROR; the first button is the default.
// IDOK, IDYES or IDNO.
WINAPI_EXPORT int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// ---- resources of the process ------------------------------------------------------------------
// GR_GDIOBJECTS: live pens, brushes, fonts, regions, bitmaps and DCs made
// and not yet freed (stock objects are not counted). GR_USEROBJECTS: live
// windows, cursors and accelerator tables (shared ones are not counted).
WINAPI_EXPORT DWORD GetGuiResources(HANDLE process, DWORD flags);

}  // extern "C++"

#endif
