// Temporary failure-returning entry points so that dependants link while the
// GDI implementation is written.
#include "windows.h"

HANDLE GetCurrentProcess() { return reinterpret_cast<HANDLE>(-1); }
DWORD GetGuiResources(HANDLE, DWORD) { return 0; }
HDC CreateCompatibleDC(HDC) { return nullptr; }
HBITMAP CreateCompatibleBitmap(HDC, int, int) { return nullptr; }
HDC CreateDCA(LPCSTR, LPCSTR, LPCSTR, const void*) { return nullptr; }
BOOL DeleteDC(HDC) { return FALSE; }
int SaveDC(HDC) { return 0; }
BOOL RestoreDC(HDC, int) { return FALSE; }
int GetDeviceCaps(HDC, int) { return 0; }
HPEN CreatePen(int, int, COLORREF) { return nullptr; }
HBRUSH CreateSolidBrush(COLORREF) { return nullptr; }
HFONT CreateFontA(int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                  LPCSTR) { return nullptr; }
HRGN CreateRectRgn(int, int, int, int) { return nullptr; }
HGDIOBJ GetStockObject(int) { return nullptr; }
HGDIOBJ SelectObject(HDC, HGDIOBJ) { return nullptr; }
BOOL DeleteObject(HGDIOBJ) { return FALSE; }
int SelectClipRgn(HDC, HRGN) { return ERROR; }
int SetROP2(HDC, int) { return 0; }
int GetROP2(HDC) { return 0; }
COLORREF SetTextColor(HDC, COLORREF) { return CLR_INVALID; }
COLORREF GetTextColor(HDC) { return CLR_INVALID; }
COLORREF SetBkColor(HDC, COLORREF) { return CLR_INVALID; }
int SetBkMode(HDC, int) { return 0; }
int GetBkMode(HDC) { return 0; }
UINT SetTextAlign(HDC, UINT) { return 0xFFFFFFFF; }
UINT GetTextAlign(HDC) { return 0xFFFFFFFF; }
HGDIOBJ GetCurrentObject(HDC, UINT) { return nullptr; }
int SetMapMode(HDC, int) { return 0; }
int GetMapMode(HDC) { return 0; }
BOOL SetWindowExtEx(HDC, int, int, LPSIZE) { return FALSE; }
BOOL SetViewportExtEx(HDC, int, int, LPSIZE) { return FALSE; }
BOOL SetWindowOrgEx(HDC, int, int, LPPOINT) { return FALSE; }
BOOL SetViewportOrgEx(HDC, int, int, LPPOINT) { return FALSE; }
BOOL DPtoLP(HDC, LPPOINT, int) { return FALSE; }
BOOL LPtoDP(HDC, LPPOINT, int) { return FALSE; }
BOOL MoveToEx(HDC, int, int, LPPOINT) { return FALSE; }
BOOL LineTo(HDC, int, int) { return FALSE; }
BOOL Rectangle(HDC, int, int, int, int) { return FALSE; }
BOOL Ellipse(HDC, int, int, int, int) { return FALSE; }
BOOL Polygon(HDC, const POINT*, int) { return FALSE; }
int FillRect(HDC, const RECT*, HBRUSH) { return 0; }
COLORREF GetPixel(HDC, int, int) { return CLR_INVALID; }
COLORREF SetPixel(HDC, int, int, COLORREF) { return CLR_INVALID; }
BOOL TextOutA(HDC, int, int, LPCSTR, int) { return FALSE; }
int DrawTextA(HDC, LPCSTR, int, LPRECT, UINT) { return 0; }
int StartDocA(HDC, const DOCINFOA*) { return -1; }
int StartPage(HDC) { return -1; }
int EndPage(HDC) { return -1; }
int EndDoc(HDC) { return -1; }
BOOL InvalidateRect(HWND, const RECT*, BOOL) { return FALSE; }
