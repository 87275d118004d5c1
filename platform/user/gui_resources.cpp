// GetGuiResources: how many GDI and USER objects of the process live, read
// from the layer's one handle table, so tests can prove nothing leaks.
#include "core/handle_table.h"
#include "windows.h"

using tarnwick::port::CountHandles;
using tarnwick::port::ResourceClass;

DWORD GetGuiResources(HANDLE, DWORD flags) {
    switch (flags) {
        case GR_GDIOBJECTS: return CountHandles(ResourceClass::Gdi);
        case GR_USEROBJECTS: return CountHandles(ResourceClass::User);
        default: return 0;
    }
}
