// The resources each module handed to the layer, found by module, type and
// numeric id.
#ifndef TARNWICK_PLATFORM_CORE_MODULE_RESOURCES_H
#define TARNWICK_PLATFORM_CORE_MODULE_RESOURCES_H

#include "resource_script.h"
#include "windows.h"

namespace tarnwick::port {

// The data of a resource, or null. Only numeric names (MAKEINTRESOURCEA)
// are known; a null module stands for the program's own.
const void* FindResourceData(HINSTANCE module, LPCSTR name, WORD type);

}  // namespace tarnwick::port

#endif
