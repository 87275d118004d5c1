// The window behind an HWND: a Qt widget, the window procedure and the
// window's data, its place in the window tree, and for windows that keep
// their own pixels, the pixel buffer with the DCs that draw into it.
#ifndef TARNWICK_PLATFORM_USER_WINDOW_H
#define TARNWICK_PLATFORM_USER_WINDOW_H

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <cstdint>

#include "windows.h"

namespace tarnwick::user {

enum class WindowClass : std::uint8_t { Dialog, Static, Button, Edit, ComboBox };

// The pixels of a window that keeps its own (the "screen" GDI draws on),
// in device pixels, and what is waiting to be repainted.
struct PixelBuffer {
    QImage image;          // Format_RGB32
    QList<HDC> liveDcs;    // from GetDC or BeginPaint, not yet released
    QRegion updateRegion;  // device pixels, client coordinates
    bool erase = false;
    bool paintPosted = false;
};

// What a dialog keeps beyond a window's data.
struct DialogData {
    DLGPROC procedure = nullptr;
    LONG_PTR messageResult = 0;
    LONG_PTR user = 0;
    INT_PTR result = 0;
    bool ended = false;
    bool modal = false;  // run by DialogBoxParamA
    HFONT font = nullptr;  // made for the template's font, deleted with the dialog
    QFont qtFont;
    int baseUnitX = 0;
    int baseUnitY = 0;
};

struct Window {
    HWND handle = nullptr;
    WindowClass windowClass = WindowClass::Static;
    DWORD style = 0;
    int id = 0;
    HINSTANCE instance = nullptr;
    Window* parent = nullptr;  // null for top-level windows
    QList<Window*> children;   // creation order, which is also the tab order
    QPointer<QWidget> widget;
    WNDPROC procedure = nullptr;
    LONG_PTR userData = 0;
    QByteArray text;  // UTF-8
    HICON icons[2] = {};
    QRect normalGeometry;  // top-level windows: where ShowWindow found it before maximising
    PixelBuffer* pixels = nullptr;  // windows that keep their own pixels
    DialogData* dialog = nullptr;   // dialogs
    bool destroyed = false;
};

// The live window of a handle, or null.
Window* WindowOf(HWND handle);
// The window a widget (or the nearest of its ancestors) stands for, or null.
Window* WindowOfWidget(const QObject* object);
// Whether `window` is `ancestor` or lies inside it.
bool IsWithin(const Window* window, const Window* ancestor);
// The dialog a window belongs to (itself or its nearest dialog ancestor).
Window* DialogOf(Window* window);

// A new window record with its handle; the caller gives it a widget with
// AttachWidget. Null when the handle table is full.
Window* NewWindow(WindowClass windowClass, DWORD style, int id, HINSTANCE instance, Window* parent,
                  WNDPROC procedure);
void AttachWidget(Window* window, QWidget* widget);

// Win32 pixels are device pixels: the factor between them and a widget's
// own coordinates.
qreal PixelRatio(const Window* window);
int ToDevice(qreal logical, qreal ratio);
qreal ToLogical(int device, qreal ratio);
// The screen resolution GDI sees in a window: 96 per inch at ratio 1.
int WindowDpi(const Window* window);

}  // namespace tarnwick::user

#endif
