// Basic Win32 types of the port layer: integer types with their Win32
// widths (LONG, DWORD and COLORREF are 32 bits even though `long` is 64 bits
// here), handles, points, sizes and rectangles.
#ifndef TARNWICK_PLATFORM_WINDEF_H
#define TARNWICK_PLATFORM_WINDEF_H

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

#endif
