// The Win32 entry of the program, in the window library so that tests and
// benchmarks can start the program as its executable does.
#ifndef TARNWICK_APP_UI_WIN_MAIN_H
#define TARNWICK_APP_UI_WIN_MAIN_H

#include "windows.h"

// The command line and show command are not used. Returns 0 in every case;
// the record releases the components when the process ends.
int WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

#endif
