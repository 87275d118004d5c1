// Rows the program never wrote (another tool, a damaged file) load without
// harm: nothing crashes and the good rows around them still come back.
#include <string>

#include "app_fixture.h"

namespace {

class BadRowsTest : public AppTest {
protected:
    void Insert(const std::string& sql) {
        sqlite3* database = nullptr;
        ASSERT_EQ(sqlite3_open(kDatabaseFile, &database), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(database, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        sqlite3_close(database);
    }
};

TEST_F(BadRowsTest, BadRowsAreSkippedOrDecodedHarmlessly) {
    app.currentPage = 9;
    std::string first = Finish({1, {{1, -1}, {2, -2}}, nullptr});
    const std::string bad[] = {
        "(9, NULL, 1)",                                                 // no objData
        "(9, '', 7)",                                                   // empty objData
        "(9, 'garbage text without fields', 1)",                        // no numbers at all
        "(9, '1;99999999999999999999;-99999999999999999999;1;0;0;0;8;"
        "2147483648;-2147483649;1e9;0x7f;', 1)",                        // numbers out of range
        "(9, '3;0;0;1;0;0;0;8;1;1;2;2;3', 3)",                          // polygon with a dangling x
        "(9, '7;0;0;1;0;0;0;8;5;6;' || hex(zeroblob(500000)) || ';', 7)",  // a text of 1 000 000 bytes
        "(9, '7;0;0;1;0;0;0;8;5;6;' || hex(zeroblob(600000)) || ';', 7)",  // over 1 MB: skipped
        "(9, X'00FF00', NULL)",                                         // a blob
        "(9, 12345, 'not a kind')",                                     // wrong column types
    };
    for (const std::string& values : bad) Insert("INSERT INTO Objects VALUES " + values);
    std::string last = Finish({6, {{3, -3}, {4, -4}}, nullptr});

    Restart();
    app.LoadPage(9);
    std::vector<std::string> texts = ListTexts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts.front(), first);
    EXPECT_EQ(texts.back(), last);
    // The text under the limit came back whole; the row over it was skipped.
    int longTexts = 0;
    for (const std::string& text : texts) longTexts += text.size() > 1000000u ? 1 : 0;
    EXPECT_EQ(longTexts, 1);
    // Drawing every decoded object must not crash either.
    for (auto* object = static_cast<DrawObject*>(app.pageObjects->First()); object != nullptr;
         object = static_cast<DrawObject*>(app.pageObjects->Next())) {
        object->Draw();
    }
}

// A polygon row of 70 000 points keeps its first 65 536: no hand draws
// near that many, and drawing them all would freeze every repaint.
TEST_F(BadRowsTest, HugePolygonKeepsItsFirst65536Points) {
    Insert("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 69999) "
           "INSERT INTO Objects SELECT 1, '3;0;0;1;0;0;0;8;' || group_concat(i || ';' || -i, ';') || ';', 3 FROM n");
    app.LoadPage(1);
    auto* polygon = static_cast<DrawObject*>(app.pageObjects->First());
    ASSERT_NE(polygon, nullptr);
    const std::string text = EncodeText(polygon);
    EXPECT_NE(text.find(";65535;-65535;"), std::string::npos);
    EXPECT_EQ(text.find(";65536;-65536;"), std::string::npos);
}

// The page query's rows are rowid, pageNumber, objData, objType.
TEST_F(BadRowsTest, RowOfAnotherShapeStopsTheQuery) {
    char rowid[] = "7";
    char page[] = "1";
    char objData[] = "1;0;0;1;0;0;0;8;1;2;3;4;";
    char kind[] = "1";
    char* threeColumns[] = {page, objData, kind};
    EXPECT_EQ(Application::RowToObject(&app, 3, threeColumns, nullptr), 1);
    char* fiveColumns[] = {rowid, page, objData, kind, kind};
    EXPECT_EQ(Application::RowToObject(&app, 5, fiveColumns, nullptr), 1);
    EXPECT_TRUE(ListKinds().empty());
    char* fourColumns[] = {rowid, page, objData, kind};
    EXPECT_EQ(Application::RowToObject(&app, 4, fourColumns, nullptr), 0);
    EXPECT_EQ(ListTexts(), std::vector<std::string>{"1;0;0;1;0;0;0;8;1;2;3;4;"});
}

}  // namespace
