// The program's entry, in the order of start-up: the record's components
// (or the "Load Error" box), the canvas cursors, the main window with its
// icons, caption and key table, the message loop, and the cursors freed.
#include "win_main.h"

#include "application.h"
#include "canvas.h"
#include "main_window.h"
#include "message_loop.h"
#include "resources.h"
#include <unistd.h>

#include <cstdio>
#include <initializer_list>

namespace {

void SetWindowIcons(HINSTANCE instance, HWND window) {
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

// The "Load Error" text: components missing, or the database file or its
// folder named as the cause when it is one, since telling a user that
// components are missing when their file is damaged or their folder
// read-only would send them the wrong way.
const char* LoadErrorText() {
    constexpr char kHead[] = "Can not initialize Application.\n";
    static char text[4096 + 64];
    switch (TheApplication().DatabaseFault()) {
        case PageStore::OpenFault::Damaged: return "Can not initialize Application.\nVeldrin.dat is damaged.";
        case PageStore::OpenFault::NotWritable:
            return "Can not initialize Application.\nVeldrin.dat cannot be written.";
        case PageStore::OpenFault::DiskFull:
            return "Can not initialize Application.\nThe disk is full: Veldrin.dat cannot be written.";
        case PageStore::OpenFault::FolderNotWritable: {
            char folder[4096];
            if (getcwd(folder, sizeof(folder)) == nullptr) std::snprintf(folder, sizeof(folder), ".");
            std::snprintf(text, sizeof(text), "%sThe folder %s cannot be written.", kHead, folder);
            return text;
        }
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
    eraserCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDR_ERASER_CURSOR));
    HWND mainWindow =
        CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
    // Without its window the program could never be ended: the loop would
    // wait for a quit message that nothing can send.
    if (mainWindow != nullptr) {
        SetWindowIcons(instance, mainWindow);
        // What loading page 1 found is in the caption from the start.
        SetWindowTextA(mainWindow, TheApplication().Caption());
        ShowWindow(mainWindow, SW_SHOWMAXIMIZED);
        RunMessageLoop(mainWindow, LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS)));
    }
    for (HCURSOR* cursor : {&canvasCursor, &eraserCursor}) {
        if (*cursor != nullptr) DestroyCursor(*cursor);
        *cursor = nullptr;
    }
    return 0;
}
