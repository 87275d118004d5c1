// The ellipse tool: the first click is the centre, the pointer a corner of
// the bounding box; the object keeps the centre and the signed radii.
#ifndef TARNWICK_DRAWTOOLS_ELLIPSE_TOOL_H
#define TARNWICK_DRAWTOOLS_ELLIPSE_TOOL_H

#include "two_point_tool.h"

class EllipseTool final : public TwoPointTool<EllipseTool> {
public:
    static const TwoPointFamily kFamily;

private:
    friend class ComponentObject<EllipseTool, DrawTool>;
    ~EllipseTool() = default;
};

#endif
