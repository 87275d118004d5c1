// Every drawing primitive of the surface once, with small figures that fit
// a 40 x 30 canvas, so a test can run the same check over all of them.
#ifndef TARNWICK_TESTS_DRAWSP_PRIMITIVE_TABLE_H
#define TARNWICK_TESTS_DRAWSP_PRIMITIVE_TABLE_H

#include "zdrawsp.h"

struct Primitive {
    const char* name;
    void (*draw)(ZDrawSp* surface, int mode);
};

inline const int kPolygonXs[] = {5, 30, 22, 8};
inline const int kPolygonYs[] = {4, 8, 26, 20};

inline const Primitive kPrimitives[] = {
    {"line", [](ZDrawSp* s, int mode) { s->DrawLine(3, 4, 35, 25, mode); }},
    {"steep line", [](ZDrawSp* s, int mode) { s->DrawLine(20, 2, 22, 28, mode); }},
    {"rectangle", [](ZDrawSp* s, int mode) { s->DrawRectangle(4, 5, 30, 24, mode); }},
    {"ellipse", [](ZDrawSp* s, int mode) { s->DrawEllipse(20, 15, 14, 9, mode); }},
    {"ellipse with negative radii", [](ZDrawSp* s, int mode) { s->DrawEllipse(20, 15, -10, -6, mode); }},
    {"polygon", [](ZDrawSp* s, int mode) { s->DrawPolygon(kPolygonXs, kPolygonYs, 4, mode); }},
    {"regular polygon", [](ZDrawSp* s, int mode) { s->DrawRegularPolygon(20, 15, 32, 15, 6, mode); }},
    {"text", [](ZDrawSp* s, int mode) { s->DrawString(3, 22, "Ab", mode); }},
    {"text box", [](ZDrawSp* s, int mode) { s->DrawStringBox(3, 22, "Ab", mode); }},
};

#endif
