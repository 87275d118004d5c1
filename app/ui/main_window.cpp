#include "main_window.h"

#include <algorithm>
#include <cstdio>

#include "application.h"
#include "canvas.h"
#include "canvas_screen.h"
#include "commands.h"
#include "erasing.h"
#include "resource_ids.h"
#include "toolbar_drawing.h"
#include "toolbar_values.h"
#include "tool_choice.h"

namespace {

// The canvas keeps this far from the window's left, right and bottom edges.
constexpr int kCanvasMargin = 4;

// The canvas's static control procedure is kept in its user data and
// comes back when the canvas is destroyed.
void HookCanvas(HWND canvas) {
    SetWindowLongPtrA(canvas, GWL_USERDATA, GetWindowLongPtrA(canvas, GWL_WNDPROC));
    SetWindowLongPtrA(canvas, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&CanvasProc));
}

void FillBoxes(HWND dialog) {
    // The owner-drawn boxes keep no text: each item holds only its index.
    for (const ToolbarBox& box : kToolbarBoxes) {
        for (int index = 0; index < box.entries; ++index) {
            SendDlgItemMessageA(dialog, box.id, CB_ADDSTRING, 0, index);
        }
    }
    for (int points : kFontPoints) {
        char text[16];
        std::snprintf(text, sizeof(text), "%d", points);
        SendDlgItemMessageA(dialog, IDC_FONT_SIZE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
}

// Width 1, black, solid, no tool, 8 points, no fill.
void SelectFirstEntries(HWND dialog) {
    const int boxes[] = {IDC_LINE_WIDTH, IDC_LINE_COLOUR, IDC_LINE_STYLE,
                         IDC_TOOL,       IDC_FONT_SIZE,   IDC_FILL_COLOUR};
    for (int id : boxes) SendDlgItemMessageA(dialog, id, CB_SETCURSEL, 0, 0);
}

void InitMainWindow(HWND dialog) {
    Application& application = TheApplication();
    application.canvasWindow = GetDlgItem(dialog, IDC_CANVAS);
    HookCanvas(application.canvasWindow);
    application.SetScreen(&CanvasScreen());
    ForgetShapesUnderWay();
    StopErasing();
    FillBoxes(dialog);
    SelectFirstEntries(dialog);
    application.GoToPage(1);
    ShowPageNumber(dialog);
}

// The canvas keeps its top edge and takes the rest of the client area. A
// window squeezed smaller than the margins gives an empty canvas, never one
// of negative size.
void LayOutCanvas(HWND dialog, int width, int height) {
    HWND canvas = GetDlgItem(dialog, IDC_CANVAS);
    if (canvas == nullptr) return;
    RECT frame{};
    GetWindowRect(canvas, &frame);
    POINT topLeft{frame.left, frame.top};
    ScreenToClient(dialog, &topLeft);
    const int canvasWidth = std::max(width - 2 * kCanvasMargin, 0);
    const int canvasHeight = std::max(height - static_cast<int>(topLeft.y) - kCanvasMargin, 0);
    MoveWindow(canvas, kCanvasMargin, topLeft.y, canvasWidth, canvasHeight, TRUE);
    InvalidateRect(canvas, nullptr, TRUE);
}

}  // namespace

INT_PTR MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            InitMainWindow(dialog);
            return TRUE;
        case WM_SIZE:
            LayOutCanvas(dialog, LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_CLOSE:
            CloseMainWindow(dialog);
            return TRUE;
        case WM_DRAWITEM:
            return DrawToolbarItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_COMMAND:
            RunCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
    }
    return FALSE;
}
