// The state machine shared by the line, rectangle and ellipse tools: a first
// left click anchors the shape, the feedback follows the pointer, a second
// left click completes it. Right clicks are ignored in every state.
//
// A tool of this family is described by a TwoPointFamily. The two points of
// the figure are worked out in one place (FigurePoints), and both the
// feedback call and the finished object take them from there, so what the
// user sees while dragging is always what the object will hold.
#ifndef TARNWICK_DRAWTOOLS_TWO_POINT_TOOL_H
#define TARNWICK_DRAWTOOLS_TWO_POINT_TOOL_H

#include "saturated_int.h"
#include "tool_base.h"

struct TwoPointFamily {
    const char* name;
    // The surface primitive that draws the figure from its two points.
    void (ZDrawSp::*drawFigure)(int, int, int, int, int);
    int kind;
    // The second point is kept as the offset from the first (an ellipse's
    // signed radii) rather than as the pointer position.
    bool secondIsOffset;
};

struct FigurePoints {
    int ax, ay, bx, by;
};

// An offset beyond the range of int saturates rather than overflowing.
inline int SaturatedOffset(int from, int to) { return SaturatedInt(static_cast<long long>(to) - from); }

inline FigurePoints FigureOf(const TwoPointFamily& family, int x0, int y0, int x1, int y1) {
    if (family.secondIsOffset) return {x0, y0, SaturatedOffset(x0, x1), SaturatedOffset(y0, y1)};
    return {x0, y0, x1, y1};
}

// Derived supplies `static const TwoPointFamily kFamily` and may hide
// ObjectKind when its kind depends on more than the family.
template <class Derived>
class TwoPointTool : public ToolBase<Derived> {
public:
    const char* GetName() override { return Derived::kFamily.name; }

    void Click(int x, int y, int rightButton) override {
        if (this->Surface() == nullptr || rightButton != 0) return;
        if (pointCount_ < 1) {
            x0_ = x1_ = x;
            y0_ = y1_ = y;
            pointCount_ = 1;
            return;
        }
        x1_ = x;
        y1_ = y;
        ++pointCount_;
        Finish();
    }

    void MouseMove(int x, int y) override {
        if (this->Surface() == nullptr || pointCount_ < 1) return;
        if (drawn_ == 1) DrawFeedback();
        x1_ = x;
        y1_ = y;
        drawn_ = 1;
        DrawFeedback();
    }

    void Redraw() override {
        if (this->Surface() == nullptr || pointCount_ < 1) return;
        drawn_ = 1;
        DrawFeedback();
    }

    // The feedback stays on the screen until the host repaints. Like every
    // other operation of this family it waits for a surface.
    int Reset() override {
        if (this->Surface() == nullptr) return 0;
        pointCount_ = 0;
        drawn_ = 0;
        return 0;
    }

    void Finish() override {
        ZDrawSp* surface = this->Surface();
        if (surface == nullptr || pointCount_ < 2) return;
        Reset();
        DrawObject* object = surface->CreateObject();
        if (object == nullptr) return;
        FigurePoints figure = Figure();
        object->AddPoint(figure.ax, figure.ay);
        object->AddPoint(figure.bx, figure.by);
        object->SetKind(static_cast<Derived*>(this)->ObjectKind());
        this->HandOver(object);
    }

    int ObjectKind() const { return Derived::kFamily.kind; }

protected:
    TwoPointTool() = default;
    ~TwoPointTool() = default;

private:
    FigurePoints Figure() const { return FigureOf(Derived::kFamily, x0_, y0_, x1_, y1_); }

    void DrawFeedback() {
        FigurePoints figure = Figure();
        (this->Surface()->*Derived::kFamily.drawFigure)(figure.ax, figure.ay, figure.bx, figure.by,
                                                        kModeInvert);
    }

    int x0_ = 0, y0_ = 0;
    // Follows the pointer while the shape is anchored.
    int x1_ = 0, y1_ = 0;
    // 0 idle, 1 anchored; 2 only for the moment before Finish.
    int pointCount_ = 0;
    int drawn_ = 0;
};

#endif
