#include "page_layer.h"

#include <algorithm>
#include <utility>

#include "application.h"
#include "canvas.h"
#include "scrolling.h"

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

long long BytesOf(const RECT& box) { return 4LL * (box.right - box.left) * (box.bottom - box.top); }

// Runs `copy` with a DC of its own that has the bitmap selected.
template <class Copy>
bool OnBitmap(HDC compatible, HBITMAP bitmap, Copy copy) {
    HDC dc = CreateCompatibleDC(compatible);
    if (dc == nullptr) return false;
    HGDIOBJ first = SelectObject(dc, bitmap);
    copy(dc);
    SelectObject(dc, first);
    DeleteDC(dc);
    return true;
}

}  // namespace

PageLayer& CanvasLayer() { return canvasLayer; }

// The DC keeps its first state at level 1, so each build starts from a
// fresh DC's state.
bool PageLayer::Pixels::Make(HDC canvasDc, int newWidth, int newHeight) {
    Release();
    dc = CreateCompatibleDC(canvasDc);
    bitmap = CreateCompatibleBitmap(canvasDc, newWidth, newHeight);
    if (dc == nullptr || bitmap == nullptr) {
        Release();
        return false;
    }
    firstBitmap = SelectObject(dc, bitmap);
    SaveDC(dc);
    width = newWidth;
    height = newHeight;
    return true;
}

void PageLayer::Pixels::Release() {
    ForgetAllUnder();
    if (dc != nullptr) {
        if (firstBitmap != nullptr) SelectObject(dc, firstBitmap);
        DeleteDC(dc);
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    *this = Pixels();
}

// The pixels of the box (device pixels of the layer, already within it)
// are copied aside; an empty box keeps nothing but still takes its place.
void PageLayer::Pixels::KeepUnder(const RECT& box) {
    const long long bytes = BytesOf(box);
    const long long most = 4LL * width * height / 8;
    if (bytes > most) {
        ForgetAllUnder();
        return;
    }
    long long keptBytes = 0;
    for (const Under& kept : under) keptBytes += BytesOf(kept.area);
    while (!under.empty() && (keptBytes + bytes > most || under.size() >= kMostKeptUnder)) {
        keptBytes -= BytesOf(under.front().area);
        ForgetUnder(1);
    }
    Under kept{box, nullptr};
    if (bytes > 0) {
        kept.pixels = CreateCompatibleBitmap(dc, box.right - box.left, box.bottom - box.top);
        const bool copied = kept.pixels != nullptr && OnBitmap(dc, kept.pixels, [&](HDC copy) {
            InPixels(dc, [&] { BitBlt(copy, 0, 0, box.right - box.left, box.bottom - box.top, dc, box.left, box.top, SRCCOPY); });
        });
        if (!copied) {
            if (kept.pixels != nullptr) DeleteObject(kept.pixels);
            ForgetAllUnder();
            return;
        }
    }
    under.push_back(kept);
}

bool PageLayer::Pixels::PutBackUnder() {
    if (under.empty()) return false;
    const Under& kept = under.back();
    const RECT& box = kept.area;
    if (kept.pixels != nullptr && !OnBitmap(dc, kept.pixels, [&](HDC copy) {
            InPixels(dc, [&] { BitBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, copy, 0, 0, SRCCOPY); });
        }))
        return false;
    if (kept.pixels != nullptr) DeleteObject(kept.pixels);
    under.pop_back();
    return true;
}

// The oldest `count` go.
void PageLayer::Pixels::ForgetUnder(std::size_t count) {
    count = std::min(count, under.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (under[i].pixels != nullptr) DeleteObject(under[i].pixels);
    }
    under.erase(under.begin(), under.begin() + static_cast<std::ptrdiff_t>(count));
}

bool PageLayer::Fits(const Pixels& pixels, HWND canvas) const {
    const SIZE size = ClientSize(canvas);
    return pixels.dc != nullptr && canvas == canvas_ && size.cx == pixels.width && size.cy == pixels.height;
}

bool PageLayer::IsCurrent(HWND canvas) const {
    return shown_.valid && Fits(shown_, canvas) && shown_.originY == TheApplication().originY;
}

// The page drawn as a whole paint at this scroll position draws it. The
// sheet and the grey below it cover the canvas but for the grey's last row
// and column (a fill without a pen stops a pixel short); those take the
// face colour, as the window system erases a window before its paint, so
// no pixel is left from an earlier page, size or position.
bool PageLayer::Build(Pixels& pixels, HWND canvas, HDC canvasDc, int originY) {
    const SIZE size = ClientSize(canvas);
    if (size.cx <= 0 || size.cy <= 0) return false;
    if ((pixels.dc == nullptr || size.cx != pixels.width || size.cy != pixels.height) &&
        !pixels.Make(canvasDc, size.cx, size.cy))
        return false;
    HDC dc = pixels.dc;
    pixels.ForgetAllUnder();
    RestoreDC(dc, 1);
    SaveDC(dc);
    const RECT lastColumn{size.cx - 1, 0, size.cx, size.cy}, lastRow{0, size.cy - 1, size.cx, size.cy};
    HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &lastColumn, face);
    FillRect(dc, &lastRow, face);
    DeleteObject(face);
    PrepareCanvasMapping(canvas, dc, originY);
    DrawPage(canvas, dc);
    pixels.originY = originY;
    pixels.valid = true;
    canvas_ = canvas;
    return true;
}

