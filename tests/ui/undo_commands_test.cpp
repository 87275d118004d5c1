// Undo and redo from the keys, through the program's own message loop, as a
// user draws with the mouse: the keys act whatever control has the focus, a
// shape under way is dropped before anything is undone, and undo shows the
// page it changes in the page-number box.
#include "main_window_fixture.h"

namespace {

class UndoCommandsTest : public MainWindowTest {
protected:
    // A red line of the line tool across the canvas at height y.
    void DrawLine(int y) {
        Select(IDC_LINE_COLOUR, 1);
        Click(40, y);
        Click(300, y);
    }
    bool ShowsLineAt(int y) {
        Paint();
        return ColourNear(170, y, kRed);
    }
    int Figures() { return static_cast<int>(ListTexts().size()); }

    static constexpr COLORREF kRed = 0x0000FF;
};

TEST_F(UndoCommandsTest, KeysUndoAndRedoWhateverHasTheFocusAndDropAShapeUnderWayFirst) {
    Command(ID_LINE_TOOL);
    DrawLine(100);
    DrawLine(200);
    struct Case {
        const char* name;
        int focus;
        UINT key, modifiers;
        int figures;
        bool secondShown;
    } cases[] = {
        {"Ctrl+Z in the width box", IDC_LINE_WIDTH, 'Z', TEST_CONTROL, 1, false},
        {"Ctrl+Y in the font box", IDC_FONT_SIZE, 'Y', TEST_CONTROL, 2, true},
        {"Ctrl+Z in the Tool box", IDC_TOOL, 'Z', TEST_CONTROL, 1, false},
        {"Ctrl+Shift+Z in the page box", IDC_PAGE_NUMBER, 'Z', TEST_CONTROL | TEST_SHIFT, 2, true},
        {"Ctrl+Y with nothing to redo", IDC_LINE_STYLE, 'Y', TEST_CONTROL, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PressInLoop(c.focus, c.key, c.modifiers);
        EXPECT_EQ(Figures(), c.figures);
        EXPECT_TRUE(ShowsLineAt(100));
        EXPECT_EQ(ShowsLineAt(200), c.secondShown);
        EXPECT_EQ(FileColumn("SELECT count(*) FROM Objects")[0], std::to_string(c.figures));
    }

    Click(40, 300);  // a line under way: the first Ctrl+Z drops only it
    PressInLoop(IDC_LINE_WIDTH, 'Z', TEST_CONTROL);
    EXPECT_EQ(Figures(), 2);
    EXPECT_STREQ(CurrentToolName(), "Line Tool");
    Click(300, 300);  // anchors a new line instead of finishing the dropped one
    EXPECT_EQ(Figures(), 2);
    PressInLoop(IDC_LINE_WIDTH, 'Z', TEST_CONTROL);
    EXPECT_EQ(Figures(), 2) << "the new line under way goes first";
    PressInLoop(IDC_LINE_WIDTH, 'Z', TEST_CONTROL);
    EXPECT_EQ(Figures(), 1);
}

TEST_F(UndoCommandsTest, UndoShowsThePageItChangesInThePageBox) {
    Command(ID_LINE_TOOL);
    DrawLine(100);
    Command(ID_NEXT_PAGE);
    Command(ID_NEXT_PAGE);
    EXPECT_EQ(PageNumberBox(), "3");
    Command(ID_UNDO);
    EXPECT_EQ(PageNumberBox(), "1");
    EXPECT_EQ(Figures(), 0);
    Command(ID_NEXT_PAGE);
    Command(ID_REDO);
    EXPECT_EQ(PageNumberBox(), "1");
    EXPECT_TRUE(ShowsLineAt(100));
}

}  // namespace
