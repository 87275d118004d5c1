// What the page store relies on when it runs statements and reads rows.
#include <cstring>
#include <string>

#include "store_fixture.h"

namespace {

class StoreContractTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_EQ(store_->Open(folder_.File("contract.dat").c_str()), 1) << store_->GetLastErrorText();
        ASSERT_EQ(store_->Execute("CREATE TABLE T (a INTEGER, b TEXT, c INTEGER)", nullptr, nullptr), 1);
    }
};

TEST_F(StoreContractTest, ColumnsArriveAsTextsAndNullAsEmptyText) {
    ASSERT_EQ(store_->Execute("INSERT INTO T VALUES (7, NULL, -3); INSERT INTO T VALUES (NULL, 'x', 2)",
                              nullptr, nullptr),
              1);
    Rows rows = Query("SELECT * FROM T ORDER BY rowid");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"7", "", "-3"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"", "x", "2"}));
    EXPECT_STREQ(store_->GetLastErrorText(), "");
}

// The page store decodes objData by cutting it up in place; the texts must
// be writable copies that outlive nothing but the callback.
int CutAndCheckWritable(void* context, int columnCount, char** texts, char** names) {
    auto* seen = static_cast<std::string*>(context);
    for (int column = 0; column < columnCount; ++column) {
        EXPECT_NE(texts[column], nullptr);
        EXPECT_NE(names[column], nullptr);
        for (char* at = texts[column]; *at != '\0'; ++at) {
            if (*at == ';') *at = '\0';
        }
        *seen += texts[column];
        *seen += '|';
    }
    return 0;
}

TEST_F(StoreContractTest, ColumnTextsAreWritableCopies) {
    ASSERT_EQ(store_->Execute("INSERT INTO T VALUES (1, 'a;b;c', NULL)", nullptr, nullptr), 1);
    std::string seen;
    ASSERT_EQ(store_->Execute("SELECT * FROM T", &seen, CutAndCheckWritable), 1);
    EXPECT_EQ(seen, "1|a||");
    // The stored row is untouched by what the callback did to its copy.
    EXPECT_EQ(Query("SELECT b FROM T")[0][0], "a;b;c");
}

int StopAfterTwo(void* context, int, char**, char**) {
    int* calls = static_cast<int*>(context);
    return ++*calls >= 2 ? 1 : 0;
}

TEST_F(StoreContractTest, NonZeroCallbackResultStopsTheQuery) {
    for (int i = 0; i < 5; ++i) ASSERT_EQ(store_->Execute("INSERT INTO T VALUES (1, 'r', 1)", nullptr, nullptr), 1);
    int calls = 0;
    EXPECT_EQ(store_->Execute("SELECT * FROM T", &calls, StopAfterTwo), 1);
    EXPECT_EQ(calls, 2);
    // Statements after a stopped query in the same text do not run.
    calls = 0;
    store_->Execute("SELECT * FROM T; DELETE FROM T", &calls, StopAfterTwo);
    EXPECT_EQ(Query("SELECT count(*) FROM T")[0][0], "5");
}

TEST_F(StoreContractTest, FailuresReturnZeroWithAnErrorText) {
    const char* bad[] = {
        "SELEKT * FROM T",                      // syntax error
        "SELECT * FROM Missing",                // no such table
        "INSERT INTO T VALUES (1, 2)",          // wrong value count
        "CREATE TABLE T (a INTEGER)",           // table exists (the page store ignores this)
        "INSERT INTO T VALUES (1,'a',1); bad",  // second statement fails
    };
    for (const char* sql : bad) {
        EXPECT_EQ(store_->Execute(sql, nullptr, nullptr), 0) << sql;
        EXPECT_STRNE(store_->GetLastErrorText(), "") << sql;
    }
    EXPECT_EQ(store_->Execute(nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(store_->Execute("SELECT 1", nullptr, nullptr), 1);
    EXPECT_STREQ(store_->GetLastErrorText(), "");
}

TEST_F(StoreContractTest, ClosedStoreRefusesStatements) {
    EXPECT_EQ(store_->Close(), 1);
    EXPECT_EQ(store_->Execute("SELECT 1", nullptr, nullptr), 0);
    EXPECT_STRNE(store_->GetLastErrorText(), "");
    ASSERT_EQ(store_->Open(folder_.File("contract.dat").c_str()), 1);
    EXPECT_EQ(Query("SELECT count(*) FROM T")[0][0], "0");
}

TEST_F(StoreContractTest, LongTextsAndRowsWithoutCallbackAreHandled) {
    std::string big(1 << 20, 'q');
    std::string sql = "INSERT INTO T VALUES (1, '" + big + "', 1)";
    ASSERT_EQ(store_->Execute(sql.c_str(), nullptr, nullptr), 1);
    EXPECT_EQ(store_->Execute("SELECT * FROM T", nullptr, nullptr), 1);  // rows dropped
    Rows rows = Query("SELECT b FROM T");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], big);
}

TEST_F(StoreContractTest, ConnectionIsDurable) {
    EXPECT_EQ(Query("PRAGMA journal_mode")[0][0], "wal");
    EXPECT_EQ(Query("PRAGMA synchronous")[0][0], "2");  // FULL
    // A lock held elsewhere is waited for, but never long enough to freeze
    // the window.
    const int busyTimeout = std::stoi(Query("PRAGMA busy_timeout")[0][0]);
    EXPECT_GT(busyTimeout, 0);
    EXPECT_LE(busyTimeout, 250);
}

}  // namespace
