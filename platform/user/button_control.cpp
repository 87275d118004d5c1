// Push buttons and check boxes over Qt's buttons. A click reaches the
// dialog as WM_COMMAND with BN_CLICKED; mnemonics ("&Print") are shown
// underlined and pressed through the dialog's keys, not Qt's shortcuts.
#include <QCheckBox>
#include <QPushButton>

#include "user/control_widgets.h"
#include "user/controls.h"

namespace tarnwick::user {
namespace {

bool IsCheckBox(DWORD style) {
    DWORD type = style & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

void NotifyClicked(HWND handle) {
    Window* button = WindowOf(handle);
    if (button == nullptr || button->parent == nullptr) return;
    SendMessageA(button->parent->handle, WM_COMMAND, MAKEWPARAM(button->id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(handle));
}

QAbstractButton* ButtonOf(const Window* window) { return qobject_cast<QAbstractButton*>(window->widget); }

}  // namespace

QWidget* MakeButtonWidget(Window* control, QWidget* parent) {
    QAbstractButton* button = IsCheckBox(control->style) ? static_cast<QAbstractButton*>(new QCheckBox(parent))
                                                         : new QPushButton(parent);
    button->setFocusPolicy((control->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    HWND handle = control->handle;
    QObject::connect(button, &QAbstractButton::clicked, button, [handle] { NotifyClicked(handle); });
    return button;
}

void ShowButtonText(Window* window) {
    QAbstractButton* button = ButtonOf(window);
    if (button == nullptr) return;
    button->setText(QString::fromUtf8(window->text));
    button->setShortcut(QKeySequence());  // the dialog's keys press it
}

LRESULT ButtonProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = WindowOf(handle);
    QAbstractButton* button = window ? ButtonOf(window) : nullptr;
    if (button == nullptr) return DefWindowProcA(handle, message, wParam, lParam);
    switch (message) {
        case BM_GETCHECK: return button->isCheckable() && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            if (button->isCheckable()) button->setChecked(wParam == BST_CHECKED);
            return 0;
        case BM_CLICK: button->click(); return 0;
        default: return DefWindowProcA(handle, message, wParam, lParam);
    }
}

}  // namespace tarnwick::user
