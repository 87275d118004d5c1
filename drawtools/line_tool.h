// The line tool: two clicks make a line, or a temporary line while the
// host's temporary switch is on at the second click.
#ifndef TARNWICK_DRAWTOOLS_LINE_TOOL_H
#define TARNWICK_DRAWTOOLS_LINE_TOOL_H

#include "two_point_tool.h"

class LineTool final : public TwoPointTool<LineTool> {
public:
    static const TwoPointFamily kFamily;

    void SetTemporary(int flag) override { temporary_ = flag != 0 ? 1 : 0; }
    int ObjectKind() const;

private:
    friend class ComponentObject<LineTool, DrawTool>;
    ~LineTool() = default;

    int temporary_ = 0;
};

#endif
