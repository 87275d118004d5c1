// The commands of the main window as the key table and the Tool box send
// them: scrolling and its ends, the tool choice, Esc and T, moving between
// pages, and the two questions before deleting.
#include <vector>

#include "main_window_fixture.h"

namespace {

class CommandsTest : public MainWindowTest {};

TEST_F(CommandsTest, ScrollingStepsSixteenMillimetresAndStopsAtEitherEnd) {
    // Each step repaints exactly when the origin moves.
    auto scroll = [&](WORD command, const std::vector<int>& origins) {
        for (int expected : origins) {
            const int before = app.originY;
            EXPECT_EQ(Repaints([&] { Command(command); }), expected != before) << before;
            EXPECT_EQ(app.originY, expected);
        }
    };
    scroll(ID_SCROLL_DOWN, {-160, -320, -480, -640, -800, -960, -1120, -1280, -1440, -1600, -1760,
                            -1920, -2080,
                            -2194,    // clamped to the lowest origin
                            -2194});  // stays
    scroll(ID_SCROLL_UP, {-2034, -1874, -1714, -1554, -1394, -1234, -1074, -914, -754, -594, -434,
                          -274, -114,
                          0,    // clamped to the page's top edge
                          0});  // stays
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

TEST_F(CommandsTest, TextKeyGivesUpAnotherToolsShapeAndAsksForTheText) {
    AnswerModals([](const ModalRequest& request) {
        SetDlgItemTextA(request.dialog, IDC_TEXT, "Memo");
        SendMessageA(request.dialog, WM_COMMAND, IDOK, 0);
        return IDOK;
    });
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

// Answers every question box and notes each as "owner|caption|text|type".
struct Questions {
    HWND mainWindow;
    int answer;
    std::string asked;

    static int Answer(const ModalRequest* request, void* context) {
        auto* questions = static_cast<Questions*>(context);
        questions->asked += std::string(request->owner == questions->mainWindow ? "main" : "?") +
                            "|" + request->caption + "|" + request->text + "|" +
                            std::to_string(request->type) + "\n";
        return questions->answer;
    }
};

TEST_F(CommandsTest, PageKeysShowTheNumberAndDeletingAsksFirst) {
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
    // Page 1 has no page before it: nothing is reloaded or drawn again.
    EXPECT_FALSE(Repaints([&] { Command(ID_PREVIOUS_PAGE); }));
    EXPECT_EQ(PageNumberBox(), "1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question + std::string(c.answer == IDYES ? " Yes" : " No"));
        Command(ID_NEXT_PAGE);
        for (int kind : {1, 8, 6, 8}) Finish({kind, {{10, -10}, {500, -500}}, nullptr});
        Questions questions{window, c.answer, ""};
        SetModalAnswerHook(Questions::Answer, &questions);
        Command(c.command);
        SetModalAnswerHook(nullptr, nullptr);

        // MB_YESNO | MB_ICONERROR is 20.
        EXPECT_EQ(questions.asked, "main|Warning|" + std::string(c.question) + "|20\n");
        EXPECT_EQ(ListKinds(), c.kindsLeft);
        app.LoadPage(app.currentPage);  // and so in the file
        EXPECT_EQ(ListKinds(), c.kindsLeft);
        EXPECT_EQ(PageNumberBox(), std::to_string(2 + (&c - cases)));  // the page stays
    }
    Command(ID_PREVIOUS_PAGE);  // back to the page of the third case, reloaded
    EXPECT_EQ(PageNumberBox(), "4");
    EXPECT_EQ(ListKinds(), (std::vector<int>{1, 8, 6, 8}));
}

TEST_F(CommandsTest, ClosingHidesTheWindowAndEndsTheLoop) {
    for (WPARAM exitButton : {WPARAM{0}, WPARAM{IDC_EXIT}}) {
        ShowWindow(window, SW_SHOW);
        SendMessageA(window, exitButton ? WM_COMMAND : WM_CLOSE, exitButton, 0);
        EXPECT_FALSE(IsWindowVisible(window));
        MSG queued{};
        bool quit = false;
        while (PeekMessageA(&queued, nullptr, 0, 0, PM_REMOVE)) quit = quit || queued.message == WM_QUIT;
        EXPECT_TRUE(quit) << exitButton;
    }
}

}  // namespace
