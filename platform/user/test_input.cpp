// Test hooks that make the window system deliver input as it would for a
// person, and show what a window shows.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include "test_hooks.h"
#include "user/owner_draw.h"
#include "user/virtual_keys.h"
#include "user/window.h"

using namespace tarnwick::user;

namespace {

Qt::KeyboardModifiers QtModifiers(UINT modifiers) {
    Qt::KeyboardModifiers result;
    if (modifiers & TEST_SHIFT) result |= Qt::ShiftModifier;
    if (modifiers & TEST_CONTROL) result |= Qt::ControlModifier;
    if (modifiers & TEST_ALT) result |= Qt::AltModifier;
    return result;
}

QString TextOf(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return QString();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        QChar letter(static_cast<char16_t>(key));
        return (modifiers & Qt::ShiftModifier) ? QString(letter) : QString(letter.toLower());
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return QString(QChar(static_cast<char16_t>(key)));
    if (key == Qt::Key_Space) return QStringLiteral(" ");
    return QString();
}

// Rows of COLORREF values, width x height; what the image lacks is
// CLR_INVALID.
int CopyOut(const QImage& source, COLORREF* pixels, int width, int height) {
    if (pixels == nullptr || width <= 0 || height <= 0) return 0;
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::fill(pixels, pixels + static_cast<std::size_t>(width) * height, CLR_INVALID);
    const int w = std::min(width, image.width()), h = std::min(height, image.height());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            QRgb pixel = image.pixel(x, y);
            pixels[static_cast<std::size_t>(y) * width + x] = RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
        }
    }
    return w * h;
}

// Where the window system sends keys: an open popup (a dropped-down list)
// takes them all; otherwise the focus in the window.
QWidget* KeyTarget(QWidget* top) {
    QWidget* receiver = QApplication::activePopupWidget();
    if (receiver == nullptr) receiver = top;
    return receiver->focusWidget() ? receiver->focusWidget() : receiver;
}

}  // namespace

// The target is found when the key arrives, as the window system finds it:
// a dialog shown in the meantime has the focus by then.
BOOL TestPostKey(HWND handle, UINT virtualKey, UINT modifiers) {
    Window* window = WindowOf(handle);
    int key = QtKeyOf(virtualKey);
    if (window == nullptr || !window->widget || key == 0) return FALSE;
    QPointer<QWidget> top = window->widget->window();
    Qt::KeyboardModifiers qtModifiers = QtModifiers(modifiers);
    QString text = TextOf(key, qtModifiers);
    QMetaObject::invokeMethod(
        qApp,
        [top, key, qtModifiers, text] {
            if (!top) return;
            QWidget* target = KeyTarget(top);
            QKeyEvent press(QEvent::KeyPress, key, qtModifiers, text);
            QCoreApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, key, qtModifiers, text);
            QCoreApplication::sendEvent(target, &release);
        },
        Qt::QueuedConnection);
    return TRUE;
}

BOOL TestSendMouse(HWND handle, UINT message, int x, int y) {
    Window* window = WindowOf(handle);
    if (window == nullptr || !window->widget) return FALSE;
    QWidget* widget = window->widget;
    const qreal ratio = PixelRatio(window);
    QPointF local(ToLogical(x, ratio), ToLogical(y, ratio));
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    switch (message) {
        case WM_MOUSEMOVE: break;
        case WM_LBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::LeftButton; break;
        case WM_LBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::LeftButton; break;
        case WM_RBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::RightButton; break;
        case WM_RBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::RightButton; break;
        default: return FALSE;
    }
    Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
    return TRUE;
}

BOOL TestPickComboItem(HWND handle, int index) {
    Window* window = WindowOf(handle);
    auto* combo = window ? qobject_cast<QComboBox*>(window->widget) : nullptr;
    if (combo == nullptr || index < 0 || index >= combo->count()) return FALSE;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return TRUE;
}

void TestProcessEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

BOOL TestLogicalSize(HWND handle, SIZE* size) {
    Window* window = WindowOf(handle);
    if (window == nullptr || !window->widget || size == nullptr) return FALSE;
    *size = SIZE{window->widget->width(), window->widget->height()};
    return TRUE;
}

int TestGrabWindow(HWND handle, COLORREF* pixels, int width, int height) {
    Window* window = WindowOf(handle);
    if (window == nullptr || !window->widget) return 0;
    return CopyOut(window->widget->grab().toImage(), pixels, width, height);
}

int TestGrabComboItem(HWND handle, int index, COLORREF* pixels, int width, int height) {
    Window* window = WindowOf(handle);
    auto* combo = window ? qobject_cast<QComboBox*>(window->widget) : nullptr;
    if (combo == nullptr || index < 0 || index >= combo->count() || width <= 0 || height <= 0) return 0;
    QImage item(width, height, QImage::Format_RGB32);
    item.fill(combo->palette().color(QPalette::Base));
    QPainter painter(&item);
    DrawOwnerItem(window, index, 0, QRect(0, 0, width, height), painter, combo->palette().color(QPalette::Base));
    painter.end();
    return CopyOut(item, pixels, width, height);
}
