// KERNEL32 of the port layer: loading libraries, module and process handles,
// and global memory blocks.
#ifndef TARNWICK_PLATFORM_WINBASE_H
#define TARNWICK_PLATFORM_WINBASE_H

#include <cstddef>

#include "windef.h"

// ---- global memory ------------------------------------------------------------
#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

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

// ---- global memory (KERNEL32) -------------------------------------------------
// A movable block is reached through GlobalLock, which counts its locks; a
// fixed block's handle is its memory. GlobalFree returns null on success
// and the handle it could not free otherwise.
WINAPI_EXPORT HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
WINAPI_EXPORT LPVOID GlobalLock(HGLOBAL memory);
WINAPI_EXPORT BOOL GlobalUnlock(HGLOBAL memory);
WINAPI_EXPORT HGLOBAL GlobalFree(HGLOBAL memory);
WINAPI_EXPORT std::size_t GlobalSize(HGLOBAL memory);

}  // extern "C++"

#endif
