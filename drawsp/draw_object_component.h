// A finished figure: it draws itself on the surface that made it and reads
// and writes itself as objData text. Its outer is that surface, so every
// reference on the object also keeps the surface (and its library) alive.
#ifndef TARNWICK_DRAWSP_DRAW_OBJECT_COMPONENT_H
#define TARNWICK_DRAWSP_DRAW_OBJECT_COMPONENT_H

#include "component.h"
#include "draw_object.h"
#include "figure.h"
#include "zdrawsp.h"

class DrawObjectComponent final : public ComponentObject<DrawObjectComponent, DrawObject> {
public:
    // The surface is the outer; the outer link holds its only reference.
    explicit DrawObjectComponent(ZDrawSp* surface) : ComponentObject(surface), surface_(surface) {}

    void AddPoint(int x, int y) override { figure_.AddPoint(x, y); }
    void ResetTag() override { figure_.tag = 0; }
    void Draw() override;
    void GetAttributes(COLORREF* colour, int* penStyle, int* penWidth, COLORREF* fillColour,
                       int* fillOn, int* fontHeight) override;
    int GetKind() override { return figure_.kind; }
    int Probe(int, int) override { return 0; }
    void SetAttributes(COLORREF colour, int penStyle, int penWidth, COLORREF fillColour,
                       int fillOn, int fontHeight) override;
    void SetKind(unsigned int kind) override;
    int Encode(char* buffer, int* length) override;
    void Decode(char* text) override;
    void SetText(const char* text) override { figure_.SetText(text); }

private:
    friend class ComponentObject<DrawObjectComponent, DrawObject>;
    ~DrawObjectComponent() = default;

    // Pushes the settings a figure of this kind draws with into the surface.
    void PushSettings();
    void DrawFigure();

    ZDrawSp* surface_;
    Figure figure_;
};

#endif
