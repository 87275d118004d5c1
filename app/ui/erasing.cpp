#include "erasing.h"

#include "application.h"
#include "figure_hit.h"
#include "tool_choice.h"

namespace {

bool erasing = false;

}  // namespace

void StartErasing(HWND mainWindow) {
    DropTool(mainWindow);
    erasing = true;
}

void StopErasing() { erasing = false; }

bool IsErasing() { return erasing; }

void EraseAtClick(HWND canvas, HDC dc, POINT device) {
    const long position = TopFigureAt(canvas, dc, device);
    if (position >= 0) TheApplication().EraseFigure(static_cast<std::size_t>(position));
}
