// Modal dialogs: the dialog's own message loop, which ends when the dialog
// procedure calls EndDialog. Its owner takes no input meanwhile, and the
// program's accelerators do not act, so every key reaches the dialog.
#include <QGuiApplication>

#include "core/test_hook_state.h"
#include "user/dialogs.h"
#include "user/keyboard_focus.h"
#include "user/window_widgets.h"

namespace tarnwick::user {
namespace {

// A WM_QUIT met here is posted again for the program's own loop, and the
// dialog ends with 0.
INT_PTR RunModalLoop(HWND handle) {
    MSG message;
    for (;;) {
        Window* dialog = WindowOf(handle);
        if (dialog == nullptr) return -1;
        if (dialog->dialog->ended) return dialog->dialog->result;
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return 0;
        }
        if (got < 0) return -1;
        if (!IsDialogMessageA(handle, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

// A dialog whose procedure set no focus gets it on its first tab stop
// when it becomes active, as Win32's default dialog handling does.
void ShowModal(Window* dialog) {
    QWidget* widget = dialog->widget;
    if (!widget) return;
    widget->setWindowModality(Qt::ApplicationModal);
    widget->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) widget->raise();
    ActivateTopLevel(widget);
    Window* first = FirstTabStop(dialog);
    if (widget->focusWidget() == nullptr && first != nullptr) SetFocus(first->handle);
}

// A test hook may answer in the user's place, ending the dialog itself.
bool AnsweredByHook(Window* dialog, HWND owner) {
    QByteArray caption = dialog->text;
    ModalRequest request{ModalRequest::Dialog, owner, caption.constData(), nullptr, 0, dialog->handle, nullptr};
    const int answer = port::AskModalHook(request);
    if (answer == 0) return false;
    Window* still = WindowOf(request.dialog);
    if (still != nullptr && !still->dialog->ended) EndDialog(still->handle, answer);
    return true;
}

void GiveBackActivation(HWND owner) {
    Window* ownerWindow = WindowOf(owner);
    if (ownerWindow != nullptr && ownerWindow->widget) ActivateTopLevel(ownerWindow->widget->window());
}

}  // namespace
}  // namespace tarnwick::user

using namespace tarnwick::user;

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam) {
    Window* dialog = MakeDialog(instance, templateName, owner, dialogProc, initParam);
    if (dialog == nullptr) return -1;
    HWND handle = dialog->handle;
    dialog->dialog->modal = true;
    if (!dialog->dialog->ended && !AnsweredByHook(dialog, owner)) ShowModal(dialog);
    const INT_PTR result = RunModalLoop(handle);
    DestroyWindow(handle);
    GiveBackActivation(owner);
    return result;
}
