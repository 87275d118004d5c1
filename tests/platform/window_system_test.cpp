// What the window system does asynchronously and on its own terms:
// maximising, a dropped-down list, a modal dialog taking the keyboard
// focus and giving it back. These tests also run under a Wayland
// compositor, which answers later than X11 and decides activation alone.
#include "user_fixture.h"

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

// Lets the window system work until `done` holds, for at most ten seconds.
template <class Condition>
bool WaitFor(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        TestProcessEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

class WindowSystemTest : public UserTest {
protected:
    // The last WM_SIZE the dialog saw: its kind and client size.
    bool LastSizeIs(WPARAM kind, SIZE size) {
        std::vector<Seen> sizes = SeenOf(WM_SIZE);
        if (sizes.empty()) return false;
        const Seen& last = sizes.back();
        return last.wParam == kind && LOWORD(last.lParam) == size.cx && HIWORD(last.lParam) == size.cy;
    }
};

}  // namespace

TEST_F(WindowSystemTest, TheWindowSystemIsTheOneAskedFor) {
    const char* asked = std::getenv("QT_QPA_PLATFORM");
    const bool wayland = asked != nullptr && std::string(asked).rfind("wayland", 0) == 0;
    EXPECT_EQ(TestCompositorPlacesWindows() != FALSE, wayland);
}

// A compositor answers a maximise with a configure of its own size; the
// window learns it through WM_SIZE, later.
TEST_F(WindowSystemTest, MaximisingFillsTheScreenAndRestoringGivesTheSizeBack) {
    const SIZE before = ClientSize(dialog);
    ShowWindow(dialog, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(WaitFor([&] {
        const SIZE now = ClientSize(dialog);
        return now.cx > before.cx * 2 && now.cy > before.cy * 2 && LastSizeIs(SIZE_MAXIMIZED, now);
    })) << "no WM_SIZE of a maximised window bigger than " << before.cx << "x" << before.cy;

    ShowWindow(dialog, SW_SHOWNORMAL);
    EXPECT_TRUE(WaitFor([&] { return LastSizeIs(SIZE_RESTORED, before); }));
    EXPECT_EQ(ClientSize(dialog).cx, before.cx);
    EXPECT_EQ(ClientSize(dialog).cy, before.cy);
}

// Down and Enter, each in its turn of the loop, go to the open list, which
// picks and closes; Enter never reaches the dialog as its default button.
// With the list closed, Esc is the dialog's again.
TEST_F(WindowSystemTest, ADroppedDownListTakesItsKeysAndThePickReachesTheDialog) {
    HWND combo = Item(kTextComboId);
    for (const char* text : {"8", "10", "12"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetFocus(combo);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    for (UINT key : {UINT{VK_DOWN}, UINT{VK_DOWN}, UINT{VK_RETURN}}) {
        TestPostKey(dialog, key, 0);
        RunLoop(nullptr);
    }
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(CommandsSeen(), std::vector<WORD>{kTextComboId}) << "only the pick, no OK";
    EXPECT_EQ(SeenOf(WM_COMMAND).back().wParam, MAKEWPARAM(kTextComboId, CBN_SELCHANGE));

    seen.clear();
    TestPostKey(dialog, VK_ESCAPE, 0);
    RunLoop(nullptr);
    EXPECT_EQ(CommandsSeen(), std::vector<WORD>{kCancelId});
}

// A modal dialog takes the focus to its first tab stop, where Enter
// presses that button; when it ends, the focus is where it was before.
TEST_F(WindowSystemTest, AModalDialogTakesTheFocusAndGivesItBack) {
    static bool focusOnItsOk;
    focusOnItsOk = false;
    SetFocus(Item(kEditId));
    SetModalAnswerHook(
        [](const ModalRequest* request, void*) {
            TestPostKey(request->dialog, VK_RETURN, 0);
            return 0;
        },
        nullptr);
    auto procedure = [](HWND modal, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message != WM_COMMAND) return message == WM_INITDIALOG;
        focusOnItsOk = GetFocus() == GetDlgItem(modal, IDOK);
        EndDialog(modal, LOWORD(wParam));
        return TRUE;
    };
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDialogId), dialog, procedure, 0);
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(focusOnItsOk);
    EXPECT_EQ(GetFocus(), Item(kEditId));
}
