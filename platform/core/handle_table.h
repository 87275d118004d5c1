// One table for every handle the layer gives out: device contexts, GDI
// objects, windows, cursors, icons, accelerator tables and movable global
// memory blocks. A handle encodes a slot index and that slot's generation,
// so a stale or forged handle, or one of the wrong kind, is refused instead
// of followed.
//
// A retired handle is refused at once while its object still lives and is
// still counted (a GDI object deleted while a DC holds it); removing the
// handle frees the slot. GetGuiResources reads the counts kept here.
#ifndef TARNWICK_PLATFORM_CORE_HANDLE_TABLE_H
#define TARNWICK_PLATFORM_CORE_HANDLE_TABLE_H

#include <cstdint>

namespace tarnwick::port {

enum class HandleKind : std::uint8_t {
    Free,
    DeviceContext,
    Pen,
    Brush,
    Font,
    Region,
    Bitmap,
    Window,
    Cursor,
    Icon,
    Accelerators,
    GlobalMemory,
};

// Which count a kind belongs to: GetGuiResources' two, and global memory.
enum class ResourceClass : std::uint8_t { Gdi, User, Kernel };
ResourceClass ResourceClassOf(HandleKind kind);

// A new handle for the object, or null when the table cannot grow. Counted
// handles take part in GetGuiResources (stock objects are not counted).
void* AddHandle(HandleKind kind, void* object, bool counted);

// The object behind a live handle of that kind, or null.
void* LookUpHandle(const void* handle, HandleKind kind);
// The kind of a live handle, or Free.
HandleKind KindOfHandle(const void* handle);
// The object of a live handle whatever its kind, or null.
void* ObjectOfHandle(const void* handle);

// Refuses the handle from now on but keeps counting it until RemoveHandle.
void RetireHandle(const void* handle);
// Frees the handle's slot (live or retired).
void RemoveHandle(const void* handle);

// Counted handles of one class, retired ones included.
std::uint32_t CountHandles(ResourceClass resourceClass);

}  // namespace tarnwick::port

#endif
