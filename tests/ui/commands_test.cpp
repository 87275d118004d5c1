// The commands of the main window as the key table and the Tool box send
// them: scrolling and its ends, the tool choice, Esc and T, moving between
// pages, and the two questions before deleting.
#include <cstring>
#include <vector>

#include "main_window_fixture.h"

namespace {

class CommandsTest : public MainWindowTest {
protected:
    const char* CurrentToolName() {
        return app.currentTool != nullptr ? app.currentTool->GetName() : "(none)";
    }
};

TEST_F(CommandsTest, ScrollingStepsSixteenMillimetresAndStopsAtEitherEnd) {
    const std::vector<int> down = {-160,  -320,  -480,  -640,  -800,  -960,  -1120, -1280,
                                   -1440, -1600, -1760, -1920, -2080,
                                   -2194,   // clamped to the lowest origin
                                   -2194};  // stays
    for (int expected : down) {
        const int before = app.originY;
        EXPECT_EQ(Repaints([&] { Command(ID_SCROLL_DOWN); }), expected != before) << before;
        EXPECT_EQ(app.originY, expected);
    }
    const std::vector<int> up = {-2034, -1874, -1714, -1554, -1394, -1234, -1074, -914,
                                 -754,  -594,  -434,  -274,  -114,
                                 0,   // clamped to the page's top edge
                                 0};  // stays
    for (int expected : up) {
        const int before = app.originY;
        EXPECT_EQ(Repaints([&] { Command(ID_SCROLL_UP); }), expected != before) << before;
        EXPECT_EQ(app.originY, expected);
    }
}

TEST_F(CommandsTest, ToolKeysAndToolBoxMakeTheSameToolCurrent) {
    struct Case {
        WORD key;
        int entry;
        const char* name;
    } cases[] = {
        {ID_LINE_TOOL, 1, "Line Tool"},        {ID_RECTANGLE_TOOL, 2, "Retangle Tool"},
        {ID_ELLIPSE_TOOL, 3, "Ellipse Tool"},  {ID_TEXT_TOOL, 4, "Text Tool"},
        {ID_POLYGON_TOOL, 5, "Polygon Tool"},
    };
    HWND toolBox = GetDlgItem(window, IDC_TOOL);
    EXPECT_STREQ(CurrentToolName(), "(none)");  // no tool after start
    for (const Case& c : cases) {
        Command(c.key);
        EXPECT_EQ(Selection(IDC_TOOL), c.entry);
        EXPECT_STREQ(CurrentToolName(), c.name);
        ASSERT_TRUE(TestPickComboItem(toolBox, 0));
        EXPECT_STREQ(CurrentToolName(), "(none)");
        ASSERT_TRUE(TestPickComboItem(toolBox, c.entry));
        EXPECT_STREQ(CurrentToolName(), c.name);
    }
    // Dropping a tool in the box repaints; the box on "no tool" again does not.
    EXPECT_TRUE(Repaints([&] { TestPickComboItem(toolBox, 0); }));
    EXPECT_FALSE(Repaints([&] { TestPickComboItem(toolBox, 0); }));
}

TEST_F(CommandsTest, EscDropsTheToolAndAlwaysRepaints) {
    Command(ID_LINE_TOOL);
    Click(100, 100);  // a line under way
    EXPECT_TRUE(Repaints([&] { Command(ID_NO_TOOL); }));
    EXPECT_EQ(app.currentTool, nullptr);
    EXPECT_EQ(Selection(IDC_TOOL), 0);
    EXPECT_TRUE(Repaints([&] { Command(ID_NO_TOOL); }));  // with no tool current too

    // The line was forgotten: it starts again at the next click.
    Command(ID_LINE_TOOL);
    Click(200, 200);
    EXPECT_TRUE(FileColumn("SELECT objType FROM Objects").empty());
}

TEST_F(CommandsTest, TextKeyGivesUpAnotherToolsShapeAndKeepsTheLastText) {
    Command(ID_TEXT_TOOL);
    app.currentTool->SetText("Memo");
    Command(ID_LINE_TOOL);
    Click(100, 100);  // a line under way
    EXPECT_TRUE(Repaints([&] { Command(ID_ENTER_TEXT); }));
    EXPECT_STREQ(CurrentToolName(), "Text Tool");
    EXPECT_EQ(Selection(IDC_TOOL), 4);

    Click(150, 150);  // places the text
    EXPECT_EQ(FileColumn("SELECT objType FROM Objects"), std::vector<std::string>{"7"});
    EXPECT_NE(FileColumn("SELECT objData FROM Objects")[0].find("Memo"), std::string::npos);
    Command(ID_LINE_TOOL);
    Click(300, 300);  // the line was given up: this only anchors a new one
    EXPECT_EQ(FileColumn("SELECT count(*) FROM Objects"), std::vector<std::string>{"1"});
}

TEST_F(CommandsTest, PageKeysMoveBetweenPagesAndShowTheNumber) {
    EXPECT_EQ(PageNumberBox(), "1");
    Finish({1, {{10, -10}, {500, -500}}, nullptr});
    Command(ID_NEXT_PAGE);
    EXPECT_EQ(PageNumberBox(), "2");
    EXPECT_TRUE(ListKinds().empty());
    Command(ID_PREVIOUS_PAGE);
    EXPECT_EQ(PageNumberBox(), "1");
    EXPECT_EQ(ListKinds(), std::vector<int>{1});
    // Page 1 has no page before it: nothing is reloaded or drawn again.
    EXPECT_FALSE(Repaints([&] { Command(ID_PREVIOUS_PAGE); }));
    EXPECT_EQ(PageNumberBox(), "1");
}

// What the question box was asked, and the answer it gives.
struct Question {
    int answer = IDNO;
    int asked = 0;
    HWND owner = nullptr;
    std::string caption, text;
    UINT type = 0;

