#include "surface_page.h"

#include <cstddef>

#include "page_background.h"

CanvasDC::CanvasDC() {
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(dc_, kCanvasWidth, kCanvasHeight);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    SetMapMode(dc_, MM_ANISOTROPIC);
    SetWindowExtEx(dc_, kPageWidth, -kPageWidth, nullptr);
    SetViewportOrgEx(dc_, 0, 0, nullptr);
    SetViewportExtEx(dc_, kCanvasWidth, kCanvasWidth, nullptr);
    SetWindowOrgEx(dc_, 0, 0, nullptr);
}

CanvasDC::~CanvasDC() {
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

namespace {

// One pixel per logical unit for a scope, then the canvas mapping again.
class DeviceUnits {
public:
    explicit DeviceUnits(HDC dc) : dc_(dc) {
        SaveDC(dc);
        SetMapMode(dc, MM_TEXT);
        SetWindowOrgEx(dc, 0, 0, nullptr);
        SetViewportOrgEx(dc, 0, 0, nullptr);
    }
    ~DeviceUnits() { RestoreDC(dc_, -1); }
    DeviceUnits(const DeviceUnits&) = delete;
    DeviceUnits& operator=(const DeviceUnits&) = delete;

private:
    HDC dc_;
};

}  // namespace

void CanvasDC::Fill(COLORREF colour) const {
    const DeviceUnits units(dc_);
    const RECT all{0, 0, kCanvasWidth, kCanvasHeight};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

std::vector<COLORREF> CanvasDC::Pixels() const {
    const DeviceUnits units(dc_);
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(kCanvasWidth) * kCanvasHeight);
    for (int y = 0; y < kCanvasHeight; ++y) {
        for (int x = 0; x < kCanvasWidth; ++x) pixels.push_back(GetPixel(dc_, x, y));
    }
    return pixels;
}

SurfaceLibrary::SurfaceLibrary() {
    surface_ = static_cast<ZDrawSp*>(loader_.CreateComponent("ZDrawSp.DLL", "ZDrawSp", 100));
}

SurfaceLibrary::~SurfaceLibrary() {
    if (surface_ != nullptr) surface_->Release();
    loader_.UnloadAll(0);
}

std::vector<DrawObject*> SurfaceLibrary::MakeObjects(const std::vector<PageFigure>& figures) const {
    std::vector<DrawObject*> objects;
    for (const PageFigure& f : figures) {
        DrawObject* object = surface_->CreateObject();
        if (object == nullptr) continue;
        object->SetAttributes(f.colour, f.penStyle, f.penWidth, f.fillColour, f.fillOn, f.fontHeight);
        object->SetKind(f.kind);
        for (const POINT& p : f.points) object->AddPoint(p.x, p.y);
        if (!f.text.empty()) object->SetText(f.text.c_str());
        objects.push_back(object);
    }
    return objects;
}

void ReleaseAll(std::vector<DrawObject*>& objects) {
    for (DrawObject* object : objects) object->Release();
    objects.clear();
}

void PaintPageBackground(ZDrawSp* surface) {
    PaintSheet(surface);
    PaintRuling(surface);
}

void PaintSheet(ZDrawSp* surface) {
    surface->SetAttributes(kSheetFrameColour, PS_SOLID, 0, kSheetColour, 1, 12);
    surface->DrawRectangle(0, 0, kPageWidth, kPageBottom, kModeKeepRop);
}

void PaintRuling(ZDrawSp* surface) {
    surface->SetAttributes(kRuleColour, PS_SOLID, 0, 0, 0, 12);
    ForEachRule([surface](int x1, int y1, int x2, int y2) { surface->DrawLine(x1, y1, x2, y2, kModeKeepRop); });
    surface->SetAttributes(kMarginColour, PS_SOLID, 0, 0, 0, 12);
    surface->DrawLine(kMarginX, 0, kMarginX, kPageBottom, kModeKeepRop);
}
