// ZDrawSp: the drawing surface. It wraps a borrowed device context and the
// current drawing settings, draws primitives, and makes DrawObjects and
// matrices. `mode` selects the raster operation for one call: 0 or less keeps
// the DC's, 1 XOR pen, 2 invert, other positive values plain copy.
#ifndef TARNWICK_INTERFACES_ZDRAWSP_H
#define TARNWICK_INTERFACES_ZDRAWSP_H

#include "component_interface.h"
#include "draw_object.h"
#include "windows.h"
#include "zmatrix3d.h"

enum DrawingMode {
    kModeKeepRop = 0,
    kModeXor = 1,
    kModeInvert = 2,
    kModeCopy = 3,
};

class ZDrawSp : public ComponentInterface {
public:
    virtual HDC SetDC(HDC dc) = 0;                                               // slot 2
    virtual void DrawEllipse(int cx, int cy, int rx, int ry, int mode) = 0;      // slot 3
    virtual void DrawLine(int x1, int y1, int x2, int y2, int mode) = 0;         // slot 4
    virtual void DrawRegularPolygon(int cx, int cy, int x0, int y0, int n,
                                    int mode) = 0;                               // slot 5
    virtual void DrawPolygon(const int* xs, const int* ys, int count,
                             int mode) = 0;                                      // slot 6
    virtual void DrawRectangle(int x1, int y1, int x2, int y2, int mode) = 0;    // slot 7
    virtual void SetAttributes(COLORREF colour, int penStyle, int penWidth,
                               COLORREF fillColour, int fillOn,
                               int fontHeight) = 0;                              // slot 8
    virtual void DrawString(int x, int y, const char* text, int mode) = 0;       // slot 9
    virtual DrawObject* CreateObject() = 0;                                      // slot 10
    virtual ZMatrix3D* CreateMatrix() = 0;                                       // slot 11
    virtual void DrawStringBox(int x, int y, const char* text, int mode) = 0;    // slot 12
};

#endif
