// On Win32 a program's SetFocus holds for the program even while the
// system gives the keyboard to another program's window, and GetFocus tells
// it. Qt knows a focus widget only in the window the window system made
// active, and a Wayland compositor decides that alone: it may activate no
// window of the program at all (one without a keyboard, or one that refuses
// requests to activate). So the program's active window is kept here: the
// one it last activated or focused in, or the one the window system
// activated, until the window system takes activation from the program.
#include "user/keyboard_focus.h"

#include <QApplication>
#include <QPointer>
#include <QWindow>

#include "user/window.h"

namespace tarnwick::user {
namespace {

QPointer<QWidget>& ProgramActiveWindow() {
    static QPointer<QWidget> active;
    return active;
}

QWidget* TopLevelOf(const QWindow* window) {
    if (window == nullptr) return nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window) return widget;
    }
    return nullptr;
}

// From the first activation on, what the window system does wins.
void FollowWindowSystem() {
    static bool following = false;
    if (following || qApp == nullptr) return;
    following = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp,
                                 [](QWindow* window) { ProgramActiveWindow() = TopLevelOf(window); });
}

void MakeProgramActive(QWidget* window) {
    FollowWindowSystem();
    ProgramActiveWindow() = window;
}

// The focus in the program's active window, when the window system has
// activated none of the program's windows.
QWidget* ProgramFocusWidget() {
    QWidget* active = ProgramActiveWindow();
    if (active == nullptr || !active->isVisible() || QApplication::activeWindow() != nullptr) return nullptr;
    return active->focusWidget();
}

}  // namespace

void ActivateTopLevel(QWidget* window) {
    if (window == nullptr) return;
    MakeProgramActive(window);
    window->activateWindow();
}

}  // namespace tarnwick::user

using namespace tarnwick::user;

HWND GetFocus() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) focus = ProgramFocusWidget();
    Window* window = WindowOfWidget(focus);
    return window ? window->handle : nullptr;
}

HWND SetFocus(HWND handle) {
    HWND previous = GetFocus();
    Window* window = WindowOf(handle);
    if (window == nullptr || !window->widget) return nullptr;
    window->widget->setFocus(Qt::OtherFocusReason);
    MakeProgramActive(window->widget->window());
    return previous;
}
