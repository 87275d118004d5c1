// Sending messages, the default window procedure, and window data.
#include <QIcon>

#include "user/controls.h"
#include "user/cursors_icons.h"
#include "user/message_queue.h"

using namespace tarnwick::user;

namespace {

LRESULT SetIcon(Window* window, WPARAM which, HICON icon) {
    if (which != ICON_SMALL && which != ICON_BIG) return 0;
    HICON previous = window->icons[which];
    window->icons[which] = icon;
    if (window->parent == nullptr && window->widget)
        window->widget->setWindowIcon(WindowIconOf(window->icons[ICON_SMALL], window->icons[ICON_BIG]));
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT SetText(Window* window, LPCSTR text) {
    window->text = QByteArray(text ? text : "");
    ShowText(window);
    return TRUE;
}

LRESULT DefaultKey(Window* window, UINT message, WPARAM wParam) {
    if (message == WM_SYSKEYDOWN && wParam == VK_F4 && window->parent == nullptr) {
        return SendMessageA(window->handle, WM_CLOSE, 0, 0);
    }
    ReplayDispatchedKey(window);
    return 0;
}

}  // namespace

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (procedure == nullptr) return 0;
    return procedure(window, message, wParam, lParam);
}

LRESULT SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = WindowOf(handle);
    if (window == nullptr) return 0;
    return CallWindowProcA(window->procedure, handle, message, wParam, lParam);
}

LRESULT DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = WindowOf(handle);
    if (window == nullptr) return 0;
    switch (message) {
        case WM_SETTEXT: return SetText(window, reinterpret_cast<LPCSTR>(lParam));
        case WM_GETTEXT:
            return CopyTextOut(window->text, reinterpret_cast<char*>(lParam), static_cast<int>(wParam));
        case WM_GETTEXTLENGTH: return window->text.size();
        case WM_SETICON: return SetIcon(window, wParam, reinterpret_cast<HICON>(lParam));
        case WM_SETCURSOR: SetCursor(LoadCursorA(nullptr, IDC_ARROW)); return FALSE;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (BeginPaint(handle, &paint)) EndPaint(handle, &paint);
            return 0;
        }
        case WM_CLOSE: DestroyWindow(handle); return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: return DefaultKey(window, message, wParam);
        default: return 0;
    }
}

LONG_PTR GetWindowLongPtrA(HWND handle, int index) {
    Window* window = WindowOf(handle);
    if (window == nullptr) return 0;
    DialogData* dialog = window->dialog;
    switch (index) {
        case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->procedure);
        case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
        case GWLP_ID: return window->id;
        case GWLP_USERDATA: return window->userData;
        case DWLP_MSGRESULT: return dialog ? dialog->messageResult : 0;
        case DWLP_DLGPROC: return dialog ? reinterpret_cast<LONG_PTR>(dialog->procedure) : 0;
        case DWLP_USER: return dialog ? dialog->user : 0;
        default: return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND handle, int index, LONG_PTR value) {
    Window* window = WindowOf(handle);
    if (window == nullptr) return 0;
    LONG_PTR previous = GetWindowLongPtrA(handle, index);
    DialogData* dialog = window->dialog;
    switch (index) {
        case GWLP_WNDPROC: window->procedure = reinterpret_cast<WNDPROC>(value); break;
        case GWLP_HINSTANCE: window->instance = reinterpret_cast<HINSTANCE>(value); break;
        case GWLP_ID: window->id = static_cast<int>(value); break;
        case GWLP_USERDATA: window->userData = value; break;
        case DWLP_MSGRESULT: if (dialog) dialog->messageResult = value; break;
        case DWLP_DLGPROC: if (dialog) dialog->procedure = reinterpret_cast<DLGPROC>(value); break;
        case DWLP_USER: if (dialog) dialog->user = value; break;
        default: return 0;
    }
    return previous;
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
    if (WindowOf(window) == nullptr) return FALSE;
    return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextA(HWND window, LPSTR text, int size) {
    if (WindowOf(window) == nullptr || text == nullptr || size <= 0) return 0;
    return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(text)));
}
