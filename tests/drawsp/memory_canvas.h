// A small memory DC with a bitmap selected, for drawing and reading pixels.
#ifndef TARNWICK_TESTS_DRAWSP_MEMORY_CANVAS_H
#define TARNWICK_TESTS_DRAWSP_MEMORY_CANVAS_H

#include <string>
#include <vector>

#include "windows.h"

class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, width, height);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        Fill(RGB(255, 255, 255));
    }
    ~MemoryCanvas() {
        SelectObject(dc_, oldBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return dc_; }
    bool ok() const { return dc_ != nullptr && bitmap_ != nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Fill(COLORREF colour) {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) SetPixel(dc_, x, y, colour);
        }
    }

    // A background every raster operation visibly changes: diagonal
    // stripes of four colours.
    void FillStripes() {
        static const COLORREF kStripes[] = {RGB(255, 255, 255), RGB(200, 30, 30), RGB(20, 120, 220),
                                            RGB(0, 0, 0)};
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) SetPixel(dc_, x, y, kStripes[((x + y) / 3) % 4]);
        }
    }

    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> pixels;
        pixels.reserve(width_ * height_);
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) pixels.push_back(GetPixel(dc_, x, y));
        }
        return pixels;
    }

    int Count(COLORREF colour) const {
        int count = 0;
        for (COLORREF pixel : Pixels()) count += pixel == colour;
        return count;
    }

    // The picture as text, one character per pixel, for failure messages:
    // '.' the given background, '#' anything else.
    std::string Picture(COLORREF background) const {
        std::string picture = "\n";
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) picture += At(x, y) == background ? '.' : '#';
            picture += '\n';
        }
        return picture;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};

#endif
