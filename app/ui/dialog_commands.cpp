// The commands that open a modal dialog owned by the main window, with the
// main window's instance and parameter 0.
#include "dialog_commands.h"

#include "application.h"
#include "commands.h"
#include "modal_dialogs.h"
#include "resource_ids.h"

namespace {

INT_PTR RunDialog(HWND mainWindow, int dialogId, DLGPROC procedure) {
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mainWindow, GWL_HINSTANCE));
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(dialogId), mainWindow, procedure, 0);
}

}  // namespace

// Only a confirmed number moves: a dialog that could not be made (-1) is
// no confirmation.
void GoToChosenPage(HWND mainWindow) {
    if (RunDialog(mainWindow, IDD_GOTO, GotoDialogProc) <= 0) return;
    TheApplication().GoToPage(gotoPageNumber);
    ShowPageNumber(mainWindow);
}

void ShowHelp(HWND mainWindow) { RunDialog(mainWindow, IDD_HELP, HelpDialogProc); }

bool AskForText(HWND mainWindow) { return RunDialog(mainWindow, IDD_TEXT, TextDialogProc) != -1; }
