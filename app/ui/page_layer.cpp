#include "page_layer.h"

#include "application.h"
#include "canvas.h"

namespace {

PageLayer canvasLayer;

SIZE ClientSize(HWND canvas) {
    RECT client{};
    GetClientRect(canvas, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

// Device pixels, whatever mapping the DC holds: its own state comes back
// afterwards.
template <class Work>
void InPixels(HDC dc, Work work) {
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    work();
    RestoreDC(dc, saved);
}

}  // namespace

PageLayer& CanvasLayer() { return canvasLayer; }

bool PageLayer::Fits(HWND canvas) const {
    const SIZE size = ClientSize(canvas);
    return dc_ != nullptr && canvas == canvas_ && size.cx == width_ && size.cy == height_ &&
           originY_ == TheApplication().originY;
}

// The DC keeps its first state at level 1, so each build starts from a
// fresh DC's state.
bool PageLayer::Make(HDC canvasDc, int width, int height) {
    Release();
    dc_ = CreateCompatibleDC(canvasDc);
    bitmap_ = CreateCompatibleBitmap(canvasDc, width, height);
    if (dc_ == nullptr || bitmap_ == nullptr) {
        Release();
        return false;
    }
    firstBitmap_ = SelectObject(dc_, bitmap_);
    SaveDC(dc_);
    width_ = width;
    height_ = height;
    return true;
}

// The page drawn as a whole paint draws it. The sheet and the grey below it
// cover the canvas but for the grey's last row and column (a fill without a
// pen stops a pixel short); those take the face colour, as the window
// system erases a window before its paint, so no pixel is left from an
// earlier page, size or position.
bool PageLayer::Build(HWND canvas, HDC canvasDc) {
    const SIZE size = ClientSize(canvas);
    if (size.cx <= 0 || size.cy <= 0) return false;
    if ((dc_ == nullptr || size.cx != width_ || size.cy != height_) && !Make(canvasDc, size.cx, size.cy)) return false;
    RestoreDC(dc_, 1);
    SaveDC(dc_);
    const RECT lastColumn{width_ - 1, 0, width_, height_}, lastRow{0, height_ - 1, width_, height_};
    HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    FillRect(dc_, &lastColumn, face);
    FillRect(dc_, &lastRow, face);
    DeleteObject(face);
    PrepareCanvasMapping(canvas, dc_);
    DrawPage(canvas, dc_);
    originY_ = TheApplication().originY;
    canvas_ = canvas;
    valid_ = true;
    ++builds_;
    return true;
}

void PageLayer::Show(HWND canvas, HDC canvasDc) {
    if (!IsCurrent(canvas) && !Build(canvas, canvasDc)) {
        // No pixels to keep the page in: it is drawn straight on the canvas.
        valid_ = false;
        DrawPage(canvas, canvasDc);
        return;
    }
    InPixels(canvasDc, [&] { InPixels(dc_, [&] { BitBlt(canvasDc, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY); }); });
}

void PageLayer::AddFigure(HWND canvas, DrawObject* figure) {
    ZDrawSp* surface = TheApplication().surface;
    if (IsCurrent(canvas) && surface != nullptr && figure != nullptr) {
        HDC previous = surface->SetDC(dc_);
        figure->Draw();
        surface->SetDC(previous);
    }
    InvalidateCanvas();
}

void PageLayer::Release() {
    if (dc_ != nullptr) {
        if (firstBitmap_ != nullptr) SelectObject(dc_, firstBitmap_);
        DeleteDC(dc_);
    }
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    firstBitmap_ = nullptr;
    width_ = height_ = 0;
    canvas_ = nullptr;
    valid_ = false;
}
