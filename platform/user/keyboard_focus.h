// The keyboard focus as Win32 keeps it: the program's own, apart from
// which window the window system lets have the keyboard.
#ifndef TARNWICK_PLATFORM_USER_KEYBOARD_FOCUS_H
#define TARNWICK_PLATFORM_USER_KEYBOARD_FOCUS_H

#include <QWidget>

namespace tarnwick::user {

// Makes a top-level window the program's active one and asks the window
// system to activate it, which a compositor may refuse.
void ActivateTopLevel(QWidget* window);

}  // namespace tarnwick::user

#endif
