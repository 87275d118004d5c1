// COMDLG32 of the port layer: the page setup dialog, with the DEVNAMES and
// DEVMODE (wingdi.h) blocks it hands back in movable global memory.
#ifndef TARNWICK_PLATFORM_COMMDLG_H
#define TARNWICK_PLATFORM_COMMDLG_H

#include "windef.h"
#include "wingdi.h"
#include "winuser.h"

// ---- printer names and settings ----------------------------------------------
// The driver, device and output names follow the block, each at its offset
// in characters from the block's start. The device is a print queue's name,
// or the PDF printer, whose output is the file it writes.
typedef struct tagDEVNAMES {
    WORD wDriverOffset;
    WORD wDeviceOffset;
    WORD wOutputOffset;
    WORD wDefault;
} DEVNAMES, *LPDEVNAMES;

#define DN_DEFAULTPRN 0x0001

// ---- the page setup dialog ----------------------------------------------------
typedef UINT_PTR (*LPPAGESETUPHOOK)(HWND, UINT, WPARAM, LPARAM);
typedef UINT_PTR (*LPPAGEPAINTHOOK)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagPSDA {
    DWORD lStructSize;  // sizeof(PAGESETUPDLGA)
    HWND hwndOwner;
    HGLOBAL hDevMode;   // in: settings to start from, or null; out: the chosen ones
    HGLOBAL hDevNames;  // in: the printer to start from, or null; out: the chosen one
    DWORD Flags;
    POINT ptPaperSize;
    RECT rtMinMargin;
    RECT rtMargin;
    HINSTANCE hInstance;
    LPARAM lCustData;
    LPPAGESETUPHOOK lpfnPageSetupHook;
    LPPAGEPAINTHOOK lpfnPagePaintHook;
    LPCSTR lpPageSetupTemplateName;
    HGLOBAL hPageSetupTemplate;
} PAGESETUPDLGA, *LPPAGESETUPDLGA;

#define PSD_DEFAULTMINMARGINS 0x00000000
#define PSD_INWININIINTLMEASURE 0x00000000
#define PSD_MINMARGINS 0x00000001
#define PSD_MARGINS 0x00000002
#define PSD_INTHOUSANDTHSOFINCHES 0x00000004
#define PSD_INHUNDREDTHSOFMILLIMETERS 0x00000008
#define PSD_DISABLEMARGINS 0x00000010
#define PSD_DISABLEPRINTER 0x00000020
#define PSD_NOWARNING 0x00000080
#define PSD_DISABLEORIENTATION 0x00000100
#define PSD_DISABLEPAPER 0x00000200
#define PSD_RETURNDEFAULT 0x00000400
#define PSD_SHOWHELP 0x00000800
#define PSD_ENABLEPAGESETUPHOOK 0x00002000
#define PSD_ENABLEPAGESETUPTEMPLATE 0x00008000
#define PSD_ENABLEPAGESETUPTEMPLATEHANDLE 0x00020000
#define PSD_ENABLEPAGEPAINTHOOK 0x00040000
#define PSD_DISABLEPAGEPAINTING 0x00080000

// CommDlgExtendedError: 0 after a plain cancel.
#define CDERR_STRUCTSIZE 0x0001
#define CDERR_INITIALIZATION 0x0002
#define CDERR_NOTEMPLATE 0x0003
#define CDERR_MEMALLOCFAILURE 0x0009
#define CDERR_MEMLOCKFAILURE 0x000A
#define CDERR_NOHOOK 0x000B
#define CDERR_DIALOGFAILURE 0xFFFF
#define PDERR_RETDEFFAILURE 0x1003
#define PDERR_NODEFAULTPRN 0x1008
#define PDERR_PRINTERNOTFOUND 0x100B

extern "C++" {

// 0 when cancelled or failed (CommDlgExtendedError tells which); non-zero
// with the chosen printer in hDevNames and its settings in hDevMode, both
// freed by the caller with GlobalFree.
WINAPI_EXPORT BOOL PageSetupDlgA(LPPAGESETUPDLGA setup);
WINAPI_EXPORT DWORD CommDlgExtendedError();

}  // extern "C++"

#endif
