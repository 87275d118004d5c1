#include "user/painting.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPalette>

#include "core/test_hook_state.h"
#include "gdi/device_context.h"
#include "gdi/pixel_memory.h"

namespace tarnwick::user {
namespace {

using gdi::DeviceContextOf;

// The client area in device pixels, from the widget: a hidden widget has
// its size too, though Qt tells it only once it is shown.
QRect ClientArea(const Window* window) {
    if (!window->widget) return QRect();
    const qreal ratio = PixelRatio(window);
    return QRect(0, 0, ToDevice(window->widget->width(), ratio), ToDevice(window->widget->height(), ratio));
}

QRect ToRect(const RECT& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)).normalized();
}

RECT ToRECT(const QRect& rect) {
    if (rect.isEmpty()) return RECT{0, 0, 0, 0};
    return RECT{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

void PostPaintRequest(Window* window) {
    PixelBuffer* pixels = window->pixels;
    if (pixels->paintPosted || !window->widget) return;
    pixels->paintPosted = true;
    QCoreApplication::postEvent(window->widget, new QEvent(PaintRequestEvent()));
}

// Asks the widget to show again the device pixels a DC changed.
void ShowDrawn(Window* window, const QRect& drawn) {
    if (drawn.isEmpty() || !window->widget) return;
    const qreal ratio = PixelRatio(window);
    QRectF logical(ToLogical(drawn.left(), ratio), ToLogical(drawn.top(), ratio),
                   ToLogical(drawn.width(), ratio), ToLogical(drawn.height(), ratio));
    window->widget->update(logical.toAlignedRect());
}

HDC NewWindowDC(Window* window) {
    // A window without pixels (no width or height) still gets a DC; it
    // draws nothing.
    PixelBuffer* pixels = PixelsOf(window);
    if (pixels == nullptr) return nullptr;
    ResizePixels(window, ClientArea(window).size());
    const int dpi = WindowDpi(window);
    HDC dc = gdi::CreateImageDeviceContext(&pixels->image, dpi, dpi);
    if (dc == nullptr) return nullptr;
    DeviceContextOf(dc)->TrackDrawing();
    pixels->liveDcs.append(dc);
    return dc;
}

QColor FaceColour() { return QPalette().color(QPalette::Window); }

}  // namespace

QEvent::Type PaintRequestEvent() {
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

PixelBuffer* PixelsOf(Window* window) {
    if (window->pixels == nullptr) window->pixels = new (std::nothrow) PixelBuffer;
    return window->pixels;
}

void ResizePixels(Window* window, const QSize& deviceSize) {
    PixelBuffer* pixels = PixelsOf(window);
    if (pixels == nullptr || pixels->image.size() == deviceSize) return;
    // No painter may stay on the pixels being replaced.
    for (HDC dc : pixels->liveDcs) {
        if (gdi::DeviceContext* context = DeviceContextOf(dc)) context->EndPainting();
    }
    QImage resized = gdi::NewPixelImage(deviceSize.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    if (!resized.isNull()) {
        resized.fill(FaceColour());
        QPainter copy(&resized);
        copy.drawImage(0, 0, pixels->image);
    }
    pixels->image = resized;
    for (HDC dc : pixels->liveDcs) {
        if (gdi::DeviceContext* context = DeviceContextOf(dc)) context->TargetImage(&pixels->image);
    }
    InvalidateRect(window->handle, nullptr, TRUE);
}

void DeliverPaint(Window* window) {
    PixelBuffer* pixels = window->pixels;
    if (pixels == nullptr) return;
    pixels->paintPosted = false;
    if (pixels->updateRegion.isEmpty()) return;
    HWND handle = window->handle;
    SendMessageA(handle, WM_PAINT, 0, 0);
    port::TellPaintObserver(handle);
}

void ShowPixels(Window* window, QWidget* widget, const QPaintEvent& event) {
    QPainter painter(widget);
    const PixelBuffer* pixels = window ? window->pixels : nullptr;
    if (pixels == nullptr || pixels->image.isNull()) {
        painter.fillRect(event.rect(), FaceColour());
        return;
    }
    const qreal ratio = widget->devicePixelRatioF();
    for (const QRect& area : event.region()) {
        QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
        painter.drawImage(QRectF(area), pixels->image, source);
    }
}

void FreePixels(Window* window) {
    PixelBuffer* pixels = window->pixels;
    if (pixels == nullptr) return;
    for (HDC dc : pixels->liveDcs) DeleteDC(dc);
    delete pixels;
    window->pixels = nullptr;
}

}  // namespace tarnwick::user

using namespace tarnwick::user;
namespace gdi = tarnwick::gdi;

BOOL InvalidateRect(HWND handle, const RECT* rect, BOOL erase) {
    Window* window = WindowOf(handle);
    if (window == nullptr) return FALSE;
    if (window->windowClass != WindowClass::Static) {
        if (window->widget) window->widget->update();
        return TRUE;
    }
    PixelBuffer* pixels = PixelsOf(window);
    if (pixels == nullptr) return FALSE;
    QRect area = rect ? ToRect(*rect) & ClientArea(window) : ClientArea(window);
    pixels->updateRegion += area;
    pixels->erase = pixels->erase || erase;
    PostPaintRequest(window);
    return TRUE;
}

BOOL UpdateWindow(HWND handle) {
    Window* window = WindowOf(handle);
    if (window == nullptr) return FALSE;
    if (window->pixels != nullptr && !window->pixels->updateRegion.isEmpty()) {
        SendMessageA(handle, WM_PAINT, 0, 0);
    }
    return TRUE;
}

HDC GetDC(HWND handle) {
    Window* window = WindowOf(handle);
    if (window == nullptr || window->windowClass != WindowClass::Static) return nullptr;
    return NewWindowDC(window);
}

int ReleaseDC(HWND handle, HDC dc) {
    Window* window = WindowOf(handle);
    if (window == nullptr || window->pixels == nullptr || !window->pixels->liveDcs.contains(dc)) return 0;
    gdi::DeviceContext* context = DeviceContextOf(dc);
    QRect drawn = context ? context->TakeDrawn() : QRect();
    window->pixels->liveDcs.removeOne(dc);
    DeleteDC(dc);
    ShowDrawn(window, drawn & window->pixels->image.rect());
    return 1;
}

HDC BeginPaint(HWND handle, LPPAINTSTRUCT paint) {
    if (paint == nullptr) return nullptr;
    *paint = PAINTSTRUCT{};
    HDC dc = GetDC(handle);
    if (dc == nullptr) return nullptr;
    PixelBuffer* pixels = WindowOf(handle)->pixels;
    paint->hdc = dc;
    paint->rcPaint = ToRECT(pixels->updateRegion.boundingRect());
    paint->fErase = pixels->erase;
    pixels->updateRegion = QRegion();
    pixels->erase = false;
    if (paint->fErase && SendMessageA(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0)
        paint->fErase = FALSE;
    return dc;
}

BOOL EndPaint(HWND handle, const PAINTSTRUCT* paint) {
    if (paint == nullptr) return FALSE;
    return ReleaseDC(handle, paint->hdc) ? TRUE : FALSE;
}

DWORD GetSysColor(int index) {
    QColor colour = index == COLOR_WINDOW ? QPalette().color(QPalette::Base) : FaceColour();
    return RGB(colour.red(), colour.green(), colour.blue());
}
