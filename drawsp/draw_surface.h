// The drawing surface: a borrowed device context, the current drawing
// settings, and primitives that each create their pen and brush from those
// settings, draw once and delete them again, so no GDI object outlives a
// call. It also makes the DrawObjects (as their outer) and matrices.
#ifndef TARNWICK_DRAWSP_DRAW_SURFACE_H
#define TARNWICK_DRAWSP_DRAW_SURFACE_H

#include "component.h"
#include "matrix3d.h"
#include "windows.h"
#include "zdrawsp.h"

class DrawSurface final : public ComponentObject<DrawSurface, ZDrawSp> {
public:
    explicit DrawSurface(ComponentInterface* outer) : ComponentObject(outer) {}

    HDC SetDC(HDC dc) override;
    void DrawEllipse(int cx, int cy, int rx, int ry, int mode) override;
    void DrawLine(int x1, int y1, int x2, int y2, int mode) override;
    void DrawRegularPolygon(int cx, int cy, int x0, int y0, int n, int mode) override;
    void DrawPolygon(const int* xs, const int* ys, int count, int mode) override;
    void DrawRectangle(int x1, int y1, int x2, int y2, int mode) override;
    void SetAttributes(COLORREF colour, int penStyle, int penWidth, COLORREF fillColour,
                       int fillOn, int fontHeight) override;
    void DrawString(int x, int y, const char* text, int mode) override;
    DrawObject* CreateObject() override;
    ZMatrix3D* CreateMatrix() override;
    void DrawStringBox(int x, int y, const char* text, int mode) override;

private:
    friend class ComponentObject<DrawSurface, ZDrawSp>;
    ~DrawSurface() = default;

    // The frame of every primitive (draw_session.cpp): BeginDraw saves the
    // DC, selects a pen and brush made from the settings, sets the text
    // colour, transparent background and the mode's raster operation;
    // EndDraw puts the DC back exactly and deletes what BeginDraw made.
    void BeginDraw(int mode);
    void EndDraw();

    // The text font: character height fontHeight, face "Arial". The caller
    // selects it back out and deletes it.
    HFONT CreateTextFont() const;
    // Runs `draw` inside BeginDraw/EndDraw with the text font selected and
    // baseline-left alignment; used only by the two text primitives.
    template <class Draw>
    void DrawInTextFont(int mode, Draw draw);

    HDC dc_ = nullptr;
    COLORREF colour_ = 0;
    int penStyle_ = 0;
    int penWidth_ = 0;
    COLORREF fillColour_ = 0;
    int fillOn_ = 0;
    int fontHeight_ = 8;

    // Scratch matrices of DrawRegularPolygon; never handed out.
    Matrix3D rotationAboutCentre_{nullptr};
    Matrix3D step_{nullptr};

    // The draw in progress.
    int savedDC_ = 0;
    HPEN pen_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    HGDIOBJ brush_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
};

#endif
