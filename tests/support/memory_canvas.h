// A memory DC with its own bitmap for pixel tests: fill it, draw on it, read
// its pixels back in device pixels whatever the DC's mapping, lay them out
// as text rows so expected drawings read like the image, and write them to
// a file for a look. Optionally under the canvas's page mapping (0.1 mm
// units, y up, the page width across the bitmap).
#ifndef TARNWICK_TESTS_SUPPORT_MEMORY_CANVAS_H
#define TARNWICK_TESTS_SUPPORT_MEMORY_CANVAS_H

#include "windows.h"

#include <initializer_list>
#include <string>
#include <vector>

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class MemoryCanvas {
public:
    // A canvas to Open later.
    MemoryCanvas() = default;
    // A canvas opened at once; ok() tells whether that worked.
    MemoryCanvas(int width, int height, COLORREF background = kWhite) { Open(width, height, background); }
    ~MemoryCanvas() { Close(); }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    // A fresh DC and bitmap filled with the background; false when the
    // layer could not make them.
    bool Open(int width, int height, COLORREF background = kWhite);
    void Close();
    bool ok() const { return dc_ != nullptr && bitmap_ != nullptr; }

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The canvas's page mapping: 0.1 mm units, y up, 2159 across the bitmap.
    void UsePageMapping() const;

    // Fills in device pixels, whatever the mapping, clip and raster operation.
    void Fill(COLORREF colour) const { Fill(RECT{0, 0, width_, height_}, colour); }
    void Fill(const RECT& area, COLORREF colour) const;
    // A background every raster operation visibly changes: diagonal
    // stripes of four colours.
    void FillStripes() const;

    // One pixel in device pixels, whatever the mapping and clip.
    COLORREF At(int x, int y) const;
    void SetAt(int x, int y, COLORREF colour) const;
    // Every pixel, row by row.
    std::vector<COLORREF> Pixels() const;
    int Count(COLORREF colour) const;
    // How many pixels differ from `before`, and their bounding box.
    int CountChanged(const std::vector<COLORREF>& before, RECT* bounds = nullptr) const;

    // One character a pixel, one line a row: '.' white, '#' black, 'R' red,
    // 'G' green, 'B' blue, '?' anything else.
    std::string Picture() const;
    // For failure messages, after a line break: '.' the background, '#'
    // anything else.
    std::string Picture(COLORREF background) const;
    static char Symbol(COLORREF colour);

    bool WritePng(const std::string& path) const;
    bool WritePpm(const std::string& path) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    int width_ = 0, height_ = 0;
};

// Joins picture rows written one per line in a test.
std::string Rows(std::initializer_list<const char*> rows);

// Selects a pen and brush for a scope and deletes them afterwards.
class PenAndBrush {
public:
    PenAndBrush(HDC dc, HPEN pen, HBRUSH brush);
    ~PenAndBrush();
    PenAndBrush(const PenAndBrush&) = delete;
    PenAndBrush& operator=(const PenAndBrush&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_, oldBrush_;
};

#endif
