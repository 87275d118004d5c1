// The rectangle tool: two clicks give opposite corners, kept as clicked.
#ifndef TARNWICK_DRAWTOOLS_RECTANGLE_TOOL_H
#define TARNWICK_DRAWTOOLS_RECTANGLE_TOOL_H

#include "two_point_tool.h"

class RectangleTool final : public TwoPointTool<RectangleTool> {
public:
    static const TwoPointFamily kFamily;

private:
    friend class ComponentObject<RectangleTool, DrawTool>;
    ~RectangleTool() = default;
};

#endif
