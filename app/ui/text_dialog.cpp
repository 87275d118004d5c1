#include "application.h"
#include "modal_dialogs.h"
#include "resource_ids.h"

namespace {

// At most 511 bytes and the terminating NUL; the port layer never cuts a
// UTF-8 character in half.
constexpr int kTextBytes = 512;

}  // namespace

INT_PTR TextDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) return FALSE;
    if (LOWORD(wParam) != IDOK) return TRUE;
    // Without room for the text the last one is kept.
    if (enteredText.Reserve(kTextBytes)) GetDlgItemTextA(dialog, IDC_TEXT, enteredText.GetBuffer(), kTextBytes);
    EndDialog(dialog, 0);
    return TRUE;
}
