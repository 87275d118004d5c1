// A memory device context with its own bitmap, for drawing and reading back
// pixels; optionally under the canvas's page mapping (0.1 mm units, y up,
// the page width across the bitmap).
#ifndef TARNWICK_TESTS_DRAWTOOLS_MEMORY_CANVAS_H
#define TARNWICK_TESTS_DRAWTOOLS_MEMORY_CANVAS_H

#include <string>
#include <vector>

#include "windows.h"

class MemoryCanvas {
public:
    MemoryCanvas() = default;
    ~MemoryCanvas() { Close(); }

    bool Open(int width, int height, COLORREF background = RGB(255, 255, 255));
    void Close();
    void UsePageMapping();
    void Fill(const RECT& area, COLORREF colour);

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    std::vector<COLORREF> Pixels() const;
    // How many pixels differ from `before`, and their bounding box.
    int CountChanged(const std::vector<COLORREF>& before, RECT* bounds = nullptr) const;
    // Writes the pixels as a binary PPM file.
    bool WritePpm(const std::string& path) const;

private:
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    int width_ = 0, height_ = 0;
};

#endif
