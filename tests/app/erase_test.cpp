// Erasing through the record, checked against the file after every step:
// exactly the erased figure's row goes, undo puts that row back under its
// rowid (so in its old place), redo takes it out again, and erasing works
// on whatever the page on screen became after every other kind of change.
#include <string>
#include <vector>

#include "lettered_figures.h"

namespace {

using EraseTest = LetteredFiguresTest;

enum class Act { Draw, Erase, Undo, Redo, GoTo, DeletePage, DeleteTemporary };

struct Step {
    Act act;
    int argument;  // Draw: the letter; Erase: the position (0 the first drawn); GoTo: the page
    int page;      // the page on screen afterwards
    const char* screen;
    bool rowsAsDrawn;  // page 1 holds exactly the rows of ABTAC as first stored
};

TEST_F(EraseTest, ErasingTakesOutItsOwnRowAndUndoPutsItBackInPlace) {
    const Step steps[] = {
        {Act::GoTo, 1, 1, "", false},
        {Act::Draw, 'A', 1, "A", false},
        {Act::Draw, 'B', 1, "AB", false},
        {Act::Draw, 'T', 1, "ABT", false},
        {Act::Draw, 'A', 1, "ABTA", false},  // a second, identical A
        {Act::Draw, 'C', 1, "ABTAC", true},
        {Act::Erase, 3, 1, "ABTC", false},  // the upper A goes, the lower one stays
        {Act::Undo, 0, 1, "ABTAC", true},
        {Act::Redo, 0, 1, "ABTC", false},
        {Act::Erase, 0, 1, "BTC", false},  // the bottom figure
        {Act::Undo, 0, 1, "ABTC", false},
        {Act::Undo, 0, 1, "ABTAC", true},
        {Act::DeleteTemporary, 0, 1, "ABAC", false},
        {Act::Erase, 2, 1, "ABC", false},  // positions after the temporary line went
        {Act::Draw, 'D', 1, "ABCD", false},
        {Act::Erase, 3, 1, "ABC", false},  // just drawn: its row is known already
        {Act::GoTo, 2, 2, "", false},
        {Act::Undo, 0, 1, "ABCD", false},  // back on page 1 to undo there
        {Act::Undo, 0, 1, "ABC", false},
        {Act::Undo, 0, 1, "ABAC", false},
        {Act::Undo, 0, 1, "ABTAC", true},
        {Act::DeletePage, 0, 1, "", false},
        {Act::Undo, 0, 1, "ABTAC", true},
        {Act::Erase, 4, 1, "ABTA", false},  // on the page read again
        {Act::Erase, 9, 1, "ABTA", false},  // no such figure: nothing happens
        {Act::Redo, 0, 1, "ABTA", false},   // a new change dropped what could be redone
    };
    std::vector<std::string> drawnRows;
    int n = 0;
    for (const Step& step : steps) {
        ++n;
        switch (step.act) {
            case Act::Draw: Draw(static_cast<char>(step.argument)); break;
            case Act::Erase: app.EraseFigure(static_cast<std::size_t>(step.argument)); break;
            case Act::Undo: app.Undo(); break;
            case Act::Redo: app.Redo(); break;
            case Act::GoTo: app.GoToPage(step.argument); break;
            case Act::DeletePage: app.DeletePage(app.currentPage); break;
            case Act::DeleteTemporary: app.DeleteTemporaryObjects(app.currentPage); break;
        }
        if (drawnRows.empty() && step.rowsAsDrawn) drawnRows = Rowids();
        EXPECT_EQ(app.currentPage, step.page) << "step " << n;
        EXPECT_EQ(Screen(), step.screen) << "step " << n;
        EXPECT_EQ(Stored(app.currentPage), step.screen) << "step " << n;
        if (step.rowsAsDrawn) {
            EXPECT_EQ(Rowids(), drawnRows) << "step " << n;
        }
        EXPECT_EQ(app.KeptFigures(), 0) << "step " << n;
    }
    Restart();
    app.GoToPage(1);
    EXPECT_EQ(Screen(), "ABTA");
}

// A row another program wrote in its own spelling of a figure (an empty
// field, no final separator) is the figure all the same: it is erased, and
// undo puts back the very text under the very rowid.
TEST_F(EraseTest, ARowInAnotherSpellingIsErasedAndComesBackAsItWas) {
    RunSqlElsewhere("INSERT INTO Objects VALUES (1, ' 1;255;0;10;;16777215;0;0;28;5;-5;90;-90', 1)");
    const std::vector<std::string> before = FileColumn("SELECT rowid || ':' || objData FROM Objects");
    app.GoToPage(1);
    ASSERT_EQ(ListTexts().size(), 1u);
    EXPECT_EQ(app.EraseFigure(0), 1);
    EXPECT_TRUE(ListTexts().empty());
    EXPECT_TRUE(Rowids().empty());
    app.Undo();
    EXPECT_EQ(FileColumn("SELECT rowid || ':' || objData FROM Objects"), before);
    EXPECT_EQ(ListTexts().size(), 1u);
}

// The file holds what the screen does not know: a row changed or removed
// by another program since the page was read is not erased, and the page
// shows the file again.
TEST_F(EraseTest, ARowChangedOrRemovedElsewhereIsLeftAsTheFileHasIt) {
    app.GoToPage(1);
    Draw('A');
    Draw('B');
    Draw('C');
    const std::vector<std::string> rows = Rowids();
    RunSqlElsewhere(("UPDATE Objects SET objData = '1;0;0;1;0;0;0;8;1;1;2;2;' WHERE rowid = " + rows[2]).c_str());
    EXPECT_EQ(app.EraseFigure(2), 0);
    EXPECT_EQ(Rowids(), rows);
    EXPECT_EQ(Screen(), "AB?");
    RunSqlElsewhere(("DELETE FROM Objects WHERE rowid = " + rows[1]).c_str());
    EXPECT_EQ(app.EraseFigure(1), 0);
    EXPECT_EQ(Screen(), "A?");
    EXPECT_EQ(app.EraseFigure(1), 1) << "the changed row, once shown, is erased";
    EXPECT_EQ(Screen(), "A");
    EXPECT_EQ(Stored(1), "A");
}

}  // namespace
