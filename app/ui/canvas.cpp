// The canvas's window procedure and the DC set-up every paint, mouse event
// and print goes through.
#include "canvas.h"

#include <algorithm>

#include "application.h"
#include "erasing.h"
#include "page_layer.h"
#include "tool_choice.h"
#include "toolbar_settings.h"

HCURSOR canvasCursor = nullptr;
HCURSOR eraserCursor = nullptr;

namespace {

// What PrepareDC changed, for FinishDC to undo. One set only: the pairs
// never nest.
struct SavedDrawingState {
    HDC dc = nullptr;
    int level = 0;
    HRGN clip = nullptr;
};

SavedDrawingState saved;

}  // namespace

// The page width fills the canvas width and both axes share that scale, y
// pointing up. A canvas squeezed to no width still maps through a width of
// one pixel, so page and device points can always be converted.
void SetPageMapping(HDC dc, const RECT& client, int originY) {
    const int width = std::max<LONG>(client.right - client.left, 1);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kPageWidth, -kPageWidth, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetViewportExtEx(dc, width, width, nullptr);
    SetWindowOrgEx(dc, TheApplication().originX, originY, nullptr);
}

void SetPageMapping(HDC dc, const RECT& client) { SetPageMapping(dc, client, TheApplication().originY); }

namespace {

HRGN SelectClientClip(HWND canvas, HDC dc, RECT& client) {
    GetClientRect(canvas, &client);
    HRGN clip = CreateRectRgn(client.left, client.top, client.right, client.bottom);
    SelectClipRgn(dc, clip);
    return clip;
}

void PrepareScreen(HWND canvas, HDC dc) {
    RECT client{};
    saved.clip = SelectClientClip(canvas, dc, client);
    SetPageMapping(dc, client);
}

// A click that finished no figure leaves a shape under way, which the
// first Ctrl+Z drops.
void ForwardMouse(UINT message, int x, int y) {
    Application& application = TheApplication();
    DrawTool* tool = application.currentTool;
    if (tool == nullptr) return;
    if (message == WM_MOUSEMOVE) {
        tool->MouseMove(x, y);
        return;
    }
    const int finished = application.FinishedFigures();
    tool->Click(x, y, message == WM_RBUTTONDOWN ? 1 : 0);
    NoteToolClick(tool, message == WM_LBUTTONDOWN, application.FinishedFigures() != finished);
}

// While erasing, only a left click does something: it erases the figure
// under it.
void EraseOnClick(HWND canvas, HDC dc, UINT message, POINT device) {
    if (message == WM_LBUTTONDOWN) EraseAtClick(canvas, dc, device);
}

// Every mouse message is handled on a DC of its own, with the toolbar's
// settings in force, so the tool's feedback uses them at once.
LRESULT OnMouse(HWND canvas, UINT message, LPARAM lParam) {
    HDC dc = GetDC(canvas);
    PrepareDC(canvas, dc, 1);
    const POINT device{LOWORD(lParam), HIWORD(lParam)};
    POINT point = device;
    DPtoLP(dc, &point, 1);
    Application& application = TheApplication();
    if (application.surface != nullptr) application.surface->SetDC(dc);
    if (IsErasing()) {
        EraseOnClick(canvas, dc, message, device);
    } else {
        ForwardMouse(message, point.x, point.y);
    }
    FinishDC(1);
    ReleaseDC(canvas, dc);
    return 1;
}

LRESULT OnPaint(HWND canvas) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(canvas, &paint);
    PrepareDC(canvas, dc, 1);
    TheApplication().PaintCanvas(canvas, dc);
    FinishDC(1);
    EndPaint(canvas, &paint);
    return 0;
}

// The eraser while erasing, else the crosshair.
HCURSOR CursorOfMode() { return IsErasing() && eraserCursor != nullptr ? eraserCursor : canvasCursor; }

// The control's own procedure comes back before the window goes, and the
// page's pixels go with it.
LRESULT OnDestroy(HWND canvas) {
    SetWindowLongPtrA(canvas, GWL_WNDPROC, GetWindowLongPtrA(canvas, GWL_USERDATA));
    CanvasLayer().Release();
    return 0;
}

}  // namespace

LRESULT CanvasProc(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: return OnPaint(canvas);
        case WM_DESTROY: return OnDestroy(canvas);
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: return OnMouse(canvas, message, lParam);
        case WM_SETCURSOR:
            if (CursorOfMode() == nullptr) break;
            SetCursor(CursorOfMode());
            return 1;
    }
    return DefWindowProcA(canvas, message, wParam, lParam);
}

void ApplyToolbarSettings(HWND mainWindow) {
    const ToolbarSettings settings = ReadToolbar(mainWindow);
    Application& application = TheApplication();
    if (application.currentTool != nullptr) application.currentTool->SetTemporary(settings.temporary);
    if (application.surface != nullptr) {
        application.surface->SetAttributes(settings.colour, settings.penStyle, settings.penWidth,
                                           settings.fillColour, settings.fillOn, settings.fontHeight);
    }
}

// The region is the DC's own copy once selected.
void PrepareCanvasMapping(HWND canvas, HDC dc, int originY) {
    RECT client{};
    DeleteObject(SelectClientClip(canvas, dc, client));
    SetPageMapping(dc, client, originY);
}

void PrepareCanvasMapping(HWND canvas, HDC dc) { PrepareCanvasMapping(canvas, dc, TheApplication().originY); }

void PrepareDC(HWND window, HDC dc, int screen) {
    saved.dc = dc;
    saved.level = SaveDC(dc);
    // The canvas's boxes are on its parent, the main window.
    ApplyToolbarSettings(screen ? GetParent(window) : window);
    if (screen) {
        PrepareScreen(window, dc);
    } else {
        SetMapMode(dc, MM_LOMETRIC);
    }
}

void FinishDC(int screen) {
    RestoreDC(saved.dc, saved.level);
    if (screen && saved.clip != nullptr) {
        DeleteObject(saved.clip);
        saved.clip = nullptr;
    }
    saved.dc = nullptr;
}

BOOL InvalidateCanvas() { return InvalidateRect(TheApplication().canvasWindow, nullptr, TRUE); }
