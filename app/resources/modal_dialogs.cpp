// The three small modal dialogs: text entry (107), go to page (108) and
// help (112). Each is centred, captioned and has no close box, so it closes
// only through its buttons.
#include "resource_ids.h"
#include "resource_parts.h"

namespace {

constexpr WORD kNoId = 0xFFFF;
constexpr DWORD kModal = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER | DS_SETFONT;
constexpr DWORD kVisible = WS_VISIBLE;
constexpr DWORD kLabel = kVisible | SS_LEFT | WS_GROUP;
constexpr DWORD kOneLine = kVisible | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kDefaultButton = kVisible | BS_DEFPUSHBUTTON | WS_TABSTOP;

const DialogItemResource kTextItems[] = {
    // class     text          id             style                               x    y   cx   cy
    {"STATIC", "Enter Text",   kNoId,         kLabel,                             7,   7,  211, 8},
    {"EDIT",   nullptr,        IDC_TEXT,      kOneLine,                           7,   18, 211, 13},
    {"BUTTON", "OK",           IDOK,          kDefaultButton,                     7,   41, 50,  14},
};

const DialogItemResource kGotoItems[] = {
    {"STATIC", "Page Number:", kNoId,         kLabel,                             7,   7,  46,  8},
    {"EDIT",   nullptr,        IDC_GOTO_NUMBER, kOneLine,                         7,   17, 98,  15},
    {"BUTTON", "OK",           IDOK,          kDefaultButton,                     129, 7,  50,  14},
    {"BUTTON", "Cancel",       IDCANCEL,      kVisible | BS_PUSHBUTTON | WS_TABSTOP, 129, 24, 50, 14},
};

// A fixed-pitch font, so that the help text's columns line up.
const DialogItemResource kHelpItems[] = {
    {"EDIT",   nullptr,        IDC_HELP_TEXT,
     kVisible | ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 7, 7, 231, 238},
    {"BUTTON", "OK",           IDC_HELP_OK,   kDefaultButton,                     188, 249, 50, 14},
};

}  // namespace

const DialogResource kTextDialog = {
    kModal, 0, 0, 226, 62, "Tarnwick v1.0", 8, "MS Sans Serif",
    kTextItems, sizeof(kTextItems) / sizeof(kTextItems[0]),
};

const DialogResource kGotoDialog = {
    kModal, 0, 0, 186, 55, "Goto", 8, "MS Sans Serif",
    kGotoItems, sizeof(kGotoItems) / sizeof(kGotoItems[0]),
};

const DialogResource kHelpDialog = {
    kModal, 0, 0, 245, 270, "Tarnwick v1.00", 8, "Courier",
    kHelpItems, sizeof(kHelpItems) / sizeof(kHelpItems[0]),
};
