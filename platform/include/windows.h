// The port layer's umbrella header: the subset of the Win32 API that
// Tarnwick uses, under Win32's names, types, constants and argument orders.
// Code in app/, drawsp/ and drawtools/ includes only this header for platform
// work, so it reads as it would against the real system headers. One header
// stands for each Win32 header it mirrors.
//
// "A" functions take 8-bit text, which on this platform is UTF-8.
#ifndef TARNWICK_PLATFORM_WINDOWS_H
#define TARNWICK_PLATFORM_WINDOWS_H

#include "windef.h"
#include "winbase.h"
#include "wingdi.h"
#include "winuser.h"
#include "commdlg.h"

#endif
