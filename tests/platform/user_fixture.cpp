#include "user_fixture.h"

namespace {

const DialogItemResource kItems[] = {
    {"STATIC", "&Label", kLabelId, WS_VISIBLE | SS_LEFT, 4, 4, 40, 8},
    {"STATIC", nullptr, kPixelsId, WS_VISIBLE | SS_LEFT, 4, 40, 100, 50},
    {"BUTTON", "OK", kOkId, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 110, 4, 40, 14},
    {"BUTTON", "Cancel", kCancelId, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 110, 20, 40, 14},
    {"BUTTON", "&Print", kPrintId, WS_VISIBLE | BS_PUSHBUTTON, 110, 36, 40, 14},
    {"BUTTON", "Temp", kCheckId, WS_VISIBLE | BS_AUTOCHECKBOX, 110, 52, 40, 10},
    {"EDIT", nullptr, kEditId, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 4, 16, 100, 12},
    {"COMBOBOX", nullptr, kOwnerComboId, WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_VSCROLL,
     4, 28, 40, 60},
    {"COMBOBOX", nullptr, kTextComboId, WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, 50, 28, 40, 60},
};

const DialogResource kDialog = {WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 160, 100, "Test dialog", 8,
                                "MS Sans Serif", kItems, sizeof(kItems) / sizeof(kItems[0])};

const ACCEL kKeys[] = {
    {FVIRTKEY | FNOINVERT | FCONTROL, '1', kCommandOne},
    {FVIRTKEY | FNOINVERT, 'T', kCommandT},
    {FVIRTKEY | FNOINVERT, VK_END, kCommandEnd},
};
const AcceleratorResource kKeyTable = {kKeys, 3};

const char* const kCursorRows[] = {"...", ".x.", "..."};
const PictureResource kCursor = {3, 3, kCursorRows, nullptr, 1, 1};

const ResourceEntry kResources[] = {
    {RT_DIALOG, kDialogId, &kDialog},
    {RT_ACCELERATOR, kKeysId, &kKeyTable},
    {RT_CURSOR, kCursorId, &kCursor},
};

}  // namespace

std::vector<Seen> UserTest::seen;
std::vector<ItemDrawn> UserTest::drawn;

INT_PTR UserTest::RecordingProc(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    seen.push_back({message, wParam, lParam});
    if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        drawn.push_back({*item});
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(item->itemData));
        FillRect(item->hDC, &item->rcItem, brush);
        DeleteObject(brush);
        return TRUE;
    }
    return message == WM_INITDIALOG || message == WM_COMMAND;
}

void UserTest::SetUp() {
    seen.clear();
    drawn.clear();
    ASSERT_TRUE(RegisterModuleResources(GetModuleHandleA(nullptr), kResources, 3));
    gdiBefore_ = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    userBefore_ = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDialogId), nullptr,
                                RecordingProc, 77);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    TestProcessEvents();
}

void UserTest::TearDown() {
    SetModalAnswerHook(nullptr, nullptr);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    TestProcessEvents();
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore_);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore_);
}

std::vector<Seen> UserTest::SeenOf(UINT message) const {
    std::vector<Seen> matching;
    for (const Seen& one : seen) {
        if (one.message == message) matching.push_back(one);
    }
    return matching;
}

std::vector<WORD> UserTest::CommandsSeen() const {
    std::vector<WORD> ids;
    for (const Seen& one : SeenOf(WM_COMMAND)) ids.push_back(LOWORD(one.wParam));
    return ids;
}

void UserTest::RunLoop(HACCEL keys) {
    PostQuitMessage(0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) == 1) {
        if (keys && TranslateAcceleratorA(dialog, keys, &message)) continue;
        if (IsDialogMessageA(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
