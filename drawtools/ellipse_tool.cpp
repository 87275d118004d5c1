#include "ellipse_tool.h"

const TwoPointFamily EllipseTool::kFamily = {"Ellipse Tool", &ZDrawSp::DrawEllipse, kKindEllipse,
                                             true};
