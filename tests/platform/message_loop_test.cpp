// The message loop: posted messages and WM_QUIT, accelerators acting before
// any control sees the key, dialog keys, and keys that go on to a control.
#include "user_fixture.h"

#include <cstring>

namespace {

HACCEL Keys() { return LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kKeysId)); }

}  // namespace

TEST_F(UserTest, PostedMessagesComeInOrderAndQuitComesLast) {
    PostQuitMessage(3);
    PostMessageA(dialog, WM_USER + 1, 1, 0);
    PostMessageA(dialog, WM_USER + 2, 2, 0);
    MSG message;
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), 1);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_USER + 1));
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), 1);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_USER + 2));
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), 0);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
    EXPECT_FALSE(PostMessageA(reinterpret_cast<HWND>(0x1234), WM_USER, 0, 0));
}

// Entries need exactly their modifiers: Ctrl+1 alone, T without any.
TEST_F(UserTest, AcceleratorsMatchTheirModifiersExactly) {
    struct Case {
        UINT key;
        UINT modifiers;
        WORD command;  // 0: no command
    } cases[] = {
        {'1', TEST_CONTROL, kCommandOne},
        {'1', TEST_CONTROL | TEST_SHIFT, 0},
        {'1', 0, 0},
        {'T', 0, kCommandT},
        {'T', TEST_SHIFT, 0},
        {'T', TEST_CONTROL, 0},
        {VK_END, 0, kCommandEnd},
        {VK_END, TEST_ALT, 0},
    };
    SetFocus(Item(kOkId));
    for (const Case& one : cases) {
        seen.clear();
        ASSERT_TRUE(TestPostKey(dialog, one.key, one.modifiers));
        RunLoop(Keys());
        std::vector<WORD> commands = CommandsSeen();
        std::vector<WORD> expected;
        if (one.command != 0) expected.push_back(one.command);
        EXPECT_EQ(commands, expected) << "key " << one.key << " with modifiers " << one.modifiers;
    }
}

// A combo box with the focus would take End for itself; the loop's table
// sees it first.
TEST_F(UserTest, AcceleratorsActBeforeAFocusedComboBox) {
    HWND combo = Item(kTextComboId);
    for (const char* text : {"a", "b", "c"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetFocus(combo);
    ASSERT_EQ(GetFocus(), combo);
    TestPostKey(dialog, VK_END, 0);
    RunLoop(Keys());
    EXPECT_EQ(CommandsSeen(), std::vector<WORD>{kCommandEnd});
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0) << "the combo box never saw End";
}

// Keys no entry wants go on to the control with the focus.
TEST_F(UserTest, OtherKeysReachTheFocusedControl) {
    SetFocus(Item(kEditId));
    for (UINT key : {UINT{'X'}, UINT{'Y'}, UINT{VK_SPACE}, UINT{'Z'}}) TestPostKey(dialog, key, TEST_SHIFT);
    RunLoop(Keys());
    char text[16];
    GetDlgItemTextA(dialog, kEditId, text, sizeof(text));
    EXPECT_STREQ(text, "XY Z");
    EXPECT_TRUE(CommandsSeen().empty());
}

TEST_F(UserTest, DialogKeysPressButtons) {
    struct Case {
        UINT key;
        UINT modifiers;
        WORD command;
    } cases[] = {
        {'P', TEST_ALT, kPrintId},   // the mnemonic of "&Print"
        {VK_RETURN, 0, kOkId},       // the default push button
        {VK_ESCAPE, 0, kCancelId},
    };
    SetFocus(Item(kEditId));
    for (const Case& one : cases) {
        seen.clear();
        TestPostKey(dialog, one.key, one.modifiers);
        RunLoop(nullptr);
        EXPECT_EQ(CommandsSeen(), std::vector<WORD>{one.command}) << "key " << one.key;
    }
    TestPostKey(dialog, VK_TAB, 0);
    RunLoop(nullptr);
    EXPECT_EQ(GetFocus(), Item(kOkId)) << "Tab moves to the next tab stop";
}

// A message box runs its own loop; the hook answers it here.
TEST_F(UserTest, MessageBoxesAreAnsweredByTheHook) {
    static ModalRequest asked;
    SetModalAnswerHook(
        [](const ModalRequest* request, void*) {
            asked = *request;
            return IDNO;
        },
        nullptr);
    EXPECT_EQ(MessageBoxA(dialog, "Delete?", "Warning", MB_YESNO | MB_ICONERROR), IDNO);
    EXPECT_EQ(asked.kind, ModalRequest::MessageBox);
    EXPECT_EQ(asked.owner, dialog);
    EXPECT_STREQ(asked.caption, "Warning");
    EXPECT_STREQ(asked.text, "Delete?");
    EXPECT_EQ(asked.type, static_cast<UINT>(MB_YESNO | MB_ICONERROR));
}

TEST_F(UserTest, CursorsFromResourcesAreCountedUntilDestroyed) {
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    HCURSOR cursor = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kCursorId));
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), before + 1);
    EXPECT_TRUE(DestroyCursor(cursor));
    EXPECT_FALSE(DestroyCursor(cursor));
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), before);
    EXPECT_EQ(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(999)), nullptr);
}
