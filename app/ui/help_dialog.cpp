#include "modal_dialogs.h"
#include "resource_ids.h"
#include "resource_parts.h"

INT_PTR HelpDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            SetDlgItemTextA(dialog, IDC_HELP_TEXT, kHelpText);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_HELP_OK) EndDialog(dialog, 0);
            return TRUE;
        default: return FALSE;
    }
}
