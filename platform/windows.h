// The port layer's public header: the subset of the Win32 API that Tarnwick
// uses, under Win32's names, types, constants and argument orders. Code in
// app/, drawsp/ and drawtools/ includes only this header for platform work, so
// it reads as it would against the real system headers.
//
// Types keep their Win32 widths: LONG, DWORD, COLORREF and friends are 32 bits
// even though `long` is 64 bits here. "A" functions take 8-bit text, which on
// this platform is UTF-8.
#ifndef TARNWICK_PLATFORM_WINDOWS_H
#define TARNWICK_PLATFORM_WINDOWS_H

#include <cstdint>

#if defined(TARNWICK_PLATFORM_BUILD)
#define WINAPI_EXPORT __attribute__((visibility("default")))
#else
#define WINAPI_EXPORT
#endif
#define WINAPI

// ---- basic types -----------------------------------------------------------
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef unsigned int UINT;
typedef std::uint32_t COLORREF;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef void* HANDLE;
typedef void* HGLOBAL;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// Handles are distinct pointer types, as with Win32's STRICT, so the compiler
// catches a pen passed where a brush was meant.
#define TARNWICK_DECLARE_HANDLE(name) \
    struct name##__;                  \
    typedef struct name##__* name
TARNWICK_DECLARE_HANDLE(HINSTANCE);
TARNWICK_DECLARE_HANDLE(HWND);
TARNWICK_DECLARE_HANDLE(HDC);
TARNWICK_DECLARE_HANDLE(HPEN);
TARNWICK_DECLARE_HANDLE(HBRUSH);
TARNWICK_DECLARE_HANDLE(HFONT);
TARNWICK_DECLARE_HANDLE(HRGN);
TARNWICK_DECLARE_HANDLE(HBITMAP);
TARNWICK_DECLARE_HANDLE(HCURSOR);
TARNWICK_DECLARE_HANDLE(HICON);
TARNWICK_DECLARE_HANDLE(HACCEL);
TARNWICK_DECLARE_HANDLE(HMENU);
typedef HINSTANCE HMODULE;
typedef void* HGDIOBJ;
typedef void (*FARPROC)();

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT, *LPPOINT;

typedef struct tagSIZE {
    LONG cx;
    LONG cy;
} SIZE, *LPSIZE;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT, *LPRECT;

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

#define RGB(r, g, b) \
    ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)(((WORD)(c)) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))
#define CLR_INVALID 0xFFFFFFFF

// ---- owner draw --------------------------------------------------------------
#define ODT_COMBOBOX 3
#define ODA_DRAWENTIRE 0x0001
#define ODS_SELECTED 0x0001
#define ODS_FOCUS 0x0010
#define ODS_COMBOBOXEDIT 0x1000

// ---- pens, brushes, stock objects ------------------------------------------
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5

#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

// ---- raster operations, background modes ------------------------------------
#define R2_BLACK 1
#define R2_NOTMERGEPEN 2
#define R2_MASKNOTPEN 3
#define R2_NOTCOPYPEN 4
#define R2_MASKPENNOT 5
#define R2_NOT 6
#define R2_XORPEN 7
#define R2_NOTMASKPEN 8
#define R2_MASKPEN 9
#define R2_NOTXORPEN 10
#define R2_NOP 11
#define R2_MERGENOTPEN 12
#define R2_COPYPEN 13
#define R2_MERGEPENNOT 14
#define R2_MERGEPEN 15
#define R2_WHITE 16

#define TRANSPARENT 1
#define OPAQUE 2

// ---- mapping modes ----------------------------------------------------------
#define MM_TEXT 1
#define MM_LOMETRIC 2
#define MM_HIMETRIC 3
#define MM_LOENGLISH 4
#define MM_HIENGLISH 5
#define MM_TWIPS 6
#define MM_ISOTROPIC 7
#define MM_ANISOTROPIC 8

// ---- fonts and text ---------------------------------------------------------
#define FW_NORMAL 400
#define FW_BOLD 700
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DEFAULT_PITCH 0

#define TA_NOUPDATECP 0
#define TA_UPDATECP 1
#define TA_LEFT 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_TOP 0
#define TA_BOTTOM 8
#define TA_BASELINE 24

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

// ---- regions, resources, devices -------------------------------------------
#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3
#define RGN_COPY 5

#define GR_GDIOBJECTS 0
#define GR_USEROBJECTS 1

#define HORZRES 8
#define VERTRES 10
#define LOGPIXELSX 88
#define LOGPIXELSY 90

typedef struct _DOCINFOA {
    int cbSize;
    LPCSTR lpszDocName;
    LPCSTR lpszOutput;
    LPCSTR lpszDatatype;
    DWORD fwType;
} DOCINFOA;

