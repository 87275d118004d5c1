#include "user/window.h"

#include <QVariant>

#include <cmath>

#include "core/handle_table.h"

namespace tarnwick::user {
namespace {

// The property a widget carries with the handle of the window it stands for.
constexpr const char kWindowProperty[] = "tarnwickWindow";

}  // namespace

Window* WindowOf(HWND handle) {
    return static_cast<Window*>(port::LookUpHandle(handle, port::HandleKind::Window));
}

Window* WindowOfWidget(const QObject* object) {
    for (; object != nullptr; object = object->parent()) {
        QVariant value = object->property(kWindowProperty);
        if (!value.isValid()) continue;
        return WindowOf(reinterpret_cast<HWND>(value.value<quintptr>()));
    }
    return nullptr;
}

bool IsWithin(const Window* window, const Window* ancestor) {
    for (; window != nullptr; window = window->parent) {
        if (window == ancestor) return true;
    }
    return false;
}

Window* DialogOf(Window* window) {
    for (; window != nullptr; window = window->parent) {
        if (window->dialog != nullptr) return window;
    }
    return nullptr;
}

Window* NewWindow(WindowClass windowClass, DWORD style, int id, HINSTANCE instance, Window* parent,
                  WNDPROC procedure) {
    Window* window = new (std::nothrow) Window;
    if (window == nullptr) return nullptr;
    window->handle = static_cast<HWND>(port::AddHandle(port::HandleKind::Window, window, true));
    if (window->handle == nullptr) {
        delete window;
        return nullptr;
    }
    window->windowClass = windowClass;
    window->style = style;
    window->id = id;
    window->instance = instance;
    window->parent = parent;
    window->procedure = procedure;
    if (parent != nullptr) parent->children.append(window);
    return window;
}

void AttachWidget(Window* window, QWidget* widget) {
    window->widget = widget;
    widget->setProperty(kWindowProperty, QVariant::fromValue<quintptr>(
                                             reinterpret_cast<quintptr>(window->handle)));
}

qreal PixelRatio(const Window* window) {
    return (window && window->widget) ? window->widget->devicePixelRatioF() : 1.0;
}

int ToDevice(qreal logical, qreal ratio) { return static_cast<int>(std::lround(logical * ratio)); }

qreal ToLogical(int device, qreal ratio) { return ratio > 0 ? device / ratio : device; }

int WindowDpi(const Window* window) { return ToDevice(96.0, PixelRatio(window)); }

}  // namespace tarnwick::user
