// For a run of the program that draws only on printers and memory DCs and
// never shows a window, such as writing a PDF file from the command line:
// the layer then starts without connecting to any display, so it works
// where there is none.
#ifndef TARNWICK_PLATFORM_NO_DISPLAY_H
#define TARNWICK_PLATFORM_NO_DISPLAY_H

#include "windef.h"

extern "C++" {

// Call before any other call of the layer. TRUE when the layer will run (or
// already runs) without a display; FALSE when it has started on one.
WINAPI_EXPORT BOOL StartWithoutDisplay();

}  // extern "C++"

#endif
