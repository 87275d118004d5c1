// The resources each module handed to the layer, found by module, type and
// numeric id.
#ifndef TARNWICK_PLATFORM_CORE_MODULE_RESOURCES_H
#define TARNWICK_PLATFORM_CORE_MODULE_RESOURCES_H

#include "core/handle_table.h"
#include "resource_script.h"
#include "windows.h"

namespace tarnwick::port {

// The data of a resource, or null. Only numeric names (MAKEINTRESOURCEA)
// are known; a null module stands for the program's own.
const void* FindResourceData(HINSTANCE module, LPCSTR name, WORD type);

// The handle of an object made once per resource and shared for the life of
// the process, as Win32 shares icons and key tables, keyed by the
// resource's data. `make` builds the object the first time (null when it
// cannot); `destroy`, if given, frees one that could not get a handle.
void* SharedResourceHandle(const void* data, HandleKind kind, void* (*make)(const void* data),
                           void (*destroy)(void* object));

}  // namespace tarnwick::port

#endif
