// The program's entry, in the order of start-up: the record's components
// (or the "Load Error" box), the canvas cursor, the main window with its
// icons, caption and key table, the message loop, and the cursor freed.
#include "win_main.h"

#include "application.h"
#include "canvas.h"
#include "main_window.h"
#include "message_loop.h"
#include "resources.h"
#include "store_caption.h"

namespace {

void SetWindowIcons(HINSTANCE instance, HWND window) {
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

// The "Load Error" text: components missing, or the database file named
// as the cause when it is one, since telling a user that components are
// missing when their file is damaged would send them the wrong way.
const char* LoadErrorText() {
    switch (TheApplication().DatabaseFault()) {
        case PageStore::OpenFault::Damaged: return "Can not initialize Application.\nVeldrin.dat is damaged.";
        case PageStore::OpenFault::NotWritable:
            return "Can not initialize Application.\nVeldrin.dat cannot be written.";
        case PageStore::OpenFault::NotOurs:
            return "Can not initialize Application.\nVeldrin.dat is not a Tarnwick file.";
        default: return "Can not initialize Application.\nRequired components are missing.";
    }
}

}  // namespace

// The command line and show command are not used. Returns 0 in every case;
// the record releases the components when the process ends.
int WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (TheApplication().Initialize() == 0) {
        MessageBoxA(nullptr, LoadErrorText(), "Load Error", MB_ICONERROR);
        return 0;
    }
    canvasCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDR_CANVAS_CURSOR));
    HWND mainWindow =
        CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    // Without its window the program could never be ended: the loop would
    // wait for a quit message that nothing can send.
    if (mainWindow != nullptr) {
        SetWindowIcons(instance, mainWindow);
        SetWindowTextA(mainWindow, kProgramCaption);
        ShowWindow(mainWindow, SW_SHOWMAXIMIZED);
        RunMessageLoop(mainWindow, LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS)));
    }
    if (canvasCursor != nullptr) DestroyCursor(canvasCursor);
    return 0;
}
