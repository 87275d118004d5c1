// A small memory DC with its own bitmap for pixel tests, and a picture of its
// pixels as text rows so expected drawings can be laid out like the image.
#ifndef TARNWICK_TESTS_PLATFORM_GDI_CANVAS_H
#define TARNWICK_TESTS_PLATFORM_GDI_CANVAS_H

#include "png_writer.h"
#include "windows.h"

#include <string>
#include <vector>

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class GdiCanvas {
public:
    GdiCanvas(int width, int height, COLORREF background = kWhite)
        : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, width, height);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        Clear(background);
    }
    ~GdiCanvas() {
        SelectObject(dc_, oldBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Fills the whole bitmap in device pixels, whatever the mapping.
    void Clear(COLORREF colour) const {
        InDeviceUnits([&] {
            HBRUSH brush = CreateSolidBrush(colour);
            RECT all = {0, 0, width_, height_};
            FillRect(dc_, &all, brush);
            DeleteObject(brush);
        });
    }

    COLORREF DevicePixel(int x, int y) const {
        COLORREF colour = CLR_INVALID;
        InDeviceUnits([&] { colour = GetPixel(dc_, x, y); });
        return colour;
    }
    void SetDevicePixel(int x, int y, COLORREF colour) const {
        InDeviceUnits([&] { SetPixel(dc_, x, y, colour); });
    }

    // Runs f with the DC mapping logical units 1:1 onto pixels and no clip,
    // then puts the DC's own mapping and clip back.
    template <typename F>
    void InDeviceUnits(F f) const {
        SaveDC(dc_);
        SetMapMode(dc_, MM_TEXT);
        SetWindowOrgEx(dc_, 0, 0, nullptr);
        SetViewportOrgEx(dc_, 0, 0, nullptr);
        SelectClipRgn(dc_, nullptr);
        f();
        RestoreDC(dc_, -1);
    }

    // '.' white, '#' black, 'R' red, 'G' green, 'B' blue, '?' anything else.
    std::string Picture() const {
        std::vector<COLORREF> pixels = Pixels();
        std::string rows;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) rows += Symbol(pixels[static_cast<std::size_t>(y) * width_ + x]);
            rows += '\n';
        }
        return rows;
    }

    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> pixels;
        InDeviceUnits([&] {
            for (int y = 0; y < height_; ++y)
                for (int x = 0; x < width_; ++x) pixels.push_back(GetPixel(dc_, x, y));
        });
        return pixels;
    }

    int Count(COLORREF colour) const {
        int count = 0;
        for (COLORREF pixel : Pixels()) count += pixel == colour;
        return count;
    }

    bool WritePng(const std::string& path) const { return tarnwick_test::WritePng(path, width_, height_, Pixels()); }

    static char Symbol(COLORREF colour) {
        switch (colour) {
            case kWhite: return '.';
            case kBlack: return '#';
            case kRed: return 'R';
            case kGreen: return 'G';
            case kBlue: return 'B';
            default: return '?';
        }
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};

// Joins picture rows written one per line in a test.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string joined;
    for (const char* row : rows) {
        joined += row;
        joined += '\n';
    }
    return joined;
}

// Selects a pen and brush for a scope and deletes them afterwards.
class PenAndBrush {
public:
    PenAndBrush(HDC dc, HPEN pen, HBRUSH brush) : dc_(dc), pen_(pen), brush_(brush) {
        oldPen_ = SelectObject(dc, pen);
        oldBrush_ = SelectObject(dc, brush);
    }
    ~PenAndBrush() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        DeleteObject(pen_);
        DeleteObject(brush_);
    }
    PenAndBrush(const PenAndBrush&) = delete;
    PenAndBrush& operator=(const PenAndBrush&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_, oldBrush_;
};

#endif
