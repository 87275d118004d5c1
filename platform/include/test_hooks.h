// Hooks of the port layer for tests and benchmarks: modal UI answered
// without a person, user input arriving the way the window system delivers
// it, and a look at what a window shows. The program itself never calls
// these.
#ifndef TARNWICK_PLATFORM_TEST_HOOKS_H
#define TARNWICK_PLATFORM_TEST_HOOKS_H

#include "windef.h"
#include "wingdi.h"
#include "winuser.h"

// What the page setup dialog is about to offer, and what a hook answers
// for the user.
struct PageSetupChoice {
    char device[256];   // a print queue's name, or PDF_PRINTER_NAME
    char output[1024];  // the file the PDF printer writes
    BOOL landscape;
};

// What is about to be shown modally.
struct ModalRequest {
    enum Kind { MessageBox, Dialog, PageSetup } kind;
    HWND owner;
    LPCSTR caption;
    LPCSTR text;                 // message boxes
    UINT type;                   // message boxes: MB_ flags
    HWND dialog;                 // dialogs: the dialog, made and initialised, not shown
    PageSetupChoice* pageSetup;  // the page setup dialog: the choice it starts from
};

// Returns the message box's answer (IDOK, IDYES, IDNO); for a dialog, a
// non-zero value once it has ended the dialog itself; for the page setup
// dialog IDOK with the choice filled in (any other non-zero value cancels).
// 0 lets the layer show the box or dialog for real.
typedef int (*ModalAnswerHook)(const ModalRequest* request, void* context);

// Called after a window with its own pixels has handled a WM_PAINT the
// layer sent it.
typedef void (*PaintObserver)(HWND window, void* context);

// Modifier flags for simulated keys.
#define TEST_SHIFT 0x01
#define TEST_CONTROL 0x02
#define TEST_ALT 0x04

extern "C++" {

// A null hook lets modal UI show again.
WINAPI_EXPORT void SetModalAnswerHook(ModalAnswerHook hook, void* context);
// A null observer stops observing.
WINAPI_EXPORT void SetPaintObserver(PaintObserver observer, void* context);

// A key press (and its release) at the widget that has the focus in the
// window's top-level window, queued as the window system would queue it.
WINAPI_EXPORT BOOL TestPostKey(HWND window, UINT virtualKey, UINT modifiers);
// A mouse event (WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, ...) at a
// client position of the window, delivered as the window system would.
WINAPI_EXPORT BOOL TestSendMouse(HWND window, UINT message, int x, int y);
// The user picking an item of a combo box's list.
WINAPI_EXPORT BOOL TestPickComboItem(HWND combo, int index);

// Whether a compositor places the top-level windows (Wayland): a program
// can then neither place a window nor learn where one is.
WINAPI_EXPORT BOOL TestCompositorPlacesWindows();
// A window's size in the window system's own units: its device pixels
// divided by the screen's scale.
WINAPI_EXPORT BOOL TestLogicalSize(HWND window, SIZE* size);
// A cursor's picture as the window system gets it: its size in pixels and
// its hot spot.
WINAPI_EXPORT BOOL TestCursorShape(HCURSOR cursor, SIZE* pixels, POINT* hotSpot);

// Global memory blocks alive now, movable and fixed.
WINAPI_EXPORT int TestCountGlobalBlocks();

// Runs everything that is pending (repaints, posted work, deferred
// deletions) without waiting.
WINAPI_EXPORT void TestProcessEvents();

// What a window shows on screen, as rows of COLORREF values; returns the
// pixels written (width x height at most), 0 when there is no such window.
WINAPI_EXPORT int TestGrabWindow(HWND window, COLORREF* pixels, int width, int height);
// One item of a combo box's list as the list draws it.
WINAPI_EXPORT int TestGrabComboItem(HWND combo, int index, COLORREF* pixels, int width,
                                    int height);

}  // extern "C++"

#endif
