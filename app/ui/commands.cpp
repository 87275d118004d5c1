#include "commands.h"

#include <cstdio>

#include "application.h"
#include "canvas.h"
#include "dialog_commands.h"
#include "erasing.h"
#include "resource_ids.h"
#include "scrolling.h"
#include "tool_choice.h"

namespace {

void ScrollBy(int step) {
    Application& application = TheApplication();
    const int originY = OriginAfterScroll(application.originY, step);
    // At either end nothing changes and nothing is drawn again.
    if (originY == application.originY) return;
    application.originY = originY;
    InvalidateCanvas();
}

void ScrollDown(HWND) { ScrollBy(-kScrollStep); }
void ScrollUp(HWND) { ScrollBy(kScrollStep); }

void ShowPageIfChanged(HWND mainWindow, int changed) {
    if (changed) ShowPageNumber(mainWindow);
}

void NextPage(HWND mainWindow) { ShowPageIfChanged(mainWindow, TheApplication().NextPage()); }
void PreviousPage(HWND mainWindow) {
    ShowPageIfChanged(mainWindow, TheApplication().PreviousPage());
}

// Deleting asks first; only Yes goes on.
bool UserAgrees(HWND mainWindow, const char* question) {
    return MessageBoxA(mainWindow, question, "Warning", MB_YESNO | MB_ICONERROR) == IDYES;
}

void DeleteCurrentPage(HWND mainWindow) {
    if (!UserAgrees(mainWindow, "Do you want to delete current page?")) return;
    Application& application = TheApplication();
    application.DeletePage(application.currentPage);
}

void DeleteTemporaryLines(HWND mainWindow) {
    if (!UserAgrees(mainWindow, "Do you want to delete all temporary lines?")) return;
    Application& application = TheApplication();
    application.DeleteTemporaryObjects(application.currentPage);
}

// A shape under way is no change yet: the first Ctrl+Z drops it, as Esc
// would, and leaves the tool current. Undo and redo show the page they
// change first.
void UndoChange(HWND mainWindow) {
    Application& application = TheApplication();
    if (HasShapeUnderWay(application.currentTool)) {
        DropShapeUnderWay(application.currentTool);
        return;
    }
    ShowPageIfChanged(mainWindow, application.Undo());
}

void RedoChange(HWND mainWindow) { ShowPageIfChanged(mainWindow, TheApplication().Redo()); }

// Any notification code.
constexpr int kAnyNotification = -1;

struct Command {
    WORD id;
    int notification;  // the only code the command answers, or kAnyNotification
    void (*run)(HWND mainWindow);
};

const Command kCommands[] = {
    {IDC_TOOL, CBN_SELCHANGE, ApplyToolChoice},  // the user picked a tool
    {IDC_PRINT, kAnyNotification, PrintCurrentPage},
    {IDC_EXIT, kAnyNotification, CloseMainWindow},
    {IDC_GOTO_PAGE, kAnyNotification, GoToChosenPage},  // "..." and Ctrl+G
    {ID_NEXT_PAGE, kAnyNotification, NextPage},          // Page Down
    {ID_PREVIOUS_PAGE, kAnyNotification, PreviousPage},  // Page Up
    {ID_DELETE_PAGE, kAnyNotification, DeleteCurrentPage},  // Ctrl+Delete
    {ID_SCROLL_DOWN, kAnyNotification, ScrollDown},      // End
    {ID_SCROLL_UP, kAnyNotification, ScrollUp},          // Home
    {ID_NO_TOOL, kAnyNotification, DropTool},            // Esc
    {ID_ENTER_TEXT, kAnyNotification, TakeTextTool},     // T
    {ID_HELP, kAnyNotification, ShowHelp},               // "&Help" and F1
    {ID_DELETE_TEMPORARY, kAnyNotification, DeleteTemporaryLines},  // Delete
    {ID_UNDO, kAnyNotification, UndoChange},             // Ctrl+Z
    {ID_REDO, kAnyNotification, RedoChange},             // Ctrl+Y, Ctrl+Shift+Z
    {ID_ERASE, kAnyNotification, StartErasing},          // E
};

}  // namespace

void RunCommand(HWND mainWindow, WORD id, WORD notification) {
    if (RunToolCommand(mainWindow, id)) return;  // Ctrl+1 to Ctrl+5
    for (const Command& command : kCommands) {
        if (command.id != id) continue;
        if (command.notification == kAnyNotification || command.notification == notification) {
            command.run(mainWindow);
        }
        return;
    }
}

void CloseMainWindow(HWND mainWindow) {
    EndDialog(mainWindow, 0);
    PostQuitMessage(0);
}

void ShowPageNumber(HWND mainWindow) {
    char number[16];
    std::snprintf(number, sizeof(number), "%d", TheApplication().currentPage);
    SetDlgItemTextA(mainWindow, IDC_PAGE_NUMBER, number);
}
