// The dialog keys: Enter, Esc, Tab and Alt with a mnemonic letter. Every
// other message of the dialog and its controls is translated and
// dispatched here, as IsDialogMessageA does on Win32.
#include "user/controls.h"
#include "user/dialogs.h"
#include "user/message_queue.h"

namespace tarnwick::user {
namespace {

bool Usable(const Window* window) {
    return window->widget && window->widget->isVisible() && window->widget->isEnabled();
}

void Command(const Window* dialog, int id) {
    HWND control = GetDlgItem(dialog->handle, id);
    SendMessageA(dialog->handle, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

bool IsPushButton(const Window* window) {
    DWORD type = window->style & BS_TYPEMASK;
    return window->windowClass == WindowClass::Button && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// Enter presses the focused push button, else the default one.
void PressDefault(const Window* dialog, const Window* focus) {
    if (focus != nullptr && focus->parent == dialog && IsPushButton(focus)) {
        SendMessageA(focus->handle, BM_CLICK, 0, 0);
        return;
    }
    Command(dialog, DefaultButtonId(dialog));
}

// The letter after a single '&' in a control's text, upper-cased, or 0.
UINT MnemonicOf(const QByteArray& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<UINT>(QChar::fromLatin1(text[i + 1]).toUpper().unicode());
    }
    return 0;
}

void PressMnemonic(const Window* dialog, UINT letter) {
    for (const Window* child : dialog->children) {
        if (child->windowClass != WindowClass::Button || !Usable(child)) continue;
        if (MnemonicOf(child->text) != letter) continue;
        SendMessageA(child->handle, BM_CLICK, 0, 0);
        return;
    }
}

// Tab and Shift+Tab move between the WS_TABSTOP controls, round the end.
void MoveFocus(const Window* dialog, const Window* focus, bool backwards) {
    QList<const Window*> stops;
    for (const Window* child : dialog->children) {
        if ((child->style & WS_TABSTOP) && Usable(child)) stops.append(child);
    }
    if (stops.isEmpty()) return;
    qsizetype at = stops.indexOf(focus);
    qsizetype next = at < 0 ? 0 : (at + (backwards ? stops.size() - 1 : 1)) % stops.size();
    SetFocus(stops[next]->handle);
}

// Enter and Esc belong to a combo box while its list is dropped down.
bool ControlWantsKey(const Window* target, WPARAM key) {
    if (key != VK_RETURN && key != VK_ESCAPE) return false;
    return target->windowClass == WindowClass::ComboBox && IsComboListShown(target);
}

// An open list takes Enter and Esc on their way, before their key press
// is dispatched, and closes; such a key is done, and handing it on again
// would pick twice.
bool ListTookKey(const Window* target, const MSG& message) {
    return KeyWasForOpenList(message) && !IsComboListShown(target);
}

bool HandleDialogKey(const Window* dialog, const Window* target, const MSG& message) {
    if (ListTookKey(target, message)) return true;
    const bool shift = MessageModifiers() & Qt::ShiftModifier;
    if (message.message == WM_SYSKEYDOWN) {
        if (message.wParam >= 'A' && message.wParam <= 'Z') {
            PressMnemonic(dialog, static_cast<UINT>(message.wParam));
            return true;
        }
        return false;
    }
    if (message.message != WM_KEYDOWN || ControlWantsKey(target, message.wParam)) return false;
    Window* focus = WindowOf(GetFocus());
    switch (message.wParam) {
        case VK_RETURN: PressDefault(dialog, focus); return true;
        case VK_ESCAPE: Command(dialog, IDCANCEL); return true;
        case VK_TAB: MoveFocus(dialog, focus, shift); return true;
        default: return false;
    }
}

}  // namespace
}  // namespace tarnwick::user

using namespace tarnwick::user;

BOOL IsDialogMessageA(HWND handle, LPMSG message) {
    Window* dialog = WindowOf(handle);
    if (dialog == nullptr || message == nullptr) return FALSE;
    Window* target = WindowOf(message->hwnd);
    if (target == nullptr || !IsWithin(target, dialog)) return FALSE;
    if (HandleDialogKey(dialog, target, *message)) return TRUE;
    TranslateMessage(message);
    DispatchMessageA(message);
    return TRUE;
}
