// The three modal dialogs as the user meets them: typed keys go to the
// dialog and never to the main window's key table, Enter and Esc do what
// each dialog means by them, and what was confirmed reaches the page.
#include <climits>
#include <sstream>
#include <vector>

#include "main_window_fixture.h"
#include "modal_dialogs.h"
#include "resource_parts.h"
#include "toolbar_settings.h"

namespace {

class DialogsTest : public MainWindowTest {
protected:
    // The text of the last stored figure (a text figure's last field).
    std::string LastStoredText() {
        std::vector<std::string> rows = FileColumn("SELECT objData FROM Objects ORDER BY rowid");
        if (rows.empty()) return "(none)";
        std::string data = rows.back();
        data.pop_back();  // the closing ';'
        return data.substr(data.rfind(';') + 1);
    }

    // Confirms `text` in the text dialog and places it with a click.
    void PlaceText(const std::string& text) {
        AnswerModals([&](const ModalRequest& request) {
            SetDlgItemTextA(request.dialog, IDC_TEXT, text.c_str());
            return static_cast<int>(SendMessageA(request.dialog, WM_COMMAND, IDOK, 0));
        });
        Command(ID_ENTER_TEXT);
        Click(200, 200);
    }

    // Hands the keys typed so far to the dialog as its own loop does, so
    // that what they did can be looked at before that loop starts.
    static void RunTypedKeys(HWND dialog) {
        PostQuitMessage(0);  // taken once the waiting input is through
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) == 1) {
            if (IsDialogMessageA(dialog, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
};

TEST_F(DialogsTest, TextDialogTakesEveryKeyAndStaysOpenOnEsc) {
    int dialogs = 0;
    AnswerModals([&](const ModalRequest& request) {
        ++dialogs;
        EXPECT_EQ(request.owner, window);
        EXPECT_STREQ(request.caption, "Tarnwick v1.0");
        // T would ask for a text again if the key table saw it; Esc must
        // not end the dialog, or X and Enter would find no dialog.
        TypeInto(request.dialog, {'T', VK_ESCAPE, 'X', VK_RETURN});
        return 0;
    });
    Select(IDC_FONT_SIZE, 2);  // 12 points
    Command(ID_ENTER_TEXT);
    EXPECT_EQ(dialogs, 1);
    EXPECT_STREQ(enteredText.GetBuffer(), "tx");
    EXPECT_STREQ(CurrentToolName(), "Text Tool");

    Click(200, 200);
    std::vector<std::string> rows = FileColumn("SELECT objData FROM Objects");
    ASSERT_EQ(rows.size(), 1u);
    std::vector<std::string> fields;
    std::stringstream data(rows[0]);
    for (std::string field; std::getline(data, field, ';');) fields.push_back(field);
    ASSERT_EQ(fields.size(), 11u);
    EXPECT_EQ(fields[7], std::to_string(ReadToolbar(window).fontHeight));
    EXPECT_EQ(fields[10], "tx");
}

TEST_F(DialogsTest, ConfirmedTextIsCutAt511BytesWithoutSplittingACharacter) {
    std::string twoByteRun;
    for (int i = 0; i < 300; ++i) twoByteRun += "\xC3\xA9";  // é
    struct Case {
        std::string typed;
        std::string placed;
    } cases[] = {
        {"", " "},  // an empty text is a single blank
        {std::string(600, 'a'), std::string(511, 'a')},
        {twoByteRun, twoByteRun.substr(0, 510)},         // the 256th é would not fit whole
        {"a" + twoByteRun, "a" + twoByteRun.substr(0, 510)},  // fits exactly
    };
    for (const Case& c : cases) {
        PlaceText(c.typed);
        EXPECT_EQ(LastStoredText(), c.placed) << c.typed.size() << " bytes typed";
    }
}

TEST_F(DialogsTest, GoToPageReadsTheNumberAsTypedAndCancelChangesNothing) {
    struct Case {
        const char* typed;
        UINT key;
        int page;  // expected current page afterwards
    } cases[] = {
        {"  42abc", VK_RETURN, 42},
        {"abc", VK_RETURN, 0},
        {"", VK_RETURN, 0},
        {"-3", VK_RETURN, -3},
        {"+7", VK_RETURN, 7},
        {"99999999999", VK_RETURN, INT_MAX},
        {"-99999999999", VK_RETURN, INT_MIN},  // the box keeps 11 characters
        {"12", VK_ESCAPE, INT_MIN},
    };
    for (const Case& c : cases) {
        AnswerModals([&](const ModalRequest& request) {
            EXPECT_STREQ(request.caption, "Goto");
            SetDlgItemTextA(request.dialog, IDC_GOTO_NUMBER, c.typed);
            TypeInto(request.dialog, {c.key});
            return 0;
        });
        Command(IDC_GOTO_PAGE);
        EXPECT_EQ(app.currentPage, c.page) << '"' << c.typed << '"';
        EXPECT_EQ(PageNumberBox(), std::to_string(c.page));
    }
    // The Cancel button as well as Esc.
    AnswerModals([](const ModalRequest& request) {
        SetDlgItemTextA(request.dialog, IDC_GOTO_NUMBER, "5");
        return static_cast<int>(SendMessageA(request.dialog, WM_COMMAND, IDCANCEL, 0));
    });
    Command(IDC_GOTO_PAGE);
    EXPECT_EQ(app.currentPage, INT_MIN);
}

TEST_F(DialogsTest, GoToPageShowsTheChosenPagesFigures) {
    PlaceText("on seven");
    AnswerModals([](const ModalRequest& request) {
        SetDlgItemTextA(request.dialog, IDC_GOTO_NUMBER, "7");
        return static_cast<int>(SendMessageA(request.dialog, WM_COMMAND, IDOK, 0));
    });
    Command(IDC_GOTO_PAGE);  // page 1's text moves nowhere: it is stored on page 1
    EXPECT_EQ(app.currentPage, 7);
    EXPECT_EQ(app.pageObjects->First(), nullptr);
}

// The help text: numbered sections underlined with 54 dashes, lines of at
// most 54 characters ending in CR LF, and the ten shortcut lines.
TEST_F(DialogsTest, HelpShowsItsTextAndClosesOnlyThroughOk) {
    std::string shown;
    AnswerModals([&](const ModalRequest& request) {
        char text[4096] = "";
        GetDlgItemTextA(request.dialog, IDC_HELP_TEXT, text, sizeof(text));
        shown = text;
        ShowWindow(request.dialog, SW_SHOW);
        TypeInto(request.dialog, {VK_ESCAPE});
        RunTypedKeys(request.dialog);
        EXPECT_TRUE(IsWindowVisible(request.dialog)) << "Esc closed the help";
        TypeInto(request.dialog, {VK_RETURN});  // OK is the default button
        return 0;
    });
    Command(ID_HELP);
    ASSERT_EQ(shown, kHelpText);

    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = shown.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(shown.substr(at, end - at));
    EXPECT_EQ(at, shown.size()) << "the last line ends in CR LF too";
    // Keys named at the start of a line, per numbered section.
    std::vector<std::vector<std::string>> keys;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 54u) << lines[i];
        EXPECT_EQ(lines[i].find('\n'), std::string::npos);
        if (lines[i] == std::string(54, '-')) {
            ASSERT_GT(i, 0u);
            keys.emplace_back();
            EXPECT_EQ(lines[i - 1].rfind(std::to_string(keys.size()) + ". ", 0), 0u) << lines[i - 1];
        }
        if (!lines[i].empty() && lines[i][0] == '"') keys.back().push_back(lines[i].substr(1, lines[i].find('"', 1) - 1));
    }
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[1].size(), 10u);
    EXPECT_EQ(keys[2], (std::vector<std::string>{"Ctrl+Z", "Ctrl+Y", "E", "Esc", "Alt+E"}));
}

TEST_F(DialogsTest, DialogsAreCentredOverTheMainWindow) {
    if (TestCompositorPlacesWindows()) {
        GTEST_SKIP() << "a Wayland compositor places dialogs itself and tells no program where windows are";
    }
    for (int id : {ID_ENTER_TEXT, IDC_GOTO_PAGE, ID_HELP}) {
        int dialogs = 0;  // a command that showed no dialog would check nothing
        AnswerModals([&](const ModalRequest& request) {
            ++dialogs;
            RECT main{}, dialog{};
            GetWindowRect(window, &main);
            GetWindowRect(request.dialog, &dialog);
            EXPECT_NEAR((dialog.left + dialog.right) / 2, (main.left + main.right) / 2, 2) << id;
            EXPECT_NEAR((dialog.top + dialog.bottom) / 2, (main.top + main.bottom) / 2, 2) << id;
            return static_cast<int>(SendMessageA(request.dialog, WM_COMMAND, id == ID_HELP ? IDC_HELP_OK : IDOK, 0));
        });
        Command(static_cast<WORD>(id));
        EXPECT_EQ(dialogs, 1) << id;
    }
}

}  // namespace
