// Message boxes: OK, or Yes and No, with the error icon; the first button
// is the default, so Enter answers it. They run their own loop, in which
// keys go straight to the box.
#include <QMessageBox>
#include <QPushButton>

#include "core/test_hook_state.h"
#include "core/qt_application.h"
#include "user/message_queue.h"

using namespace tarnwick::user;

namespace {

QMessageBox::Icon IconOf(UINT type) {
    return (type & MB_ICONMASK) == MB_ICONERROR ? QMessageBox::Critical : QMessageBox::NoIcon;
}

int ShowBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    Window* ownerWindow = WindowOf(owner);
    QWidget* parent = (ownerWindow && ownerWindow->widget) ? ownerWindow->widget->window() : nullptr;
    QMessageBox box(IconOf(type), QString::fromUtf8(caption ? caption : "Error"),
                    QString::fromUtf8(text ? text : ""), QMessageBox::NoButton, parent);
    const bool yesNo = (type & MB_TYPEMASK) == MB_YESNO;
    QPushButton* first = box.addButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    if (yesNo) box.addButton(QMessageBox::No);
    box.setDefaultButton(first);
    ModalScope modal;
    box.exec();
    if (!yesNo) return IDOK;
    return box.clickedButton() == first ? IDYES : IDNO;
}

}  // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    ModalRequest request{ModalRequest::MessageBox, owner, caption, text, type, nullptr, nullptr};
    if (int answer = tarnwick::port::AskModalHook(request)) return answer;
    if (!tarnwick::platform::EnsureQtApplication()) return 0;
    return ShowBox(owner, text, caption, type);
}
