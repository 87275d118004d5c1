// Destroying windows: WM_DESTROY reaches a window before its children, then
// each is freed with its DCs, its dialog font and its handle. The widgets
// go once the window system is back in its loop, since a handler of theirs
// may be running.
#include "core/handle_table.h"
#include "user/painting.h"
#include "user/window.h"

namespace tarnwick::user {
namespace {

void FreeWindow(Window* window) {
    FreePixels(window);
    if (window->dialog != nullptr) {
        if (window->dialog->font != nullptr) DeleteObject(window->dialog->font);
        delete window->dialog;
        window->dialog = nullptr;
    }
    if (window->parent != nullptr) window->parent->children.removeOne(window);
    port::RemoveHandle(window->handle);
    delete window;
}

void DestroyTree(Window* window, bool root) {
    if (window->destroyed) return;
    window->destroyed = true;
    HWND handle = window->handle;
    SendMessageA(handle, WM_DESTROY, 0, 0);
    for (Window* child : QList<Window*>(window->children)) DestroyTree(child, false);
    // Qt frees child widgets with their parent; the root goes by itself.
    if (root && window->widget) {
        window->widget->hide();
        window->widget->deleteLater();
    }
    FreeWindow(window);
}

}  // namespace
}  // namespace tarnwick::user

using namespace tarnwick::user;

BOOL DestroyWindow(HWND handle) {
    Window* window = WindowOf(handle);
    if (window == nullptr || window->destroyed) return FALSE;
    DestroyTree(window, true);
    return TRUE;
}

BOOL IsWindow(HWND handle) { return WindowOf(handle) != nullptr ? TRUE : FALSE; }

HWND GetParent(HWND handle) {
    Window* window = WindowOf(handle);
    return (window && window->parent) ? window->parent->handle : nullptr;
}
