// Buttons and combo boxes: what reaches the dialog when a program changes
// them and when the user does, and owner-drawn items.
#include "user_fixture.h"

#include <algorithm>

TEST_F(UserTest, ButtonsNotifyTheirDialogWhenClickedButNotWhenSet) {
    HWND check = Item(kCheckId);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(SeenOf(WM_COMMAND).empty()) << "setting a check box sends nothing";
    SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(Item(kPrintId), BM_CLICK, 0, 0);
    std::vector<Seen> commands = SeenOf(WM_COMMAND);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kCheckId, BN_CLICKED));
    EXPECT_EQ(commands[1].wParam, MAKEWPARAM(kPrintId, BN_CLICKED));
    EXPECT_EQ(reinterpret_cast<HWND>(commands[1].lParam), Item(kPrintId));
}

TEST_F(UserTest, ComboSelectionIsQuietWhenSetAndNotifiesWhenPicked) {
    HWND combo = Item(kTextComboId);
    for (const char* text : {"8", "10", "12"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_TRUE(SeenOf(WM_COMMAND).empty());
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 7, 0), CB_ERR);  // out of range clears it
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    ASSERT_TRUE(TestPickComboItem(combo, 1));
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    std::vector<Seen> commands = SeenOf(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kTextComboId, CBN_SELCHANGE));
}

// An owner-drawn box keeps what CB_ADDSTRING gave as the item's data and
// never reads it as text; the dialog draws each item from it.
TEST_F(UserTest, OwnerDrawnItemsAreDrawnByTheDialogFromTheirData) {
    HWND combo = Item(kOwnerComboId);
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 0, 255)};
    for (COLORREF colour : colours) SendMessageA(combo, CB_ADDSTRING, 0, static_cast<LPARAM>(colour));
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, 1, 0), static_cast<LRESULT>(colours[1]));

    drawn.clear();
    std::vector<COLORREF> pixels(40 * 13);
    ASSERT_EQ(TestGrabComboItem(combo, 1, pixels.data(), 40, 13), 40 * 13);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), colours[1]), 40 * 13);
    ASSERT_EQ(drawn.size(), 1u);
    const DRAWITEMSTRUCT& item = drawn[0].item;
    EXPECT_EQ(item.CtlType, static_cast<UINT>(ODT_COMBOBOX));
    EXPECT_EQ(item.CtlID, static_cast<UINT>(kOwnerComboId));
    EXPECT_EQ(item.itemID, 1u);
    EXPECT_EQ(item.hwndItem, combo);
    EXPECT_EQ(item.rcItem.right, 40);
    EXPECT_EQ(item.rcItem.bottom, 13);
    EXPECT_EQ(SeenOf(WM_DRAWITEM).back().wParam, static_cast<WPARAM>(kOwnerComboId));

    // The closed box's face is the selected item, marked as the face.
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    drawn.clear();
    std::vector<COLORREF> face(200 * 40);
    ASSERT_GT(TestGrabWindow(combo, face.data(), 200, 40), 0);
    ASSERT_FALSE(drawn.empty());
    EXPECT_TRUE(drawn.back().item.itemState & ODS_COMBOBOXEDIT);
    EXPECT_EQ(drawn.back().item.itemID, 0u);
    EXPECT_GT(std::count(face.begin(), face.end(), colours[0]), 100);
}

TEST_F(UserTest, ClosedComboBoxIsOneItemAndItsFrameHigh) {
    RECT rect;
    GetClientRect(Item(kOwnerComboId), &rect);
    EXPECT_EQ(rect.bottom, 13 + 8);
    EXPECT_EQ(rect.right, 40 * 6 / 4);
}
