// Qt keys and Win32 virtual-key codes, both ways.
#ifndef TARNWICK_PLATFORM_USER_VIRTUAL_KEYS_H
#define TARNWICK_PLATFORM_USER_VIRTUAL_KEYS_H

#include <QKeyEvent>

#include "windows.h"

namespace tarnwick::user {

// The virtual key of a key event, or 0 for keys the layer does not know.
// Letters are their capitals and digits their characters, whatever Shift
// and Caps Lock do; keypad digits are VK_NUMPAD0..9.
UINT VirtualKeyOf(const QKeyEvent& event);
// The Qt key of a virtual key, or 0.
int QtKeyOf(UINT virtualKey);

}  // namespace tarnwick::user

#endif
