#include "tool_factory.h"

#include <new>

#include "ellipse_tool.h"
#include "line_tool.h"
#include "polygon_tool.h"
#include "rectangle_tool.h"
#include "text_tool.h"
#include "tool_icons.h"

namespace {

template <class Tool>
DrawTool* MakeTool() {
    return new (std::nothrow) Tool();
}

typedef DrawTool* (*ToolMaker)();

// The host's Tool box and its text command count on this order.
const ToolMaker kToolMakers[kToolCount] = {
    MakeTool<LineTool>,       // 0
    MakeTool<RectangleTool>,  // 1
    MakeTool<EllipseTool>,    // 2
    MakeTool<TextTool>,       // 3
    MakeTool<PolygonTool>,    // 4
};

}  // namespace

// The list takes its own reference and the creation reference goes, so the
// list is the only owner of each tool. A tool that cannot be made is left
// out rather than listed as null.
void ToolFactory::CreateTools(ZLinklistCOM* list) {
    if (list == nullptr) return;
    for (ToolMaker make : kToolMakers) {
        DrawTool* tool = make();
        if (tool == nullptr) continue;
        list->AddTail(tool);
        tool->Release();
    }
}

void ToolFactory::KeepReference(ComponentInterface* component) {
    if (component != nullptr) component->AddRef();
    if (held_ != nullptr) held_->Release();
    held_ = component;
}

int ToolFactory::DrawToolIcon(int index, DRAWITEMSTRUCT* item) {
    if (item == nullptr) return 0;
    return DrawToolIconInto(item->hDC, item->rcItem, index);
}
