#include "rectangle_tool.h"

// The name's spelling is what the host looks for in its Tool box.
const TwoPointFamily RectangleTool::kFamily = {"Retangle Tool", &ZDrawSp::DrawRectangle,
                                               kKindRectangle, false};
