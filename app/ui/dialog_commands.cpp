// The dialogs and the printing are not built yet: until they are, these
// commands do nothing, and the text tool places the last text it was given.
#include "dialog_commands.h"

void PrintCurrentPage(HWND) {}

void GoToChosenPage(HWND) {}

void ShowHelp(HWND) {}

bool AskForText(HWND) { return false; }
