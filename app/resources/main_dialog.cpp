// Dialog 101, the main window: a one-row toolbar across the top and the
// canvas below it, which the window stretches over the rest of its client
// area whenever it is sized. Every control is a visible child without a tab
// stop, so the keyboard belongs to the key table.
#include "resource_ids.h"
#include "resource_parts.h"

namespace {

constexpr WORD kNoId = 0xFFFF;
constexpr DWORD kVisible = WS_VISIBLE;
constexpr DWORD kLabel = kVisible | SS_LEFT | WS_GROUP;
// The width, colour, style, fill and tool boxes draw their own items.
constexpr DWORD kPictureBox = kVisible | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_VSCROLL;
constexpr DWORD kTextBox = kVisible | CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL;
constexpr DWORD kButton = kVisible | BS_PUSHBUTTON;

const DialogItemResource kItems[] = {
    // class       text      id                 style                               x    y   cx  cy
    {"STATIC",   "Line",   kNoId,             kLabel,                             9,   4,  14, 8},
    {"COMBOBOX", nullptr,  IDC_LINE_WIDTH,    kPictureBox,                        26,  2,  37, 60},
    {"COMBOBOX", nullptr,  IDC_LINE_COLOUR,   kPictureBox,                        65,  2,  37, 60},
    {"COMBOBOX", nullptr,  IDC_LINE_STYLE,    kPictureBox,                        104, 2,  37, 60},
    {"BUTTON",   "Temp",   IDC_TEMPORARY,     kVisible | BS_AUTOCHECKBOX,         143, 4,  34, 10},
    {"STATIC",   "Fill",   kNoId,             kLabel,                             185, 5,  9,  8},
    {"COMBOBOX", nullptr,  IDC_FILL_COLOUR,   kPictureBox,                        197, 2,  37, 60},
    {"STATIC",   "Tool",   kNoId,             kLabel,                             241, 5,  15, 8},
    {"COMBOBOX", nullptr,  IDC_TOOL,          kPictureBox,                        257, 2,  47, 60},
    {"STATIC",   "Font",   kNoId,             kLabel,                             311, 5,  15, 8},
    {"COMBOBOX", nullptr,  IDC_FONT_SIZE,     kTextBox,                           328, 2,  31, 60},
    {"STATIC",   "Page",   kNoId,             kLabel,                             366, 4,  18, 8},
    {"EDIT",     nullptr,  IDC_PAGE_NUMBER,
     kVisible | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL | ES_CENTER,                 384, 2,  28, 13},
    {"BUTTON",   "...",    IDC_GOTO_PAGE,     kButton,                            412, 2,  13, 13},
    {"BUTTON",   "&Print", IDC_PRINT,         kButton,                            431, 2,  25, 13},
    {"BUTTON",   "&Help",  ID_HELP,           kButton,                            459, 2,  25, 13},
    {"BUTTON",   "&Exit",  IDC_EXIT,          kButton,                            486, 2,  25, 13},
    // The canvas: placed for real at every WM_SIZE.
    {"STATIC",   nullptr,  IDC_CANVAS,        kLabel,                             2,   19, 70, 13},
};

}  // namespace

const DialogResource kMainDialog = {
    WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | DS_SETFONT,
    0, 0, 518, 42,
    "Tarnwick v1.00",
    8, "MS Sans Serif",
    kItems, sizeof(kItems) / sizeof(kItems[0]),
};
