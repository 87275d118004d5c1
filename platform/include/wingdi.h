// GDI32 of the port layer: device contexts, pens, brushes, fonts, regions,
// mapping modes, drawing and print jobs.
#ifndef TARNWICK_PLATFORM_WINGDI_H
#define TARNWICK_PLATFORM_WINGDI_H

#include "windef.h"

#define RGB(r, g, b) \
    ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)(((WORD)(c)) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))
#define CLR_INVALID 0xFFFFFFFF

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

// ---- regions, devices -------------------------------------------
#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3
#define RGN_COPY 5

#define HORZSIZE 4  // millimetres
#define VERTSIZE 6
#define HORZRES 8  // pixels of the printable area
#define VERTRES 10
#define LOGPIXELSX 88
#define LOGPIXELSY 90
#define PHYSICALWIDTH 110  // pixels of the whole sheet
#define PHYSICALHEIGHT 111
#define PHYSICALOFFSETX 112  // where the printable area starts on the sheet
#define PHYSICALOFFSETY 113

#define SP_ERROR (-1)

// BitBlt: the source rectangle copied as it is.
#define SRCCOPY 0x00CC0020

// SetBoundsRect / GetBoundsRect.
#define DCB_RESET 0x0001
#define DCB_ACCUMULATE 0x0002
#define DCB_SET (DCB_RESET | DCB_ACCUMULATE)
#define DCB_ENABLE 0x0004
#define DCB_DISABLE 0x0008

// ---- device settings -----------------------------------------------------------
#define CCHDEVICENAME 32
#define CCHFORMNAME 32

typedef struct _devicemodeA {
    BYTE dmDeviceName[CCHDEVICENAME];
    WORD dmSpecVersion;
    WORD dmDriverVersion;
    WORD dmSize;
    WORD dmDriverExtra;
    DWORD dmFields;
    short dmOrientation;
    short dmPaperSize;
    short dmPaperLength;  // tenths of a millimetre
    short dmPaperWidth;
    short dmScale;
    short dmCopies;
    short dmDefaultSource;
    short dmPrintQuality;
    short dmColor;
    short dmDuplex;
    short dmYResolution;
    short dmTTOption;
    short dmCollate;
    BYTE dmFormName[CCHFORMNAME];
    WORD dmLogPixels;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
    DWORD dmDisplayFlags;
    DWORD dmDisplayFrequency;
} DEVMODEA, *LPDEVMODEA;

#define DM_SPECVERSION 0x0401
#define DM_ORIENTATION 0x00000001L
#define DM_PAPERSIZE 0x00000002L
#define DM_PAPERLENGTH 0x00000004L
#define DM_PAPERWIDTH 0x00000008L
#define DMORIENT_PORTRAIT 1
#define DMORIENT_LANDSCAPE 2
#define DMPAPER_LETTER 1
#define DMPAPER_LEGAL 5
#define DMPAPER_A4 9

// What DeviceCapabilitiesA reports: the DMPAPER_ codes a printer takes (one
// WORD each), and their names (64 bytes each, NUL-terminated).
#define DC_PAPERS 2
#define DC_PAPERNAMES 16

typedef struct _DOCINFOA {
    int cbSize;
    LPCSTR lpszDocName;
    LPCSTR lpszOutput;
    LPCSTR lpszDatatype;
    DWORD fwType;
} DOCINFOA;

extern "C++" {

// ---- device contexts ---------------------------------------------------------
WINAPI_EXPORT HDC CreateCompatibleDC(HDC dc);
WINAPI_EXPORT HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// A printer's DC: the device is a print queue's name, or the PDF printer
// with the file to write as its output; without settings the printer's own
// defaults apply.
WINAPI_EXPORT HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA* devMode);
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

// ---- blocks of pixels and what drawing touched ----------------------------------
// Copies a rectangle of one DC's pixels to another, each rectangle in its own
// DC's logical units; only SRCCOPY.
WINAPI_EXPORT BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                          DWORD rop);
// Starts (DCB_ENABLE) or stops (DCB_DISABLE) a DC gathering the rectangle
// its drawing touches, and empties it with DCB_RESET; returns the former
// state (DCB_ENABLE or DCB_DISABLE, with DCB_SET when it held a rectangle).
WINAPI_EXPORT UINT SetBoundsRect(HDC dc, const RECT* rect, UINT flags);
// The gathered rectangle in logical units; DCB_SET when there is one, else
// DCB_RESET; flags DCB_RESET empties it afterwards.
WINAPI_EXPORT UINT GetBoundsRect(HDC dc, LPRECT rect, UINT flags);

// ---- drawing -----------------------------------------------------------------
WINAPI_EXPORT BOOL MoveToEx(HDC dc, int x, int y, LPPOINT old);
WINAPI_EXPORT BOOL LineTo(HDC dc, int x, int y);
WINAPI_EXPORT BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
WINAPI_EXPORT BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
WINAPI_EXPORT BOOL Polygon(HDC dc, const POINT* points, int count);
WINAPI_EXPORT COLORREF GetPixel(HDC dc, int x, int y);
WINAPI_EXPORT COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
WINAPI_EXPORT BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length);

// ---- printing ----------------------------------------------------------------
// The device name of the printer that writes a PDF file: the output given to
// CreateDCA (or StartDocA) names the file.
#define PDF_PRINTER_NAME "Print to PDF file"

// A printer DC draws nothing until StartDocA; the document name becomes the
// print job's title. EndDoc hands the job to the printer, and a DC deleted
// before EndDoc abandons its job. Each returns SP_ERROR (or 0) on failure.
WINAPI_EXPORT int StartDocA(HDC dc, const DOCINFOA* info);
WINAPI_EXPORT int StartPage(HDC dc);
WINAPI_EXPORT int EndPage(HDC dc);
WINAPI_EXPORT int EndDoc(HDC dc);
// One of the printer's capabilities (DC_PAPERS, DC_PAPERNAMES) written to
// `output`, when it is not null; returns how many entries there are, or -1
// for a printer or capability this layer does not know.
WINAPI_EXPORT int DeviceCapabilitiesA(LPCSTR device, LPCSTR port, WORD capability, LPSTR output,
                                      const DEVMODEA* devMode);

}  // extern "C++"

#endif
