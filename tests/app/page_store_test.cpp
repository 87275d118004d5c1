// Figures are kept the moment they are finished and come back exactly as
// drawn, in the order drawn; deleting a page or its temporary lines touches
// nothing else.
#include <cstdio>
#include <memory>

#include "app_fixture.h"

namespace {

// One figure of every kind, with texts that break naive SQL quoting.
const std::vector<FigureRecipe> kEveryKind = {
    {1, {{120, -340}, {560, -780}}, nullptr},                            // line
    {3, {{10, -10}, {200, -40}, {90, -300}, {5, -250}}, nullptr},        // polygon
    {4, {{300, -300}, {80, -40}}, nullptr, 0, PS_DASH, 1, 0xFFFFFF, 1},  // filled ellipse
    {6, {{2000, -2700}, {100, -100}}, nullptr},                          // rectangle, any corner order
    {7, {{200, -150}}, "Memo", 0, PS_SOLID, 10, 0, 0, 42},               // text
    {8, {{0, 0}, {2159, -2794}}, nullptr},                               // temporary line
    {7, {{1, -1}}, "it's Bob's 'quoted' text"},                          // single quotes
    {7, {{2, -2}}, "'); DROP TABLE Objects; --"},                        // quote and semicolons
    {7, {{3, -3}}, "Grüße, 東京 ☃ ''"},                                   // non-ASCII UTF-8
    {7, {{4, -4}}, ""},                                                  // empty text, stored as " "
    {2, {{7, -7}, {8, -8}}, nullptr},                                    // kind that draws nothing
};

class PageStoreTest : public AppTest {};

TEST_F(PageStoreTest, EveryKindComesBackIdenticalInDrawnOrder) {
    app.currentPage = 7;
    std::vector<std::string> drawn;
    for (const FigureRecipe& recipe : kEveryKind) drawn.push_back(Finish(recipe));
    EXPECT_EQ(ListTexts(), drawn);  // the live list, before any reload
    app.currentPage = 8;
    Finish({1, {{1, 1}, {2, 2}}, nullptr});  // another page

    Restart();
    app.LoadPage(7);
    EXPECT_EQ(ListTexts(), drawn);
    app.LoadPage(8);
    EXPECT_EQ(ListTexts().size(), 1u);
}

TEST_F(PageStoreTest, AnotherProcessSeesEveryFigureAsStored) {
    app.currentPage = 3;
    std::vector<std::string> drawn;
    for (const FigureRecipe& recipe : kEveryKind) drawn.push_back(Finish(recipe));

    // The sqlite3 program, with the store still open.
    std::unique_ptr<FILE, int (*)(FILE*)> reader(
        popen("sqlite3 -batch Veldrin.dat \"SELECT count(*), sum(objType) FROM Objects "
              "WHERE pageNumber = 3\"",
              "r"),
        pclose);
    ASSERT_NE(reader, nullptr);
    char line[128] = "";
    ASSERT_NE(fgets(line, sizeof(line), reader.get()), nullptr);
    int kindSum = 0;
    for (const FigureRecipe& recipe : kEveryKind) kindSum += recipe.kind;
    EXPECT_EQ(std::string(line), std::to_string(drawn.size()) + "|" + std::to_string(kindSum) + "\n");

    // Byte for byte, through a connection of this test's own.
    EXPECT_EQ(FileColumn("SELECT objData FROM Objects WHERE pageNumber = 3 ORDER BY rowid"), drawn);
}

TEST_F(PageStoreTest, PageQueryUsesTheIndexAndKeepsDrawnOrder) {
    for (int page = 1; page <= 3; ++page) {
        app.currentPage = page;
        for (int i = 0; i < 20; ++i) Finish({1, {{i, -page}, {i + 1, -page}}, nullptr});
    }
    std::vector<std::string> plan;
    app.store->Execute(
        "EXPLAIN QUERY PLAN SELECT * FROM Objects WHERE pageNumber = 2 ORDER BY rowid", &plan,
        [](void* context, int count, char** texts, char**) {
            static_cast<std::vector<std::string>*>(context)->push_back(texts[count - 1]);
            return 0;
        });
    ASSERT_GE(plan.size(), 1u);  // the search, then the sort into drawn order
    EXPECT_NE(plan[0].find("USING COVERING INDEX ObjectsByPage"), std::string::npos) << plan[0];

    // Asking SQLite to return unordered results backwards must not change
    // the order a page is drawn in.
    ASSERT_EQ(app.store->Execute("PRAGMA reverse_unordered_selects=1", nullptr, nullptr), 1);
    app.LoadPage(2);
    std::vector<std::string> texts = ListTexts();
    ASSERT_EQ(texts.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(texts[i], "1;255;0;10;16777215;0;0;28;" + std::to_string(i) + ";-2;" +
                                std::to_string(i + 1) + ";-2;");
    }
}

// Kind sequences on the current page, and what must remain.
struct TemporaryCase {
    std::vector<int> kinds;
    const char* why;
};

const TemporaryCase kTemporaryCases[] = {
    {{8, 8, 8, 1, 8, 6, 8, 8}, "several at the head, mixed kinds, at the tail"},
    {{8, 8, 8}, "nothing but temporary lines"},
    {{1, 8, 8, 6}, "a run in the middle"},
    {{4, 6, 1}, "none at all"},
    {{}, "empty page"},
};

TEST_F(PageStoreTest, DeleteTemporaryObjectsLeavesNoTemporaryLineAnywhere) {
    for (const TemporaryCase& c : kTemporaryCases) {
        app.DeletePage(4);
        app.DeletePage(5);
        app.currentPage = 5;
        for (int i = 0; i < 3; ++i) Finish({8, {{i, 0}, {i, -9}}, nullptr});  // another page
        app.currentPage = 4;
        app.pageObjects->RemoveAll();
        std::vector<int> kept;
        for (int kind : c.kinds) {
            Finish({kind, {{1, -1}, {5, -5}, {9, -1}}, nullptr});
            if (kind != 8) kept.push_back(kind);
        }

        app.DeleteTemporaryObjects(4);
        EXPECT_EQ(ListKinds(), kept) << c.why;
        std::vector<std::string> keptInFile;
        for (int kind : kept) keptInFile.push_back(std::to_string(kind));
        EXPECT_EQ(FileColumn("SELECT objType FROM Objects WHERE pageNumber = 4 ORDER BY rowid"),
                  keptInFile)
            << c.why;
        EXPECT_EQ(FileColumn("SELECT count(*) FROM Objects WHERE pageNumber = 5")[0], "3") << c.why;
    }
}

TEST_F(PageStoreTest, DeleteTemporaryObjectsOfAnotherPageKeepsTheScreen) {
    app.currentPage = 2;
    Finish({8, {{1, 1}, {2, 2}}, nullptr});
    app.currentPage = 1;
    Finish({8, {{1, 1}, {2, 2}}, nullptr});
    app.DeleteTemporaryObjects(2);
    EXPECT_EQ(ListKinds(), (std::vector<int>{8, 8}));  // the screen is not page 2
    EXPECT_EQ(FileColumn("SELECT pageNumber FROM Objects"), std::vector<std::string>{"1"});
}

TEST_F(PageStoreTest, DeletePageEmptiesOnlyThatPage) {
    for (int page : {1, 2, 3}) {
        app.currentPage = page;
        Finish({6, {{1, 1}, {2, 2}}, nullptr});
        Finish({8, {{1, 1}, {2, 2}}, nullptr});
    }
    // The current page: list and rows go, the page number stays.
    app.DeletePage(3);
    EXPECT_EQ(app.currentPage, 3);
    EXPECT_TRUE(ListKinds().empty());
    // Another page: the screen keeps what it shows.
    Finish({1, {{1, 1}, {2, 2}}, nullptr});
    app.DeletePage(1);
    EXPECT_EQ(ListKinds(), std::vector<int>{1});

    Restart();
    EXPECT_EQ(FileColumn("SELECT pageNumber FROM Objects ORDER BY rowid"),
              (std::vector<std::string>{"2", "2", "3"}));
}

// A file from before the page index held whole rows gets the new index
// once, and keeps every row.
TEST_F(PageStoreTest, OlderPageIndexIsRebuiltToHoldWholeRows) {
    Finish({1, {{1, 1}, {2, 2}}, nullptr});
    app.Shutdown();
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(kDatabaseFile, &database), SQLITE_OK);
    sqlite3_exec(database, "DROP INDEX ObjectsByPage; CREATE INDEX ObjectsByPage ON Objects(pageNumber)", nullptr,
                 nullptr, nullptr);
    sqlite3_close(database);
    ASSERT_EQ(app.Initialize(), 1);
    EXPECT_EQ(FileColumn("SELECT count(*) FROM pragma_index_info('ObjectsByPage')")[0], "3");
    EXPECT_EQ(FileColumn("SELECT count(*) FROM Objects")[0], "1");
}

TEST_F(PageStoreTest, SecondRunFindsTablesAndIndexInPlace) {
    Finish({1, {{1, 1}, {2, 2}}, nullptr});
    Restart();
    Restart();
    EXPECT_EQ(FileColumn("SELECT name FROM sqlite_master ORDER BY name"),
              (std::vector<std::string>{"Objects", "ObjectsByPage", "Pages"}));
    EXPECT_EQ(FileColumn("SELECT sql FROM sqlite_master WHERE name = 'Objects'")[0],
              "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER)");
    EXPECT_EQ(FileColumn("SELECT count(*) FROM Objects")[0], "1");
}

}  // namespace
