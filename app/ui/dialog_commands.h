// The commands that show a window of their own: printing (the page setup
// dialog), going to a page, help, and asking for the text of the text tool.
#ifndef TARNWICK_APP_UI_DIALOG_COMMANDS_H
#define TARNWICK_APP_UI_DIALOG_COMMANDS_H

#include "windows.h"

void PrintCurrentPage(HWND mainWindow);  // "&Print"
void GoToChosenPage(HWND mainWindow);    // "..." and Ctrl+G
void ShowHelp(HWND mainWindow);          // "&Help" and F1

// Asks for the text the text tool places next and leaves it in
// enteredText. false when the dialog could not be shown, so the tool keeps
// the text it had.
bool AskForText(HWND mainWindow);

#endif
