#include "message_loop.h"

#include "application.h"
#include "page_layer.h"

void RunMessageLoop(HWND mainWindow, HACCEL keys) {
    MSG message;
    for (;;) {
        // With nothing waiting, the canvas gets the next scroll position
        // ready, so Home and End need not wait for it.
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) CanvasLayer().PrepareAhead(TheApplication().canvasWindow);
        if (GetMessageA(&message, nullptr, 0, 0) != 1) break;
        if (!TranslateAcceleratorA(mainWindow, keys, &message) &&
            !IsDialogMessageA(mainWindow, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}
