// Showing, placing and measuring windows. Win32 pixels are device pixels;
// Qt places widgets in its own (logical) ones.
#include <QScreen>

#include "user/window.h"

using namespace tarnwick::user;

namespace {

QPoint DeviceOf(const QPoint& logical, qreal ratio) {
    return QPoint(ToDevice(logical.x(), ratio), ToDevice(logical.y(), ratio));
}

QPoint LogicalOf(int x, int y, qreal ratio) { return QPointF(ToLogical(x, ratio), ToLogical(y, ratio)).toPoint(); }

// Fills the screen's available area, also where no window manager
// maximises windows (the window manager then takes over).
void ShowMaximized(QWidget* widget) {
    if (QScreen* screen = widget->screen()) widget->setGeometry(screen->availableGeometry());
    widget->showMaximized();
}

void ShowTopLevel(QWidget* widget, int command) {
    switch (command) {
        case SW_SHOWMAXIMIZED: ShowMaximized(widget); break;
        case SW_SHOWMINIMIZED: widget->showMinimized(); break;
        case SW_SHOWNORMAL: widget->showNormal(); break;
        default: widget->show(); break;
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
        ShowTopLevel(widget, command);
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
