// KERNEL32 of the port layer: loading libraries, module and process handles.
#ifndef TARNWICK_PLATFORM_WINBASE_H
#define TARNWICK_PLATFORM_WINBASE_H

#include "windef.h"

extern "C++" {

// ---- libraries (KERNEL32) ---------------------------------------------------
// A bare file name is looked for in the running executable's folder first,
// then in the absolute folders of LD_LIBRARY_PATH (read at the call) and the
// system's library folders; the current working folder, and any relative
// folder, is never searched. A name containing '/' is used as given.
WINAPI_EXPORT HMODULE LoadLibraryA(LPCSTR fileName);
WINAPI_EXPORT FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
WINAPI_EXPORT BOOL FreeLibrary(HMODULE module);
// With a null name, the running program's own module, whose resources the
// program hands to the layer (resource_script.h).
WINAPI_EXPORT HMODULE GetModuleHandleA(LPCSTR moduleName);
WINAPI_EXPORT HANDLE GetCurrentProcess();

}  // extern "C++"

#endif
