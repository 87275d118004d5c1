// Dialogs from templates: dialog units through the template's font, the
// controls a template makes, WM_INITDIALOG, texts both ways, and freeing.
#include "user_fixture.h"

#include <cstring>

namespace {

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    POINT topLeft{rect.left, rect.top};
    ScreenToClient(dialog, &topLeft);
    return RECT{topLeft.x, topLeft.y, topLeft.x + rect.right - rect.left, topLeft.y + rect.bottom - rect.top};
}

}  // namespace

// "MS Sans Serif" 8 is Liberation Sans of 11 pixels here, whose base units
// are 6 by 13 pixels, as on a 96-dpi Win32 screen.
TEST_F(UserTest, TemplatePositionsAreDialogUnitsOfTheTemplateFont) {
    RECT client;
    ASSERT_TRUE(GetClientRect(dialog, &client));
    EXPECT_EQ(client.right, 160 * 6 / 4);
    EXPECT_EQ(client.bottom, (100 * 13 + 4) / 8);
    RECT pixels = ClientRectOf(dialog, Item(kPixelsId));
    EXPECT_EQ(pixels.left, 6);                    // 4 units
    EXPECT_EQ(pixels.top, 65);                    // 40 units
    EXPECT_EQ(pixels.right - pixels.left, 150);   // 100 units
    EXPECT_EQ(pixels.bottom - pixels.top, 81);    // 50 units, rounded
}

TEST_F(UserTest, InitDialogComesWithTheParameterAndTheFirstTabStop) {
    std::vector<Seen> init = SeenOf(WM_INITDIALOG);
    ASSERT_EQ(init.size(), 1u);
    EXPECT_EQ(init[0].lParam, 77);
    EXPECT_EQ(reinterpret_cast<HWND>(init[0].wParam), Item(kOkId));
    EXPECT_EQ(GetDlgCtrlID(Item(kEditId)), kEditId);
    EXPECT_EQ(GetParent(Item(kEditId)), dialog);
    EXPECT_EQ(GetDlgItem(dialog, 9999), nullptr);
}

// Texts are UTF-8 and a short buffer never ends inside a character.
TEST_F(UserTest, DialogItemTextKeepsToItsBufferWithoutSplittingCharacters) {
    ASSERT_TRUE(SetDlgItemTextA(dialog, kEditId, "a\xC3\xA9z"));  // "aéz"
    struct Case {
        int size;
        const char* expected;
    } cases[] = {
        {16, "a\xC3\xA9z"},  // all of it
        {4, "a\xC3\xA9"},    // three bytes: the é fits
        {3, "a"},            // two bytes would cut the é in half
        {1, ""},             // room for the NUL only
    };
    for (const Case& one : cases) {
        char buffer[16];
        std::memset(buffer, 'x', sizeof(buffer));
        UINT copied = GetDlgItemTextA(dialog, kEditId, buffer, one.size);
        EXPECT_STREQ(buffer, one.expected) << "buffer of " << one.size;
        EXPECT_EQ(copied, std::strlen(one.expected));
    }
    char title[32];
    EXPECT_EQ(GetWindowTextA(dialog, title, sizeof(title)), 11);
    EXPECT_STREQ(title, "Test dialog");
}

// The canvas of a program is a static control it takes over: its own
// procedure first, the control's saved one reachable through CallWindowProcA.
TEST_F(UserTest, SubclassingReplacesTheProcedureAndKeepsTheOldOne) {
    static std::vector<UINT> handled;
    handled.clear();
    HWND pixels = Item(kPixelsId);
    auto subclass = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        handled.push_back(message);
        auto saved = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
        return CallWindowProcA(saved, window, message, wParam, lParam);
    };
    LONG_PTR original = GetWindowLongPtrA(pixels, GWLP_WNDPROC);
    SetWindowLongPtrA(pixels, GWLP_USERDATA, original);
    EXPECT_EQ(SetWindowLongPtrA(pixels, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+subclass)), original);
    SetWindowTextA(pixels, "through the chain");
    char text[32];
    GetWindowTextA(pixels, text, sizeof(text));
    EXPECT_STREQ(text, "through the chain");
    EXPECT_EQ(handled, (std::vector<UINT>{WM_SETTEXT, WM_GETTEXT}));
    EXPECT_EQ(GetWindowLongPtrA(pixels, GWLP_HINSTANCE), reinterpret_cast<LONG_PTR>(GetModuleHandleA(nullptr)));
}

TEST_F(UserTest, DestroyingSendsWmDestroyParentFirstAndFreesEveryWindow) {
    static std::vector<HWND> destroyed;
    destroyed.clear();
    HWND edit = Item(kEditId);
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM, LPARAM) -> LRESULT {
        if (m == WM_DESTROY) destroyed.push_back(w);
        return 0;
    }));
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    ASSERT_TRUE(DestroyWindow(dialog));
    EXPECT_EQ(SeenOf(WM_DESTROY).size(), 1u);
    EXPECT_EQ(destroyed, std::vector<HWND>{edit});
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), 0);  // a dead handle is refused
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), before - 10);  // dialog and 9 controls
}

TEST_F(UserTest, UnknownTemplatesMakeNoWindow) {
    EXPECT_EQ(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(999), nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(CreateDialogParamA(GetModuleHandleA(nullptr), "named", nullptr, nullptr, 0), nullptr);
}
