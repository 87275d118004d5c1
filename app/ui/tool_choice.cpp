#include "tool_choice.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

#include "application.h"
#include "canvas.h"
#include "dialog_commands.h"
#include "erasing.h"
#include "resource_ids.h"
#include "toolbar_values.h"

namespace {

// The keys that choose a tool, each with its Tool box entry, in the order
// of the tool list.
struct ToolEntry {
    WORD command;
    int entry;
};

constexpr ToolEntry kToolEntries[] = {
    {ID_LINE_TOOL, 1},       // Ctrl+1
    {ID_RECTANGLE_TOOL, 2},  // Ctrl+2
    {ID_ELLIPSE_TOOL, 3},    // Ctrl+3
    {ID_TEXT_TOOL, 4},       // Ctrl+4: the text tool without asking for text
    {ID_POLYGON_TOOL, 5},    // Ctrl+5
};
static_assert(std::size(kToolEntries) == kFactoryToolCount, "one key per tool the factory makes");
static_assert(std::size(kToolEntries) + 1 == kToolEntryCount, "the Tool box has the tools after its blank entry");

constexpr int EntryOfCommand(WORD command) {
    for (const ToolEntry& tool : kToolEntries) {
        if (tool.command == command) return tool.entry;
    }
    return 0;
}

constexpr int kNoToolEntry = 0;
constexpr int kTextToolEntry = EntryOfCommand(ID_TEXT_TOOL);
constexpr const char kTextToolName[] = "Text Tool";

void SetToolEntry(HWND mainWindow, int entry) {
    SendDlgItemMessageA(mainWindow, IDC_TOOL, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

void ChooseToolEntry(HWND mainWindow, int entry) {
    SetToolEntry(mainWindow, entry);
    ApplyToolChoice(mainWindow);
}

bool IsTextTool(DrawTool* tool) {
    const char* name = tool->GetName();
    return name != nullptr && std::strcmp(name, kTextToolName) == 0;
}

// The tools with a shape under way; there are never more tools than this.
std::array<DrawTool*, 2 * kFactoryToolCount> shapesUnderWay{};

}  // namespace

// A list shorter than the position gives its last tool; an empty list
// leaves the current tool as it was. No repaint: the new tool shows its
// shape under way from the next mouse event on.
void Application::SelectTool(int position) {
    if (toolList == nullptr) return;
    DrawTool* met = nullptr;
    int steps = 0;
    for (auto* tool = static_cast<DrawTool*>(toolList->First()); tool != nullptr && steps <= position;
         tool = static_cast<DrawTool*>(toolList->Next()), ++steps) {
        met = tool;
    }
    if (met != nullptr) currentTool = met;
}

// Any pick in the Tool box, its blank entry too, ends erasing.
void ApplyToolChoice(HWND mainWindow) {
    StopErasing();
    Application& application = TheApplication();
    const LRESULT entry = SendDlgItemMessageA(mainWindow, IDC_TOOL, CB_GETCURSEL, 0, 0);
    if (entry > kNoToolEntry) {
        application.SelectTool(static_cast<int>(entry) - 1);
        return;
    }
    if (application.currentTool == nullptr) return;
    application.currentTool = nullptr;
    InvalidateCanvas();
}

bool RunToolCommand(HWND mainWindow, WORD id) {
    const int entry = EntryOfCommand(id);
    if (entry == 0) return false;
    ChooseToolEntry(mainWindow, entry);
    return true;
}

// The canvas is drawn again even with no tool current.
void DropTool(HWND mainWindow) {
    StopErasing();
    SetToolEntry(mainWindow, kNoToolEntry);
    Application& application = TheApplication();
    if (application.currentTool != nullptr) {
        DropShapeUnderWay(application.currentTool);
        application.currentTool = nullptr;
    }
    InvalidateCanvas();
}

// Another tool's shape under way is given up, since the text tool takes
// over its place on the screen.
void TakeTextTool(HWND mainWindow) {
    StopErasing();
    Application& application = TheApplication();
    if (application.currentTool != nullptr && !IsTextTool(application.currentTool)) {
        DropShapeUnderWay(application.currentTool);
    }
    SetToolEntry(mainWindow, kTextToolEntry);
    application.SelectTool(kTextToolEntry - 1);
    if (!AskForText(mainWindow) || application.currentTool == nullptr) return;
    const char* text = enteredText.GetBuffer();
    application.currentTool->SetText(text != nullptr ? text : "");
}

void NoteToolClick(DrawTool* tool, bool leftButton, bool finishedFigure) {
    auto place = std::find(shapesUnderWay.begin(), shapesUnderWay.end(), tool);
    if (finishedFigure) {
        if (place != shapesUnderWay.end()) *place = nullptr;
        return;
    }
    if (!leftButton || place != shapesUnderWay.end()) return;
    auto free = std::find(shapesUnderWay.begin(), shapesUnderWay.end(), nullptr);
    if (free != shapesUnderWay.end()) *free = tool;
}

bool HasShapeUnderWay(DrawTool* tool) {
    return tool != nullptr && std::find(shapesUnderWay.begin(), shapesUnderWay.end(), tool) != shapesUnderWay.end();
}

void DropShapeUnderWay(DrawTool* tool) {
    tool->Reset();
    NoteToolClick(tool, false, true);
    InvalidateCanvas();
}

void ForgetShapesUnderWay() { shapesUnderWay.fill(nullptr); }
