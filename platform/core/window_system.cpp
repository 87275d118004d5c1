#include "core/window_system.h"

#include <QGuiApplication>

#include "test_hooks.h"

namespace tarnwick::platform {

// Qt's Wayland plugins are all named "wayland" or "wayland-<variant>".
bool CompositorPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace tarnwick::platform

BOOL TestCompositorPlacesWindows() { return tarnwick::platform::CompositorPlacesWindows() ? TRUE : FALSE; }
