// Printer device contexts and print jobs. Printing is not available yet:
// every call fails, so callers stop quietly as they do for a missing printer.
#include "windows.h"

HDC CreateDCA(LPCSTR, LPCSTR, LPCSTR, const void*) { return nullptr; }
int StartDocA(HDC, const DOCINFOA*) { return -1; }
int StartPage(HDC) { return -1; }
int EndPage(HDC) { return -1; }
int EndDoc(HDC) { return -1; }
