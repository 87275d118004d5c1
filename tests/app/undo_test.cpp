// Undo and redo through the record, checked against the file after every
// step: what the page shows is what the file holds, rows keep their
// identity and their place, and a restart shows the same.
#include <string>
#include <vector>

#include "lettered_figures.h"

namespace {

using UndoTest = LetteredFiguresTest;

enum class Act { Draw, Undo, Redo, GoTo, DeletePage, DeleteTemporary };

struct Step {
    Act act;
    char figure;  // Draw: its letter; GoTo: the page as a digit
    int page;     // the page on screen afterwards
    const char* screen;
};

// Every kind of change, undone and redone across pages: undo first shows
// the page it changes, a page emptying comes back in its old order with the
// temporary line between the figures it was drawn between, and a new change
// drops what could have been redone.
TEST_F(UndoTest, EveryChangeUndoesAndRedoesWithScreenAndFileAgreeing) {
    const Step steps[] = {
        {Act::Draw, 'A', 1, "A"},
        {Act::Draw, 'B', 1, "AB"},
        {Act::Draw, 'T', 1, "ABT"},
        {Act::Draw, 'A', 1, "ABTA"},  // a second, identical A
        {Act::Undo, 0, 1, "ABT"},     // the newer A goes, the older stays
        {Act::Redo, 0, 1, "ABTA"},
        {Act::GoTo, '2', 2, ""},
        {Act::Draw, 'C', 2, "C"},
        {Act::Undo, 0, 2, ""},
        {Act::Undo, 0, 1, "ABT"},  // back on page 1 to undo there
        {Act::Redo, 0, 1, "ABTA"},
        {Act::Redo, 0, 2, "C"},
        {Act::GoTo, '1', 1, "ABTA"},
        {Act::DeleteTemporary, 0, 1, "ABA"},
        {Act::DeletePage, 0, 1, ""},
        {Act::Undo, 0, 1, "ABA"},
        {Act::Undo, 0, 1, "ABTA"},  // the temporary line in its old place
        {Act::Redo, 0, 1, "ABA"},
        {Act::Redo, 0, 1, ""},
        {Act::Undo, 0, 1, "ABA"},
        {Act::Draw, 'D', 1, "ABAD"},
        {Act::Redo, 0, 1, "ABAD"},  // the page emptying cannot come back
        {Act::Undo, 0, 1, "ABA"},
        {Act::Undo, 0, 1, "ABTA"},
    };
    int n = 0;
    for (const Step& step : steps) {
        ++n;
        switch (step.act) {
            case Act::Draw: Draw(step.figure); break;
            case Act::Undo: app.Undo(); break;
            case Act::Redo: app.Redo(); break;
            case Act::GoTo: app.GoToPage(step.figure - '0'); break;
            case Act::DeletePage: app.DeletePage(app.currentPage); break;
            case Act::DeleteTemporary: app.DeleteTemporaryObjects(app.currentPage); break;
        }
        EXPECT_EQ(app.currentPage, step.page) << "step " << n;
        EXPECT_EQ(Screen(), step.screen) << "step " << n;
        EXPECT_EQ(Stored(app.currentPage), step.screen) << "step " << n;
        EXPECT_EQ(app.KeptFigures(), 0) << "step " << n;
    }
    Restart();
    app.GoToPage(1);
    EXPECT_EQ(Screen(), "ABTA");
    app.GoToPage(2);
    EXPECT_EQ(Screen(), "C");
    EXPECT_EQ(app.Undo(), 0) << "the history lasts for the run";
}

// Undo goes by the row's identity: of two identical figures the newer goes,
// a page comes back under its old rowids, and a row another program has
// removed, or replaced by another figure under the same rowid, is left
// alone.
TEST_F(UndoTest, UndoTakesOutExactlyItsOwnRow) {
    Draw('A');
    Draw('A');
    const std::vector<std::string> both = Rowids();
    app.Undo();
    EXPECT_EQ(Rowids(), std::vector<std::string>{both[0]});
    app.Redo();
    Draw('B');
    const std::vector<std::string> page = Rowids();
    app.DeletePage(1);
    app.Undo();
    EXPECT_EQ(Rowids(), page);

    RunSqlElsewhere("DELETE FROM Objects WHERE objData LIKE '1;%;66;-66;166;-66;'");  // B
    app.Undo();
    EXPECT_EQ(Screen(), "AA");
    RunSqlElsewhere(("DELETE FROM Objects WHERE rowid = " + both[1] + ";"
                     "INSERT INTO Objects (rowid, pageNumber, objData, objType) VALUES (" + both[1] +
                     ", 1, '1;255;0;10;16777215;0;28;5;-5;9;-9;', 1)").c_str());
    app.Undo();  // the second A, whose rowid now holds another figure
    EXPECT_EQ(FileColumn("SELECT count(*) FROM Objects")[0], "2");
    EXPECT_EQ(Screen(), "A?");
}

}  // namespace
