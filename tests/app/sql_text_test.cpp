// Insert statements hold any objData text exactly, whatever its length.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "sql_text.h"

namespace {

// Runs the statement on a memory database and reads objData back.
std::string RoundTrip(const char* statement) {
    sqlite3* database = nullptr;
    sqlite3_open(":memory:", &database);
    std::string back = "(not stored)";
    sqlite3_exec(database, "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER)",
                 nullptr, nullptr, nullptr);
    if (sqlite3_exec(database, statement, nullptr, nullptr, nullptr) == SQLITE_OK) {
        sqlite3_exec(
            database, "SELECT objData FROM Objects", [](void* context, int, char** texts, char**) {
                *static_cast<std::string*>(context) = texts[0];
                return 0;
            },
            &back, nullptr);
    }
    sqlite3_close(database);
    return back;
}

TEST(SqlTextTest, InsertStatementQuotesAndSizesExactly) {
    const struct {
        std::string objData;
        const char* why;
    } cases[] = {
        {"1;255;0;10;0;0;0;28;120;-340;560;-780;", "plain figure"},
        {"7;0;0;1;0;0;0;8;5;6;it's;", "one quote"},
        {"7;0;0;1;0;0;0;8;5;6;'''';", "only quotes"},
        {"7;0;0;1;0;0;0;8;5;6;'); DELETE FROM Objects; --;", "statement inside the text"},
        {"7;0;0;1;0;0;0;8;5;6;Größe ☃;", "UTF-8"},
        {std::string(300000, '\''), "a long text of quotes"},
        {"", "empty"},
    };
    for (const auto& c : cases) {
        OwnedText statement = BuildInsertStatement(-2147483647 - 1, c.objData.c_str(), -2147483647 - 1);
        ASSERT_NE(statement, nullptr);
        EXPECT_EQ(RoundTrip(statement.get()), c.objData) << c.why;
    }
    EXPECT_STREQ(BuildInsertStatement(3, "a'b", 7).get(), "INSERT INTO Objects VALUES (3, 'a''b', 7)");
}

}  // namespace
