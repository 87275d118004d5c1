#include "message_loop.h"

void RunMessageLoop(HWND mainWindow, HACCEL keys) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) == 1) {
        if (!TranslateAcceleratorA(mainWindow, keys, &message) &&
            !IsDialogMessageA(mainWindow, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}
