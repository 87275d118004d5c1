// Moving between pages reloads from the store; the page number never runs
// past the ends of its range.
#include <climits>

#include "app_fixture.h"

namespace {

class NavigationTest : public AppTest {};

TEST_F(NavigationTest, NextPageShowsAnEmptyPageThatKeepsWhatIsDrawnThere) {
    Finish({1, {{1, 1}, {2, 2}}, nullptr});
    EXPECT_EQ(app.NextPage(), 1);
    EXPECT_EQ(app.currentPage, 2);
    EXPECT_TRUE(ListKinds().empty());
    Finish({6, {{1, 1}, {2, 2}}, nullptr});
    EXPECT_EQ(FileColumn("SELECT pageNumber FROM Objects ORDER BY rowid"),
              (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(app.PreviousPage(), 1);
    EXPECT_EQ(ListKinds(), std::vector<int>{1});
}

TEST_F(NavigationTest, PreviousPageOnPageOneDoesNothing) {
    Finish({1, {{1, 1}, {2, 2}}, nullptr});
    // Not reloaded: an object only on screen stays on screen.
    DrawObject* unsaved = Make({4, {{5, 5}, {1, 1}}, nullptr});
    app.pageObjects->AddTail(unsaved);
    unsaved->Release();
    EXPECT_EQ(app.PreviousPage(), 0);
    EXPECT_EQ(app.currentPage, 1);
    EXPECT_EQ(ListKinds(), (std::vector<int>{1, 4}));
}

TEST_F(NavigationTest, PageNumbersKeepToTheirRange) {
    struct Case {
        int page;
        int afterNext;
        int afterPrevious;
    } cases[] = {
        {INT_MAX, INT_MAX, INT_MAX - 1},  // the largest page has no next page
        {INT_MAX - 1, INT_MAX, INT_MAX - 2},
        {0, 1, 0},                         // reachable only through go-to
        {-5, -4, -5},
        {INT_MIN, INT_MIN + 1, INT_MIN},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(app.GoToPage(c.page), 1);
        app.NextPage();
        EXPECT_EQ(app.currentPage, c.afterNext) << c.page;
        app.GoToPage(c.page);
        app.PreviousPage();
        EXPECT_EQ(app.currentPage, c.afterPrevious) << c.page;
    }
    // Extreme page numbers are stored and found like any other.
    app.GoToPage(INT_MIN);
    Finish({1, {{1, 1}, {2, 2}}, nullptr});
    app.GoToPage(INT_MAX);
    Finish({6, {{1, 1}, {2, 2}}, nullptr});
    app.GoToPage(INT_MIN);
    EXPECT_EQ(ListKinds(), std::vector<int>{1});
}

}  // namespace