    static int Answer(const ModalRequest* request, void* context) {
        auto* question = static_cast<Question*>(context);
        ++question->asked;
        question->owner = request->owner;
        question->caption = request->caption ? request->caption : "";
        question->text = request->text ? request->text : "";
        question->type = request->type;
        return question->answer;
    }
};

TEST_F(CommandsTest, DeletingAsksFirstAndOnlyYesDeletes) {
    struct Case {
        WORD command;
        const char* question;
        int answer;
        std::vector<int> kindsLeft;
    } cases[] = {
        {ID_DELETE_PAGE, "Do you want to delete current page?", IDNO, {1, 8, 6, 8}},
        {ID_DELETE_PAGE, "Do you want to delete current page?", IDYES, {}},
        {ID_DELETE_TEMPORARY, "Do you want to delete all temporary lines?", IDNO, {1, 8, 6, 8}},
        {ID_DELETE_TEMPORARY, "Do you want to delete all temporary lines?", IDYES, {1, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question + std::string(c.answer == IDYES ? " Yes" : " No"));
        Command(ID_NEXT_PAGE);
        for (int kind : {1, 8, 6, 8}) Finish({kind, {{10, -10}, {500, -500}}, nullptr});
        Question question;
        question.answer = c.answer;
        SetModalAnswerHook(Question::Answer, &question);
        Command(c.command);
        SetModalAnswerHook(nullptr, nullptr);

        EXPECT_EQ(question.asked, 1);
        EXPECT_EQ(question.owner, window);
        EXPECT_EQ(question.caption, "Warning");
        EXPECT_EQ(question.text, c.question);
        EXPECT_EQ(question.type, static_cast<UINT>(MB_YESNO | MB_ICONERROR));
        EXPECT_EQ(ListKinds(), c.kindsLeft);
        app.LoadPage(app.currentPage);  // and so in the file
        EXPECT_EQ(ListKinds(), c.kindsLeft);
        EXPECT_EQ(PageNumberBox(), std::to_string(app.currentPage));  // the page stays
    }
}

TEST_F(CommandsTest, ClosingHidesTheWindowAndEndsTheLoop) {
    for (UINT message : {static_cast<UINT>(WM_CLOSE), static_cast<UINT>(WM_COMMAND)}) {
        ShowWindow(window, SW_SHOW);
        SendMessageA(window, message, message == WM_COMMAND ? IDC_EXIT : 0, 0);
        EXPECT_FALSE(IsWindowVisible(window));
        MSG queued{};
        bool quit = false;
        while (PeekMessageA(&queued, nullptr, 0, 0, PM_REMOVE)) quit = quit || queued.message == WM_QUIT;
        EXPECT_TRUE(quit) << message;
    }
}

}  // namespace
