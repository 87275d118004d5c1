// Keys through the program's own message loop: the key table acts before
// the control that has the focus, even a box that would take the key for
// itself, and only for the exact modifiers of its entry.
#include "main_window_fixture.h"

namespace {

class MessageLoopTest : public MainWindowTest {};

TEST_F(MessageLoopTest, TableKeysActWhateverControlHasTheFocus) {
    struct Case {
        const char* name;
        int focus;
        UINT key, modifiers;
        int originY;       // after the key
        const char* page;  // the page-number box after the key
        const char* tool;  // the current tool after the key
        int widthEntry;    // the width box's selection after the key
    } cases[] = {
        {"End in the width box", IDC_LINE_WIDTH, VK_END, 0, -160, "1", "(none)", 0},
        {"Page Down in the font box", IDC_FONT_SIZE, VK_NEXT, 0, -160, "2", "(none)", 0},
        {"Ctrl+3 in the Tool box", IDC_TOOL, '3', TEST_CONTROL, -160, "2", "Ellipse Tool", 0},
        {"Home in the page-number box", IDC_PAGE_NUMBER, VK_HOME, 0, 0, "2", "Ellipse Tool", 0},
        // Not a key of the table: the box takes it and goes to its last entry.
        {"Shift+End in the width box", IDC_LINE_WIDTH, VK_END, TEST_SHIFT, 0, "2", "Ellipse Tool", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PressInLoop(c.focus, c.key, c.modifiers);
        EXPECT_EQ(app.originY, c.originY);
        EXPECT_EQ(PageNumberBox(), c.page);
        EXPECT_STREQ(CurrentToolName(), c.tool);
        EXPECT_EQ(Selection(IDC_LINE_WIDTH), c.widthEntry);
        EXPECT_EQ(Selection(IDC_FONT_SIZE), 0);
    }
}

}  // namespace
