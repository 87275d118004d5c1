// Accelerator tables from a module's resources. A key message matches an
// entry when its key is the entry's and Shift, Control and Alt are exactly
// as the entry asks; Caps Lock plays no part.
#include "core/handle_table.h"
#include "core/module_resources.h"
#include "user/message_queue.h"

namespace tarnwick::user {
namespace {

using port::HandleKind;

bool ModifiersMatch(BYTE flags, Qt::KeyboardModifiers modifiers) {
    return ((flags & FCONTROL) != 0) == ((modifiers & Qt::ControlModifier) != 0) &&
           ((flags & FSHIFT) != 0) == ((modifiers & Qt::ShiftModifier) != 0) &&
           ((flags & FALT) != 0) == ((modifiers & Qt::AltModifier) != 0);
}

bool EntryMatches(const ACCEL& entry, const MSG& message, Qt::KeyboardModifiers modifiers) {
    if (entry.fVirt & FVIRTKEY) {
        bool keyMessage = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
        return keyMessage && entry.key == message.wParam && ModifiersMatch(entry.fVirt, modifiers);
    }
    bool charMessage = message.message == WM_CHAR || message.message == WM_SYSCHAR;
    return charMessage && entry.key == message.wParam;
}

// A table from a resource is the resource itself, shared and never freed.
void* TableOf(const void* resource) { return const_cast<void*>(resource); }

}  // namespace
}  // namespace tarnwick::user

using namespace tarnwick::user;

HACCEL LoadAcceleratorsA(HINSTANCE instance, LPCSTR tableName) {
    const auto* resource = static_cast<const AcceleratorResource*>(
        tarnwick::port::FindResourceData(instance, tableName, RT_ACCELERATOR));
    if (resource == nullptr || (resource->entries == nullptr && resource->count > 0)) return nullptr;
    return static_cast<HACCEL>(
        tarnwick::port::SharedResourceHandle(resource, tarnwick::port::HandleKind::Accelerators, TableOf, nullptr));
}

int TranslateAcceleratorA(HWND window, HACCEL table, LPMSG message) {
    if (message == nullptr || WindowOf(window) == nullptr) return 0;
    const auto* resource = static_cast<const AcceleratorResource*>(
        tarnwick::port::LookUpHandle(table, tarnwick::port::HandleKind::Accelerators));
    if (resource == nullptr) return 0;
    Qt::KeyboardModifiers modifiers = MessageModifiers();
    for (int i = 0; i < resource->count; ++i) {
        const ACCEL& entry = resource->entries[i];
        if (!EntryMatches(entry, *message, modifiers)) continue;
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
        return 1;
    }
    return 0;
}
