#include "surface_page.h"

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
