// Static controls keep their own pixels: their class procedure paints the
// dialog's face colour and the text in the dialog's font. A program can
// take such a control over (the canvas) and paint it itself.
#include "user/control_widgets.h"
#include "user/controls.h"
#include "user/window_widgets.h"

namespace tarnwick::user {
namespace {

UINT TextFormat(DWORD style) {
    switch (style & 0x3) {
        case SS_CENTER: return DT_CENTER | DT_WORDBREAK;
        case SS_RIGHT: return DT_RIGHT | DT_WORDBREAK;
        default: return DT_LEFT | DT_WORDBREAK;
    }
}

void PaintStatic(Window* window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window->handle, &paint);
    if (dc == nullptr) return;
    RECT client;
    GetClientRect(window->handle, &client);
    HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &client, face);
    DeleteObject(face);
    Window* dialog = DialogOf(window);
    HGDIOBJ previousFont = nullptr;
    if (dialog != nullptr && dialog->dialog->font != nullptr) previousFont = SelectObject(dc, dialog->dialog->font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextA(dc, window->text.constData(), -1, &client, TextFormat(window->style));
    if (previousFont != nullptr) SelectObject(dc, previousFont);
    EndPaint(window->handle, &paint);
}

}  // namespace

QWidget* MakeStaticWidget(Window*, QWidget* parent) { return new PixelWidget(parent); }

LRESULT StaticProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = WindowOf(handle);
    if (window == nullptr) return 0;
    switch (message) {
        case WM_PAINT: PaintStatic(window); return 0;
        case WM_ERASEBKGND: return 1;  // the paint covers everything
        default: return DefWindowProcA(handle, message, wParam, lParam);
    }
}

}  // namespace tarnwick::user
