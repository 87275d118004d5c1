#include "user/dialogs.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/module_resources.h"
#include "core/qt_application.h"
#include "gdi/font_faces.h"
#include "user/controls.h"
#include "user/dialog_units.h"
#include "user/message_queue.h"
#include "user/window_widgets.h"

namespace tarnwick::user {
namespace {

constexpr int kDefaultPointSize = 8;
constexpr const char kDefaultFace[] = "MS Sans Serif";

// A top-level dialog's frame: a caption when asked, and a system menu with
// a close box when asked. A main window (no modal frame) can always be
// closed from the window manager, which sends it WM_CLOSE.
Qt::WindowFlags FlagsOf(DWORD style, bool owned) {
    Qt::WindowFlags flags = owned ? Qt::Dialog : Qt::Window;
    if (!(style & WS_CAPTION)) return flags | Qt::FramelessWindowHint;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if ((style & WS_SYSMENU) || !(style & DS_MODALFRAME)) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

// The template's font for GDI (device pixels) and for Qt's widgets
// (logical pixels), and the base units measured in it.
bool MakeDialogFont(Window* dialog, const DialogResource& resource) {
    const bool ownFont = (resource.style & DS_SETFONT) && resource.faceName != nullptr;
    const char* face = ownFont ? resource.faceName : kDefaultFace;
    const int points = ownFont ? resource.pointSize : kDefaultPointSize;
    const qreal ratio = PixelRatio(dialog);
    const int devicePixels = std::max(1, PointsToPixels(points, WindowDpi(dialog)));
    DialogData* data = dialog->dialog;
    data->font = CreateFontA(-devicePixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    QFont deviceFont(gdi::ResolveFace(face));
    deviceFont.setPixelSize(devicePixels);
    DialogBaseUnits units = BaseUnitsOf(deviceFont);
    data->baseUnitX = units.x;
    data->baseUnitY = units.y;
    data->qtFont = deviceFont;
    data->qtFont.setPixelSize(std::max(1, qRound(devicePixels / ratio)));
    return data->font != nullptr;
}

QRect PixelsOfTemplate(const Window* dialog, int x, int y, int cx, int cy) {
    DialogBaseUnits units{dialog->dialog->baseUnitX, dialog->dialog->baseUnitY};
    return DialogUnitsToPixels(units, x, y, cx, cy);
}

// DS_CENTER centres the dialog over its owner (or the screen); otherwise
// its position is taken from the owner's client area.
void Place(Window* dialog, const DialogResource& resource, Window* owner) {
    QWidget* widget = dialog->widget;
    const qreal ratio = PixelRatio(dialog);
    QRect pixels = PixelsOfTemplate(dialog, resource.x, resource.y, resource.cx, resource.cy);
    widget->resize(qRound(ToLogical(pixels.width(), ratio)), qRound(ToLogical(pixels.height(), ratio)));
    // A modal frame cannot be sized, so window managers offer no maximise.
    if (resource.style & DS_MODALFRAME) widget->setFixedSize(widget->size());
    QWidget* ownerWidget = owner ? owner->widget->window() : nullptr;
    QScreen* screen = ownerWidget ? ownerWidget->screen() : QGuiApplication::primaryScreen();
    if (resource.style & DS_CENTER) {
        QRect area = ownerWidget ? ownerWidget->geometry() : (screen ? screen->availableGeometry() : QRect());
        QRect frame(QPoint(0, 0), widget->size());
        frame.moveCenter(area.center());
        widget->move(frame.topLeft());
        return;
    }
    QPoint origin = ownerWidget ? ownerWidget->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
    widget->move(origin + QPoint(qRound(ToLogical(pixels.x(), ratio)), qRound(ToLogical(pixels.y(), ratio))));
}

void MakeControls(Window* dialog, const DialogResource& resource) {
    for (int i = 0; i < resource.itemCount; ++i) {
        const DialogItemResource& item = resource.items[i];
        CreateControl(dialog, item, PixelsOfTemplate(dialog, item.x, item.y, item.cx, item.cy));
    }
}

Window* NewDialogWindow(HINSTANCE instance, const DialogResource& resource, Window* owner, DLGPROC procedure) {
    Window* dialog = NewWindow(WindowClass::Dialog, resource.style, 0, instance, nullptr, DialogWindowProc);
    if (dialog == nullptr) return nullptr;
    dialog->dialog = new (std::nothrow) DialogData;
    if (dialog->dialog == nullptr) {
        DestroyWindow(dialog->handle);
        return nullptr;
    }
    dialog->dialog->procedure = procedure;
    QWidget* ownerWidget = (owner && owner->widget) ? owner->widget->window() : nullptr;
    AttachWidget(dialog, new DialogWidget(ownerWidget, FlagsOf(resource.style, ownerWidget != nullptr)));
    return dialog;
}

}  // namespace

Window* MakeDialog(HINSTANCE instance, LPCSTR templateName, HWND ownerHandle, DLGPROC procedure,
                   LPARAM initParam) {
    if (!platform::EnsureQtApplication()) return nullptr;
    InstallKeyCapture();
    const auto* resource =
        static_cast<const DialogResource*>(port::FindResourceData(instance, templateName, RT_DIALOG));
    if (resource == nullptr) return nullptr;
    Window* owner = WindowOf(ownerHandle);
    Window* dialog = NewDialogWindow(instance, *resource, owner, procedure);
    if (dialog == nullptr) return nullptr;
    HWND handle = dialog->handle;
    MakeDialogFont(dialog, *resource);
    dialog->widget->setFont(dialog->dialog->qtFont);
    dialog->text = QByteArray(resource->caption ? resource->caption : "");
    ShowText(dialog);
    Place(dialog, *resource, owner);
    MakeControls(dialog, *resource);
    Window* focus = FirstTabStop(dialog);
    HWND focusHandle = focus ? focus->handle : nullptr;
    if (SendMessageA(handle, WM_INITDIALOG, reinterpret_cast<WPARAM>(focusHandle), initParam) && focusHandle)
        SetFocus(focusHandle);
    // The dialog procedure may have destroyed its own dialog.
    dialog = WindowOf(handle);
    if (dialog != nullptr && (resource->style & WS_VISIBLE)) dialog->widget->show();
    return dialog;
}

Window* FirstTabStop(const Window* dialog) {
    for (Window* child : dialog->children) {
        if ((child->style & WS_TABSTOP) && !(child->style & WS_DISABLED)) return child;
    }
    return nullptr;
}

LRESULT DialogWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* dialog = WindowOf(handle);
    if (dialog == nullptr || dialog->dialog == nullptr) return DefWindowProcA(handle, message, wParam, lParam);
    DLGPROC procedure = dialog->dialog->procedure;
    INT_PTR handled = procedure ? procedure(handle, message, wParam, lParam) : FALSE;
    if (handled) return handled;
    if (message == WM_CLOSE) {
        // A dialog that does not handle closing is cancelled.
        SendMessageA(handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

int DefaultButtonId(const Window* dialog) {
    for (const Window* child : dialog->children) {
        if (child->windowClass == WindowClass::Button && (child->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return child->id;
    }
    return IDOK;
}

}  // namespace tarnwick::user

using namespace tarnwick::user;

HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam) {
    Window* dialog = MakeDialog(instance, templateName, owner, dialogProc, initParam);
    return dialog ? dialog->handle : nullptr;
}

BOOL EndDialog(HWND handle, INT_PTR result) {
    Window* dialog = WindowOf(handle);
    if (dialog == nullptr || dialog->dialog == nullptr) return FALSE;
    dialog->dialog->ended = true;
    dialog->dialog->result = result;
    if (dialog->widget) dialog->widget->hide();
    // A modal loop waiting for messages wakes up to see that it is over.
    if (dialog->dialog->modal) PostMessageA(handle, WM_NULL, 0, 0);
    return TRUE;
}

HWND GetDlgItem(HWND handle, int id) {
    Window* dialog = WindowOf(handle);
    if (dialog == nullptr) return nullptr;
    for (const Window* child : dialog->children) {
        if (child->id == id) return child->handle;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND handle) {
    Window* window = WindowOf(handle);
    return window ? window->id : 0;
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(GetDlgItem(dialog, id), message, wParam, lParam);
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) { return SetWindowTextA(GetDlgItem(dialog, id), text); }

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size) {
    if (text != nullptr && size > 0) text[0] = '\0';
    return static_cast<UINT>(GetWindowTextA(GetDlgItem(dialog, id), text, size));
}