extern "C++" {

// ---- libraries (KERNEL32) ---------------------------------------------------
// A bare file name is looked for in the running executable's folder first,
// then through the system's library search; the current working folder is
// never searched. A name containing '/' is used as given.
WINAPI_EXPORT HMODULE LoadLibraryA(LPCSTR fileName);
WINAPI_EXPORT FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
WINAPI_EXPORT BOOL FreeLibrary(HMODULE module);
WINAPI_EXPORT HANDLE GetCurrentProcess();
// GR_GDIOBJECTS: live pens, brushes, fonts, regions, bitmaps and DCs made
// and not yet freed (stock objects are not counted).
WINAPI_EXPORT DWORD GetGuiResources(HANDLE process, DWORD flags);

// ---- device contexts ---------------------------------------------------------
WINAPI_EXPORT HDC CreateCompatibleDC(HDC dc);
WINAPI_EXPORT HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
WINAPI_EXPORT HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR output, const void* devMode);
WINAPI_EXPORT BOOL DeleteDC(HDC dc);
WINAPI_EXPORT int SaveDC(HDC dc);
WINAPI_EXPORT BOOL RestoreDC(HDC dc, int savedDC);
WINAPI_EXPORT int GetDeviceCaps(HDC dc, int index);

// ---- GDI objects -------------------------------------------------------------
WINAPI_EXPORT HPEN CreatePen(int style, int width, COLORREF colour);
WINAPI_EXPORT HBRUSH CreateSolidBrush(COLORREF colour);
WINAPI_EXPORT HFONT CreateFontA(int height, int width, int escapement, int orientation,
                                int weight, DWORD italic, DWORD underline, DWORD strikeOut,
                                DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                                DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);
WINAPI_EXPORT HRGN CreateRectRgn(int left, int top, int right, int bottom);
WINAPI_EXPORT HGDIOBJ GetStockObject(int index);
WINAPI_EXPORT HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Deleting an object that a DC still holds (selected, or kept by SaveDC)
// succeeds, but the object lives on until the last DC lets go of it; its
// handle is refused from then on. Deleting a stock object does nothing.
WINAPI_EXPORT BOOL DeleteObject(HGDIOBJ object);
WINAPI_EXPORT int SelectClipRgn(HDC dc, HRGN region);

// ---- DC attributes -----------------------------------------------------------
WINAPI_EXPORT int SetROP2(HDC dc, int rop2);
WINAPI_EXPORT int GetROP2(HDC dc);
WINAPI_EXPORT COLORREF SetTextColor(HDC dc, COLORREF colour);
WINAPI_EXPORT COLORREF GetTextColor(HDC dc);
WINAPI_EXPORT COLORREF SetBkColor(HDC dc, COLORREF colour);
WINAPI_EXPORT int SetBkMode(HDC dc, int mode);
WINAPI_EXPORT int GetBkMode(HDC dc);
WINAPI_EXPORT UINT SetTextAlign(HDC dc, UINT align);
WINAPI_EXPORT UINT GetTextAlign(HDC dc);
WINAPI_EXPORT HGDIOBJ GetCurrentObject(HDC dc, UINT type);

#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_FONT 6
#define OBJ_BITMAP 7

// ---- mapping -----------------------------------------------------------------
WINAPI_EXPORT int SetMapMode(HDC dc, int mode);
WINAPI_EXPORT int GetMapMode(HDC dc);
WINAPI_EXPORT BOOL SetWindowExtEx(HDC dc, int x, int y, LPSIZE old);
WINAPI_EXPORT BOOL SetViewportExtEx(HDC dc, int x, int y, LPSIZE old);
WINAPI_EXPORT BOOL SetWindowOrgEx(HDC dc, int x, int y, LPPOINT old);
WINAPI_EXPORT BOOL SetViewportOrgEx(HDC dc, int x, int y, LPPOINT old);
WINAPI_EXPORT BOOL DPtoLP(HDC dc, LPPOINT points, int count);
WINAPI_EXPORT BOOL LPtoDP(HDC dc, LPPOINT points, int count);

// ---- drawing -----------------------------------------------------------------
WINAPI_EXPORT BOOL MoveToEx(HDC dc, int x, int y, LPPOINT old);
WINAPI_EXPORT BOOL LineTo(HDC dc, int x, int y);
WINAPI_EXPORT BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
WINAPI_EXPORT BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
WINAPI_EXPORT BOOL Polygon(HDC dc, const POINT* points, int count);
WINAPI_EXPORT int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
WINAPI_EXPORT COLORREF GetPixel(HDC dc, int x, int y);
WINAPI_EXPORT COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
WINAPI_EXPORT BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length);
WINAPI_EXPORT int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);

// ---- printing ----------------------------------------------------------------
WINAPI_EXPORT int StartDocA(HDC dc, const DOCINFOA* info);
WINAPI_EXPORT int StartPage(HDC dc);
WINAPI_EXPORT int EndPage(HDC dc);
WINAPI_EXPORT int EndDoc(HDC dc);

// ---- windows (the pieces needed before the main window exists) ---------------
// With a null window InvalidateRect does nothing and returns FALSE.
WINAPI_EXPORT BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);

}  // extern "C++"

#endif
