#include "memory_canvas.h"

#include "png_writer.h"

#include <algorithm>
#include <cstdio>

namespace {

// Maps logical units 1:1 onto pixels with no clip for a scope, then puts
// the DC's own mapping and clip back.
class DeviceUnits {
public:
    explicit DeviceUnits(HDC dc) : dc_(dc) {
        SaveDC(dc);
        SetMapMode(dc, MM_TEXT);
        SetWindowOrgEx(dc, 0, 0, nullptr);
        SetViewportOrgEx(dc, 0, 0, nullptr);
        SelectClipRgn(dc, nullptr);
    }
    ~DeviceUnits() { RestoreDC(dc_, -1); }
    DeviceUnits(const DeviceUnits&) = delete;
    DeviceUnits& operator=(const DeviceUnits&) = delete;

private:
    HDC dc_;
};

}  // namespace

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
    Fill(background);
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
    width_ = height_ = 0;
}

void MemoryCanvas::UsePageMapping() const {
    SetMapMode(dc_, MM_ANISOTROPIC);
    SetWindowExtEx(dc_, 2159, -2159, nullptr);
    SetViewportExtEx(dc_, width_, width_, nullptr);
}

void MemoryCanvas::Fill(const RECT& area, COLORREF colour) const {
    DeviceUnits units(dc_);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
}

void MemoryCanvas::FillStripes() const {
    static const COLORREF kStripes[] = {RGB(255, 255, 255), RGB(200, 30, 30), RGB(20, 120, 220), RGB(0, 0, 0)};
    DeviceUnits units(dc_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) SetPixel(dc_, x, y, kStripes[((x + y) / 3) % 4]);
    }
}

COLORREF MemoryCanvas::At(int x, int y) const {
    DeviceUnits units(dc_);
    return GetPixel(dc_, x, y);
}

void MemoryCanvas::SetAt(int x, int y, COLORREF colour) const {
    DeviceUnits units(dc_);
    SetPixel(dc_, x, y, colour);
}

std::vector<COLORREF> MemoryCanvas::Pixels() const {
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(width_) * height_);
    DeviceUnits units(dc_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) pixels.push_back(GetPixel(dc_, x, y));
    }
    return pixels;
}

int MemoryCanvas::Count(COLORREF colour) const {
    std::vector<COLORREF> pixels = Pixels();
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
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
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    }
    if (bounds != nullptr) *bounds = box;
    return changed;
}

std::string MemoryCanvas::Picture() const {
    std::vector<COLORREF> pixels = Pixels();
    std::string rows;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) rows += Symbol(pixels[static_cast<std::size_t>(y) * width_ + x]);
        rows += '\n';
    }
    return rows;
}

std::string MemoryCanvas::Picture(COLORREF background) const {
    std::vector<COLORREF> pixels = Pixels();
    std::string picture = "\n";
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            picture += pixels[static_cast<std::size_t>(y) * width_ + x] == background ? '.' : '#';
        picture += '\n';
    }
    return picture;
}

char MemoryCanvas::Symbol(COLORREF colour) {
    switch (colour) {
        case kWhite: return '.';
        case kBlack: return '#';
        case kRed: return 'R';
        case kGreen: return 'G';
        case kBlue: return 'B';
        default: return '?';
    }
}

bool MemoryCanvas::WritePng(const std::string& path) const {
    return tarnwick_test::WritePng(path, width_, height_, Pixels());
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

std::string Rows(std::initializer_list<const char*> rows) {
    std::string joined;
    for (const char* row : rows) {
        joined += row;
        joined += '\n';
    }
    return joined;
}

PenAndBrush::PenAndBrush(HDC dc, HPEN pen, HBRUSH brush) : dc_(dc), pen_(pen), brush_(brush) {
    oldPen_ = SelectObject(dc, pen);
    oldBrush_ = SelectObject(dc, brush);
}

PenAndBrush::~PenAndBrush() {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    DeleteObject(pen_);
    DeleteObject(brush_);
}
