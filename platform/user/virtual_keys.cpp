#include "user/virtual_keys.h"

namespace tarnwick::user {
namespace {

struct KeyPair {
    int qtKey;
    UINT virtualKey;
};

// Keys that are neither letters, digits nor function keys.
constexpr KeyPair kNamedKeys[] = {
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},  // Shift+Tab arrives as its own key
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
};

// With Shift, the digit keys of a US keyboard give these symbols; the key
// is still the digit's.
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

UINT DigitKeyOfSymbol(int qtKey) {
    for (int digit = 0; digit < 10; ++digit) {
        if (qtKey == kShiftedDigits[digit]) return '0' + digit;
    }
    return 0;
}

}  // namespace

UINT VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        if (event.modifiers() & Qt::KeypadModifier) return VK_NUMPAD0 + (key - Qt::Key_0);
        return '0' + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return VK_F1 + (key - Qt::Key_F1);
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.qtKey == key) return pair.virtualKey;
    }
    return DigitKeyOfSymbol(key);
}

int QtKeyOf(UINT virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') return Qt::Key_A + (virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9') return Qt::Key_0 + (virtualKey - '0');
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD0 + 9) return Qt::Key_0 + (virtualKey - VK_NUMPAD0);
    if (virtualKey >= VK_F1 && virtualKey <= VK_F12) return Qt::Key_F1 + (virtualKey - VK_F1);
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.virtualKey == virtualKey) return pair.qtKey;
    }
    return 0;
}

}  // namespace tarnwick::user
