// The page drawn the program's way: DrawObjects made by the surface of the
// built ZDrawSp.DLL (loaded through the loader, as the program does) drawn
// into a 1920 x 1080 memory DC set up with the canvas mapping.
#ifndef TARNWICK_BENCH_DRAWSP_SURFACE_PAGE_H
#define TARNWICK_BENCH_DRAWSP_SURFACE_PAGE_H

#include <string>
#include <vector>

#include "component_loader.h"
#include "draw_object.h"
#include "page_figures.h"
#include "zdrawsp.h"

class CanvasDC {
public:
    CanvasDC();
    ~CanvasDC();
    CanvasDC(const CanvasDC&) = delete;
    CanvasDC& operator=(const CanvasDC&) = delete;

    HDC dc() const { return dc_; }

    // Fills every pixel, whatever the mapping.
    void Fill(COLORREF colour) const;
    // Every pixel, row by row from the top, read back through the DC.
    std::vector<COLORREF> Pixels() const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};

class SurfaceLibrary {
public:
    SurfaceLibrary();
    ~SurfaceLibrary();
    SurfaceLibrary(const SurfaceLibrary&) = delete;
    SurfaceLibrary& operator=(const SurfaceLibrary&) = delete;

    ZDrawSp* surface() const { return surface_; }

    // The figures as objects of the surface; the caller releases them.
    std::vector<DrawObject*> MakeObjects(const std::vector<PageFigure>& figures) const;

private:
    ComponentLoader loader_;
    ZDrawSp* surface_ = nullptr;
};

void ReleaseAll(std::vector<DrawObject*>& objects);

// What the canvas paints under the objects: the sheet, 122 ruling lines and
// the margin line, each through the surface with mode 0.
void PaintPageBackground(ZDrawSp* surface);
// Its two parts, to tell where the time goes.
void PaintSheet(ZDrawSp* surface);
void PaintRuling(ZDrawSp* surface);

#endif
