#include "user/window_widgets.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include "user/cursors_icons.h"
#include "user/message_queue.h"
#include "user/painting.h"
#include "user/window.h"

namespace tarnwick::user {
namespace {

WPARAM MouseKeyFlags(const QMouseEvent& event) {
    WPARAM flags = 0;
    if (event.buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
    if (event.buttons() & Qt::RightButton) flags |= MK_RBUTTON;
    if (event.modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (event.modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

UINT PressMessage(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return WM_LBUTTONDOWN;
        case Qt::RightButton: return WM_RBUTTONDOWN;
        default: return 0;
    }
}

UINT ReleaseMessage(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return WM_LBUTTONUP;
        case Qt::RightButton: return WM_RBUTTONUP;
        default: return 0;
    }
}

// While the program's loop waits, input goes into its queue; otherwise the
// window has it at once.
void DeliverMouse(const MSG& message, Qt::KeyboardModifiers modifiers) {
    if (InputGoesToQueue()) {
        QueueInput(message, modifiers);
        return;
    }
    SetMessageModifiers(modifiers);
    SendMessageA(message.hwnd, message.message, message.wParam, message.lParam);
}

}  // namespace

DialogWidget::DialogWidget(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

void DialogWidget::SendSize() {
    Window* window = WindowOfWidget(this);
    if (window == nullptr) return;
    const qreal ratio = devicePixelRatioF();
    WPARAM kind = isMinimized() ? SIZE_MINIMIZED : isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
    int width = kind == SIZE_MINIMIZED ? 0 : ToDevice(this->width(), ratio);
    int height = kind == SIZE_MINIMIZED ? 0 : ToDevice(this->height(), ratio);
    SendMessageA(window->handle, WM_SIZE, kind, MAKELPARAM(width, height));
}

void DialogWidget::resizeEvent(QResizeEvent*) { SendSize(); }

void DialogWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) SendSize();
    QWidget::changeEvent(event);
}

void DialogWidget::closeEvent(QCloseEvent* event) {
    // The window decides for itself whether and how it closes.
    event->ignore();
    if (Window* window = WindowOfWidget(this)) SendMessageA(window->handle, WM_CLOSE, 0, 0);
}

PixelWidget::PixelWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool PixelWidget::event(QEvent* event) {
    if (event->type() != PaintRequestEvent()) return QWidget::event(event);
    if (Window* window = WindowOfWidget(this)) DeliverPaint(window);
    return true;
}

void PixelWidget::paintEvent(QPaintEvent* event) { ShowPixels(WindowOfWidget(this), this, *event); }

// The pixels take the new size when a DC next draws into them (the paint
// asked for here is the first), so a window resized several times on its
// way to the screen allocates its pixels once.
void PixelWidget::resizeEvent(QResizeEvent*) {
    Window* window = WindowOfWidget(this);
    if (window != nullptr) InvalidateRect(window->handle, nullptr, TRUE);
}

void PixelWidget::SendMouse(UINT message, const QMouseEvent& event) {
    Window* window = WindowOfWidget(this);
    // The mouse is not captured: outside the window, its moves are not its.
    if (window == nullptr || message == 0 || !rect().contains(event.position().toPoint())) return;
    const qreal ratio = devicePixelRatioF();
    const int x = ToDevice(event.position().x(), ratio), y = ToDevice(event.position().y(), ratio);
    {
        CursorTarget target(this);
        SendMessageA(window->handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(window->handle),
                     MAKELPARAM(HTCLIENT, message));
    }
    const QPointF global = event.globalPosition() * ratio;
    MSG mouse{window->handle, message, MouseKeyFlags(event), MAKELPARAM(x, y), MessageTime(),
              {static_cast<LONG>(global.x()), static_cast<LONG>(global.y())}, 0};
    DeliverMouse(mouse, event.modifiers());
}

void PixelWidget::mouseMoveEvent(QMouseEvent* event) { SendMouse(WM_MOUSEMOVE, *event); }

void PixelWidget::mousePressEvent(QMouseEvent* event) { SendMouse(PressMessage(event->button()), *event); }

// Windows of this kind do not ask for double clicks: the second press of a
// double click is a plain press.
void PixelWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    SendMouse(PressMessage(event->button()), *event);
}

void PixelWidget::mouseReleaseEvent(QMouseEvent* event) {
    SendMouse(ReleaseMessage(event->button()), *event);
}

}  // namespace tarnwick::user
