// The real main window (dialog 101) over a fresh program record in a
// temporary working folder, driven with messages as the window system and
// the key table would send them. Every window, pen, brush and region the
// window made is gone again when the test ends.
#ifndef TARNWICK_TESTS_UI_MAIN_WINDOW_FIXTURE_H
#define TARNWICK_TESTS_UI_MAIN_WINDOW_FIXTURE_H

#include <functional>
#include <initializer_list>
#include <string>

#include "app_fixture.h"
#include "canvas.h"
#include "main_window.h"
#include "message_loop.h"
#include "resources.h"
#include "test_hooks.h"

class MainWindowTest : public AppTest {
protected:
    // The window's client area in pixels; the canvas gets all but the
    // toolbar and a margin of 4.
    static constexpr int kClientWidth = 648;
    static constexpr int kClientHeight = 480;

    void SetUp() override {
        AppTest::SetUp();
        gdiBefore_ = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        userBefore_ = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
        ASSERT_TRUE(RegisterProgramResources(GetModuleHandleA(nullptr)));
        window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                    MainDialogProc, 0);
        ASSERT_NE(window, nullptr);
        canvas = GetDlgItem(window, IDC_CANVAS);
        ASSERT_EQ(canvas, app.canvasWindow);
        // A window keeps pixels only while it is on the screen, and there
        // it needs room for the whole canvas.
        ShowWindow(window, SW_SHOW);
        MoveWindow(window, 0, 0, kClientWidth + 64, kClientHeight + 96, TRUE);
        TestProcessEvents();
        Resize(kClientWidth, kClientHeight);
        Paint();
    }

    void TearDown() override {
        SetModalAnswerHook(nullptr, nullptr);
        if (window != nullptr) DestroyWindow(window);
        TestProcessEvents();
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore_);
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore_);
        AppTest::TearDown();
    }

    // Answers every modal box and dialog with `answer` until the test ends;
    // 0 lets a dialog run its own loop, on keys posted with TypeInto.
    using ModalAnswer = std::function<int(const ModalRequest&)>;
    void AnswerModals(ModalAnswer answer) {
        modalAnswer_ = std::move(answer);
        SetModalAnswerHook(
            [](const ModalRequest* request, void* self) {
                return static_cast<MainWindowTest*>(self)->modalAnswer_(*request);
            },
            this);
    }

    // Keys the user presses in a dialog, each at the control with the focus
    // when its turn comes; letters and digits as virtual keys.
    static void TypeInto(HWND dialog, std::initializer_list<UINT> keys) {
        for (UINT key : keys) TestPostKey(dialog, key, 0);
    }

    // The window's own WM_SIZE, as the window system sends it.
    void Resize(int clientWidth, int clientHeight) {
        SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(clientWidth, clientHeight));
    }

    // Presses a key with the focus on a control, then lets the program's
    // own loop run until the quit message queued behind the key: the key
    // table acts first, then the control.
    void PressInLoop(int focusId, UINT key, UINT modifiers) {
        SetFocus(GetDlgItem(window, focusId));
        ASSERT_TRUE(TestPostKey(window, key, modifiers));
        PostQuitMessage(0);
        RunMessageLoop(window, LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS)));
    }

    // A command as a key of the key table sends it.
    void Command(WORD id) { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 1), 0); }

    // Runs the paint that invalidation asked for, if any.
    void Paint() { UpdateWindow(canvas); }

    void Mouse(UINT message, int x, int y) { SendMessageA(canvas, message, 0, MAKELPARAM(x, y)); }
    void Click(int x, int y) { Mouse(WM_LBUTTONDOWN, x, y); }

    // The user picking an entry of the Tool box.
    void ChooseTool(int entry) { ASSERT_TRUE(TestPickComboItem(GetDlgItem(window, IDC_TOOL), entry)); }

    const char* CurrentToolName() {
        return app.currentTool != nullptr ? app.currentTool->GetName() : "(none)";
    }

    LRESULT Selection(int boxId) { return SendDlgItemMessageA(window, boxId, CB_GETCURSEL, 0, 0); }
    void Select(int boxId, int entry) { SendDlgItemMessageA(window, boxId, CB_SETCURSEL, entry, 0); }

    std::string PageNumberBox() {
        char text[32] = "";
        GetDlgItemTextA(window, IDC_PAGE_NUMBER, text, sizeof(text));
        return text;
    }

    RECT CanvasClient() {
        RECT client{};
        GetClientRect(canvas, &client);
        return client;
    }

    // A page point as a canvas pixel, as the canvas maps it now.
    POINT OnCanvas(POINT page) {
        HDC dc = GetDC(canvas);
        PrepareDC(canvas, dc, 1);
        LPtoDP(dc, &page, 1);
        FinishDC(1);
        ReleaseDC(canvas, dc);
        return page;
    }

    // A length in page units as canvas pixels (the page width fills the
    // canvas width).
    int Pixels(int units) { return units * CanvasClient().right / kPageWidth; }

    COLORREF PixelAt(int x, int y) {
        HDC dc = GetDC(canvas);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(canvas, dc);
        return colour;
    }

    // Whether the colour is within `reach` pixels of (x, y): a page point
    // comes back to the screen within a pixel of where it was clicked.
    bool ColourNear(int x, int y, COLORREF colour, int reach = 1) {
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                if (PixelAt(x + dx, y + dy) == colour) return true;
            }
        }
        return false;
    }

    // Whether the canvas was drawn again after `action`: a marker pixel put
    // straight onto the screen survives only when no paint follows.
    template <class Action>
    bool Repaints(Action action) {
        constexpr COLORREF kMarker = RGB(1, 2, 3);
        Paint();
        HDC dc = GetDC(canvas);
        SetPixel(dc, 1, 1, kMarker);
        ReleaseDC(canvas, dc);
        action();
        Paint();
        return PixelAt(1, 1) != kMarker;
    }

    HWND window = nullptr;
    HWND canvas = nullptr;

private:
    ModalAnswer modalAnswer_;
    DWORD gdiBefore_ = 0;
    DWORD userBefore_ = 0;
};

#endif
