#include "line_tool.h"

const TwoPointFamily LineTool::kFamily = {"Line Tool", &ZDrawSp::DrawLine, kKindLine, false};

// Read when the line is finished, so only the switch's state at the second
// click counts.
int LineTool::ObjectKind() const { return temporary_ == 1 ? kKindTemporaryLine : kKindLine; }
