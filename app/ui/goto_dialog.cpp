#include <cctype>
#include <climits>

#include "application.h"
#include "modal_dialogs.h"
#include "resource_ids.h"

namespace {

// At most 11 characters and the terminating NUL: "-2147483648" fits.
constexpr int kNumberBytes = 12;

}  // namespace

int ParsePageNumber(const char* text) {
    const unsigned char* at = reinterpret_cast<const unsigned char*>(text);
    while (std::isspace(*at)) ++at;
    const bool negative = *at == '-';
    if (*at == '-' || *at == '+') ++at;
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; std::isdigit(*at); ++at) {
        value = value * 10 + (*at - '0');
        if (value >= limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

INT_PTR GotoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK: {
            char number[kNumberBytes] = {};
            GetDlgItemTextA(dialog, IDC_GOTO_NUMBER, number, kNumberBytes);
            gotoPageNumber = ParsePageNumber(number);
            EndDialog(dialog, 1);
            break;
        }
        case IDCANCEL: EndDialog(dialog, 0); break;
    }
    return TRUE;
}
