#include "polygon_tool.h"

#include "point_pairs.h"

PolygonTool::PolygonTool() = default;

void PolygonTool::Click(int x, int y, int rightButton) {
    if (Surface() == nullptr) return;
    if (rightButton != 0) {
        Finish();  // the right-click position is never a vertex
        return;
    }
    if (vertexCount_ < 1) {
        Start(x, y);
    } else {
        AddVertex(x, y);
    }
}

// The first vertex and the moving point, both at the click; nothing is drawn
// until the pointer moves.
void PolygonTool::Start(int x, int y) {
    if (!AppendPair(xs_, ys_, x, y)) return;
    if (!AppendPair(xs_, ys_, x, y)) {
        Reset();
        return;
    }
    vertexCount_ = 1;
}

// The moving point becomes a vertex at the click and a new moving point
// starts there. The new entry is appended first: if the arrays cannot grow,
// the click is dropped with the polygon and the screen as they were.
void PolygonTool::AddVertex(int x, int y) {
    if (!AppendPair(xs_, ys_, x, y)) return;
    if (vertexCount_ == 1 && drawn_ == 1) {
        // From here on the feedback is a polygon: take the line away, and
        // note that nothing is on the screen, so the next move does not
        // "erase" a polygon that was never drawn.
        DrawFeedback();
        drawn_ = 0;
    }
    SetPair(xs_, ys_, vertexCount_, x, y);
    ++vertexCount_;
}

void PolygonTool::MouseMove(int x, int y) {
    if (Surface() == nullptr || vertexCount_ < 1) return;
    if (drawn_ == 1) DrawFeedback();
    SetPair(xs_, ys_, vertexCount_, x, y);
    drawn_ = 1;
    DrawFeedback();
}

void PolygonTool::Redraw() {
    if (Surface() == nullptr || vertexCount_ < 1) return;
    drawn_ = 1;
    DrawFeedback();
}

int PolygonTool::Reset() {
    drawn_ = 0;
    vertexCount_ = 0;
    xs_.Resize(0);
    ys_.Resize(0);
    return 0;
}

// Too few vertices, or no object from the surface: the polygon stays open.
void PolygonTool::Finish() {
    ZDrawSp* surface = Surface();
    if (surface == nullptr || vertexCount_ < 3) return;
    DrawObject* object = surface->CreateObject();
    if (object == nullptr) return;
    for (int index = 0; index < vertexCount_; ++index) {
        object->AddPoint(ValueAt(xs_, index), ValueAt(ys_, index));
    }
    object->SetKind(kKindPolygon);
    HandOver(object);
    Reset();
}

void PolygonTool::DrawFeedback() {
    if (vertexCount_ < 2) {
        Surface()->DrawLine(ValueAt(xs_, 0), ValueAt(ys_, 0), ValueAt(xs_, 1), ValueAt(ys_, 1),
                            kModeInvert);
        return;
    }
    Surface()->DrawPolygon(static_cast<const int*>(xs_.GetData()),
                           static_cast<const int*>(ys_.GetData()), xs_.GetCount(), kModeInvert);
}