// A scroll to the position kept ahead swaps the two, so the position left
// is kept in turn: going back is as quick.
void PageLayer::Show(HWND canvas, HDC canvasDc) {
    const int originY = TheApplication().originY;
    if (shown_.valid && Fits(shown_, canvas) && shown_.originY != originY) {
        direction_ = originY < shown_.originY ? -1 : 1;
        scrolling_ = true;
        if (ahead_.valid && Fits(ahead_, canvas) && ahead_.originY == originY) {
            std::swap(shown_, ahead_);
            ahead_.ForgetAllUnder();
        }
    }
    if (!IsCurrent(canvas)) {
        if (!Build(shown_, canvas, canvasDc, originY)) {
            // No pixels to keep the page in: it is drawn straight on the canvas.
            shown_.valid = false;
            DrawPage(canvas, canvasDc);
            return;
        }
        ++builds_;
    }
    InPixels(canvasDc, [&] {
        InPixels(shown_.dc, [&] { BitBlt(canvasDc, 0, 0, shown_.width, shown_.height, shown_.dc, 0, 0, SRCCOPY); });
    });
}

void PageLayer::Invalidate() {
    for (Pixels* pixels : {&shown_, &ahead_}) {
        pixels->valid = false;
        pixels->ForgetAllUnder();
    }
    scrolling_ = false;
}

// The top figure's box on this layer in device pixels, grown by a pixel
// for rounding and cut to the layer; false when the page's record does not
// know the figure.
bool PageLayer::TopFigureArea(const Pixels& pixels, RECT& area) {
    Application& application = TheApplication();
    const ShownFigures* shown = application.ShownFigureRecord();
    if (shown == nullptr || shown->Count() == 0 || shown->Page() != application.currentPage) return false;
    const FigureBox box = (*shown)[shown->Count() - 1].box;
    area = RECT{0, 0, 0, 0};
    if (box.Empty()) return true;
    POINT corners[2] = {{box.left, box.top}, {box.right, box.bottom}};
    LPtoDP(pixels.dc, corners, 2);
    area.left = std::max<LONG>(std::min(corners[0].x, corners[1].x) - 1, 0);
    area.top = std::max<LONG>(std::min(corners[0].y, corners[1].y) - 1, 0);
    area.right = std::min<LONG>(std::max(corners[0].x, corners[1].x) + 2, pixels.width);
    area.bottom = std::min<LONG>(std::max(corners[0].y, corners[1].y) + 2, pixels.height);
    if (area.left >= area.right || area.top >= area.bottom) area = RECT{0, 0, 0, 0};
    return true;
}

// Each layer is patched at its own scroll position, whichever is shown
// now: a scroll may have been asked for and not painted yet, and the next
// paint may swap to either.
void PageLayer::AddFigure(HWND canvas, DrawObject* figure) {
    ZDrawSp* surface = TheApplication().surface;
    if (surface != nullptr && figure != nullptr) {
        for (Pixels* pixels : {&shown_, &ahead_}) {
            if (!pixels->valid || !Fits(*pixels, canvas)) continue;
            RECT area{};
            if (pixels == &shown_ && TopFigureArea(*pixels, area)) {
                pixels->KeepUnder(area);
            } else {
                pixels->ForgetAllUnder();
            }
            surface->SetDC(pixels->dc);
            figure->Draw();
        }
    }
    InvalidateCanvas();
}

void PageLayer::RemoveTopFigure(HWND canvas) {
    for (Pixels* pixels : {&shown_, &ahead_}) {
        if (pixels->valid && (!Fits(*pixels, canvas) || !pixels->PutBackUnder())) {
            pixels->valid = false;
            pixels->ForgetAllUnder();
        }
    }
}

// Both layers together, with the pixels kept under the newest figures,
// stay within the whole page's pixels at the canvas's width, and within
// kMostAheadBytes.
bool PageLayer::AheadFits(HWND canvas) const {
    const SIZE size = ClientSize(canvas);
    const long long bytesPerRow = 4LL * size.cx;
    const long long pageRows = static_cast<long long>(kPageHeight) * size.cx / kPageWidth;
    const long long both = bytesPerRow * size.cy * 17 / 8;
    return both <= kMostAheadBytes && both <= bytesPerRow * pageRows;
}

void PageLayer::PrepareAhead(HWND canvas) {
    if (!scrolling_ || !IsCurrent(canvas)) return;
    if (!AheadFits(canvas)) {
        ahead_.Release();
        return;
    }
    int next = OriginAfterScroll(shown_.originY, direction_ * kScrollStep);
    if (next == shown_.originY) {
        direction_ = -direction_;  // at an end, the way back is the only way
        next = OriginAfterScroll(shown_.originY, direction_ * kScrollStep);
    }
    if (next == shown_.originY || (ahead_.valid && Fits(ahead_, canvas) && ahead_.originY == next)) return;
    HDC canvasDc = GetDC(canvas);
    if (!Build(ahead_, canvas, canvasDc, next)) ahead_.Release();
    ReleaseDC(canvas, canvasDc);
}

void PageLayer::Release() {
    shown_.Release();
    ahead_.Release();
    canvas_ = nullptr;
}
