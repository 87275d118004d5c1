#include "memory_canvas.h"

#include <cstdio>

bool MemoryCanvas::Open(int width, int height, COLORREF background) {
    Close();
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_ == nullptr) return false;
    bitmap_ = CreateCompatibleBitmap(dc_, width, height);
    if (bitmap_ == nullptr) {
        Close();
        return false;
    }
    oldBitmap_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    Fill(RECT{0, 0, width, height}, background);
    return true;
}

void MemoryCanvas::Close() {
    if (dc_ != nullptr) {
        if (oldBitmap_ != nullptr) SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
    }
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    oldBitmap_ = nullptr;
}

void MemoryCanvas::UsePageMapping() {
    SetMapMode(dc_, MM_ANISOTROPIC);
    SetWindowExtEx(dc_, 2159, -2159, nullptr);
    SetViewportExtEx(dc_, width_, width_, nullptr);
}

// In device pixels, whatever the mapping.
void MemoryCanvas::Fill(const RECT& area, COLORREF colour) {
    int saved = SaveDC(dc_);
    SetMapMode(dc_, MM_TEXT);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &area, brush);
    RestoreDC(dc_, saved);
    DeleteObject(brush);
}

// Read in device pixels: the mapping is set aside for the reading.
std::vector<COLORREF> MemoryCanvas::Pixels() const {
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(width_) * height_);
    int saved = SaveDC(dc_);
    SetMapMode(dc_, MM_TEXT);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) pixels.push_back(GetPixel(dc_, x, y));
    }
    RestoreDC(dc_, saved);
    return pixels;
}

int MemoryCanvas::CountChanged(const std::vector<COLORREF>& before, RECT* bounds) const {
    std::vector<COLORREF> now = Pixels();
    int changed = 0;
    RECT box = {width_, height_, -1, -1};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            std::size_t at = static_cast<std::size_t>(y) * width_ + x;
            if (at < before.size() && now[at] == before[at]) continue;
            ++changed;
            if (x < box.left) box.left = x;
            if (y < box.top) box.top = y;
            if (x + 1 > box.right) box.right = x + 1;
            if (y + 1 > box.bottom) box.bottom = y + 1;
        }
    }
    if (bounds != nullptr) *bounds = box;
    return changed;
}

bool MemoryCanvas::WritePpm(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    std::fprintf(file, "P6\n%d %d\n255\n", width_, height_);
    for (COLORREF pixel : Pixels()) {
        unsigned char rgb[3] = {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
        std::fwrite(rgb, 1, 3, file);
    }
    return std::fclose(file) == 0;
}
