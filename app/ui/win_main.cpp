// The program's entry, in the order of start-up: the record's components
// (or the "Load Error" box), the canvas cursor, the main window with its
// icons, caption and key table, the message loop, and the cursor freed.
#include "win_main.h"

#include "application.h"
#include "canvas.h"
#include "main_window.h"
#include "message_loop.h"
#include "resources.h"

namespace {

void SetWindowIcons(HINSTANCE instance, HWND window) {
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

// The command line and show command are not used. Returns 0 in every case;
// the record releases the components when the process ends.
int WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (TheApplication().Initialize() == 0) {
        MessageBoxA(nullptr, "Can not initialize Application.\nRequired components are missing.",
                    "Load Error", MB_ICONERROR);
        return 0;
    }
    canvasCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDR_CANVAS_CURSOR));
    HWND mainWindow =
        CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    // Without its window the program could never be ended: the loop would
    // wait for a quit message that nothing can send.
    if (mainWindow != nullptr) {
        SetWindowIcons(instance, mainWindow);
        SetWindowTextA(mainWindow, "Tarnwick v1.00");
        ShowWindow(mainWindow, SW_SHOWMAXIMIZED);
        RunMessageLoop(mainWindow, LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS)));
    }
    if (canvasCursor != nullptr) DestroyCursor(canvasCursor);
    return 0;
}
