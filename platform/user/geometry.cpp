// Showing, placing and measuring windows. Win32 pixels are device pixels;
// Qt places widgets in its own (logical) ones.
#include <QScreen>

#include "core/window_system.h"
#include "user/window.h"

using namespace tarnwick::user;

namespace {

QPoint DeviceOf(const QPoint& logical, qreal ratio) {
    return QPoint(ToDevice(logical.x(), ratio), ToDevice(logical.y(), ratio));
}

QPoint LogicalOf(int x, int y, qreal ratio) { return QPointF(ToLogical(x, ratio), ToLogical(y, ratio)).toPoint(); }

// Fills the screen's available area, also where no window manager
// maximises windows (the window manager then takes over). A compositor
// always maximises, to the area its panels leave; sizing the window to the
// whole screen first would only make that the size it is restored to.
void ShowMaximized(Window* window) {
    QWidget* widget = window->widget;
    if (!widget->isMaximized()) window->normalGeometry = widget->geometry();
    QScreen* screen = widget->screen();
    const bool compositor = tarnwick::platform::CompositorPlacesWindows();
    if (screen != nullptr && !compositor) widget->setGeometry(screen->availableGeometry());
    widget->showMaximized();
}

// A maximised window comes back at the size it had before, as on Win32.
void ShowNormal(Window* window) {
    QWidget* widget = window->widget;
    const bool wasMaximized = widget->isMaximized();
    widget->showNormal();
    if (wasMaximized && window->normalGeometry.isValid()) widget->setGeometry(window->normalGeometry);
}

void ShowTopLevel(Window* window, int command) {
    switch (command) {
        case SW_SHOWMAXIMIZED: ShowMaximized(window); break;
        case SW_SHOWMINIMIZED: window->widget->showMinimized(); break;
        case SW_SHOWNORMAL: ShowNormal(window); break;
        default: window->widget->show(); break;
    }
}

}  // namespace

BOOL ShowWindow(HWND handle, int command) {
    Window* window = WindowOf(handle);
    if (window == nullptr || !window->widget) return FALSE;
    QWidget* widget = window->widget;
    BOOL wasVisible = widget->isVisible() ? TRUE : FALSE;
    if (command == SW_HIDE) {
        widget->hide();
    } else if (window->parent == nullptr) {
        ShowTopLevel(window, command);
    } else {
        widget->show();
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND handle) {
    Window* window = WindowOf(handle);
    return (window && window->widget && window->widget->isVisible()) ? TRUE : FALSE;
}

BOOL MoveWindow(HWND handle, int x, int y, int width, int height, BOOL repaint) {
    Window* window = WindowOf(handle);
    if (window == nullptr || !window->widget) return FALSE;
    const qreal ratio = PixelRatio(window);
    QPoint position = LogicalOf(x, y, ratio);
    QSize size = QSizeF(ToLogical(std::max(0, width), ratio), ToLogical(std::max(0, height), ratio)).toSize();
    window->widget->setGeometry(QRect(position, size));
    if (repaint) InvalidateRect(handle, nullptr, TRUE);
    return TRUE;
}

BOOL GetClientRect(HWND handle, LPRECT rect) {
    Window* window = WindowOf(handle);
    if (window == nullptr || !window->widget || rect == nullptr) return FALSE;
    const qreal ratio = PixelRatio(window);
    *rect = RECT{0, 0, ToDevice(window->widget->width(), ratio), ToDevice(window->widget->height(), ratio)};
    return TRUE;
}

BOOL GetWindowRect(HWND handle, LPRECT rect) {
    Window* window = WindowOf(handle);
    if (window == nullptr || !window->widget || rect == nullptr) return FALSE;
    QWidget* widget = window->widget;
    const qreal ratio = PixelRatio(window);
    QRect area = window->parent == nullptr ? widget->frameGeometry()
                                           : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    QPoint topLeft = DeviceOf(area.topLeft(), ratio);
    *rect = RECT{topLeft.x(), topLeft.y(), topLeft.x() + ToDevice(area.width(), ratio),
                 topLeft.y() + ToDevice(area.height(), ratio)};
    return TRUE;
}

BOOL ScreenToClient(HWND handle, LPPOINT point) {
    Window* window = WindowOf(handle);
    if (window == nullptr || !window->widget || point == nullptr) return FALSE;
    QPoint origin = DeviceOf(window->widget->mapToGlobal(QPoint(0, 0)), PixelRatio(window));
    point->x -= origin.x();
    point->y -= origin.y();
    return TRUE;
}

BOOL ClientToScreen(HWND handle, LPPOINT point) {
    Window* window = WindowOf(handle);
    if (window == nullptr || !window->widget || point == nullptr) return FALSE;
    QPoint origin = DeviceOf(window->widget->mapToGlobal(QPoint(0, 0)), PixelRatio(window));
    point->x += origin.x();
    point->y += origin.y();
    return TRUE;
}
