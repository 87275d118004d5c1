#include "tool_choice.h"

#include <cstring>

#include "application.h"
#include "canvas.h"
#include "dialog_commands.h"
#include "resource_ids.h"

namespace {

constexpr int kNoToolEntry = 0;
constexpr int kTextToolEntry = 4;
constexpr const char kTextToolName[] = "Text Tool";

void SetToolEntry(HWND mainWindow, int entry) {
    SendDlgItemMessageA(mainWindow, IDC_TOOL, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

bool IsTextTool(DrawTool* tool) {
    const char* name = tool->GetName();
    return name != nullptr && std::strcmp(name, kTextToolName) == 0;
}

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

void ApplyToolChoice(HWND mainWindow) {
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

void ChooseToolEntry(HWND mainWindow, int entry) {
    SetToolEntry(mainWindow, entry);
    ApplyToolChoice(mainWindow);
}

// The canvas is drawn again even with no tool current.
void DropTool(HWND mainWindow) {
    SetToolEntry(mainWindow, kNoToolEntry);
    Application& application = TheApplication();
    if (application.currentTool != nullptr) {
        application.currentTool->Reset();
        application.currentTool = nullptr;
    }
    InvalidateCanvas();
}

// Another tool's shape under way is given up, since the text tool takes
// over its place on the screen.
void TakeTextTool(HWND mainWindow) {
    Application& application = TheApplication();
    if (application.currentTool != nullptr && !IsTextTool(application.currentTool)) {
        application.currentTool->Reset();
        InvalidateCanvas();
    }
    SetToolEntry(mainWindow, kTextToolEntry);
    application.SelectTool(kTextToolEntry - 1);
    if (!AskForText(mainWindow) || application.currentTool == nullptr) return;
    const char* text = enteredText.GetBuffer();
    application.currentTool->SetText(text != nullptr ? text : "");
}
