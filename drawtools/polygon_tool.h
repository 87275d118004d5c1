// The polygon tool: each left click fixes a vertex, the feedback follows the
// pointer, a right click completes the polygon once it has three vertices.
//
// While a polygon is open both arrays hold every fixed vertex followed by the
// moving point (vertexCount + 1 entries); while idle both are empty.
#ifndef TARNWICK_DRAWTOOLS_POLYGON_TOOL_H
#define TARNWICK_DRAWTOOLS_POLYGON_TOOL_H

#include "element_array.h"
#include "tool_base.h"

class PolygonTool final : public ToolBase<PolygonTool> {
public:
    PolygonTool();

    const char* GetName() override { return "Polygon Tool"; }
    void Finish() override;
    void MouseMove(int x, int y) override;
    void Click(int x, int y, int rightButton) override;
    void Redraw() override;
    int Reset() override;

private:
    friend class ComponentObject<PolygonTool, DrawTool>;
    ~PolygonTool() = default;

    void Start(int x, int y);
    void AddVertex(int x, int y);
    // A line from the first vertex to the pointer until two vertices are
    // fixed, then the closed polygon through the vertices and the pointer.
    void DrawFeedback();

    ElementArray xs_{sizeof(int)};
    ElementArray ys_{sizeof(int)};
    int vertexCount_ = 0;
    int drawn_ = 0;
};

#endif
