// Edit controls: one line over QLineEdit, or many (ES_MULTILINE) over
// QPlainTextEdit. Their window text is what the user sees and typed.
#include <QLineEdit>
#include <QPlainTextEdit>

#include "user/control_widgets.h"
#include "user/controls.h"

namespace tarnwick::user {
namespace {

Qt::Alignment AlignmentOf(DWORD style) {
    switch (style & 0x3) {
        case ES_CENTER: return Qt::AlignHCenter | Qt::AlignVCenter;
        case ES_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
        default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QWidget* MakeLines(Window* control, QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(control->style & ES_READONLY);
    edit->setVerticalScrollBarPolicy((control->style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                                   : Qt::ScrollBarAlwaysOff);
    if (!(control->style & WS_BORDER)) edit->setFrameShape(QFrame::NoFrame);
    return edit;
}

QWidget* MakeLine(Window* control, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(control->style & ES_READONLY);
    edit->setAlignment(AlignmentOf(control->style));
    edit->setFrame(control->style & WS_BORDER);
    return edit;
}

}  // namespace

QWidget* MakeEditWidget(Window* control, QWidget* parent) {
    QWidget* edit = (control->style & ES_MULTILINE) ? MakeLines(control, parent) : MakeLine(control, parent);
    edit->setFocusPolicy((control->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    return edit;
}

void ShowEditText(Window* window) {
    QString text = QString::fromUtf8(window->text);
    if (auto* line = qobject_cast<QLineEdit*>(window->widget)) {
        line->setText(text);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(window->widget)) {
        lines->setPlainText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    }
}

void ReadBackEditText(Window* window) {
    if (auto* line = qobject_cast<QLineEdit*>(window->widget)) {
        window->text = line->text().toUtf8();
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(window->widget)) {
        window->text = lines->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toUtf8();
    }
}

LRESULT EditProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = WindowOf(handle);
    if (window != nullptr && (message == WM_GETTEXT || message == WM_GETTEXTLENGTH)) ReadBackEditText(window);
    return DefWindowProcA(handle, message, wParam, lParam);
}

}  // namespace tarnwick::user
