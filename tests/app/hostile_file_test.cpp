// A Veldrin.dat that came from someone else: tables of another shape, a
// damaged file, triggers waiting on the Objects table. The program refuses
// what is not its own or not sound, without changing a byte of it, and
// never runs SQL that came with the file.
#include <fstream>
#include <iterator>
#include <string>

#include "app_fixture.h"

namespace {

std::string Bytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void RunSql(const std::string& sql) {
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(kDatabaseFile, &database), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(database, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(database);
}

// A file of the program's shape with figures on several pages, in the
// rollback-journal mode of a file another tool made.
void MakeProgramFile(int rows) {
    RunSql("CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER);"
        "CREATE TABLE Pages (pageNumber INTEGER, pageName TEXT, pageKeys TEXT);"
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(rows - 1) +
        ") INSERT INTO Objects SELECT i % 7, '6;0;0;10;0;0;0;28;' || i || ';-' || i || ';' || (i + 50) || ';-' || "
        "(i + 50) || ';', 6 FROM n");
}

struct Opened {
    int result;
    PageStore::OpenFault fault;
};

Opened OpenRecord() {
    Application record;
    Opened opened{record.Initialize(), record.DatabaseFault()};
    return opened;
}

TEST(HostileFileTest, TablesOfAnotherShapeAreRefusedUntouched) {
    const char* shapes[] = {
        "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT)",
        "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER, extra TEXT)",
        "CREATE TABLE Objects (page INTEGER, data TEXT, type INTEGER)",
        "CREATE TABLE T (pageNumber, objData, objType); CREATE VIEW Objects AS SELECT * FROM T",
        "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER);"
        "CREATE TABLE Pages (name TEXT)",
        // The right columns, but pages could not be read in drawing order,
        // rows not taken out one by one, or a second equal figure stored.
        "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER, "
        "PRIMARY KEY (pageNumber, objData)) WITHOUT ROWID",
        "CREATE TABLE Objects (pageNumber INTEGER PRIMARY KEY, objData TEXT, objType INTEGER)",
        "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT UNIQUE, objType INTEGER)",
        "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER);"
        "CREATE UNIQUE INDEX One ON Objects(pageNumber)",
    };
    for (const char* shape : shapes) {
        TempFolder folder(true);
        RunSql(shape);
        const std::string before = Bytes(kDatabaseFile);
        const Opened opened = OpenRecord();
        EXPECT_EQ(opened.result, 0) << shape;
        EXPECT_EQ(opened.fault, PageStore::OpenFault::NotOurs) << shape;
        EXPECT_EQ(Bytes(kDatabaseFile), before) << shape;
    }
}

// Flipped bytes in the middle of the table, a zeroed quarter, a damaged
// index: each is found at open, and the file is left exactly as it was.
TEST(HostileFileTest, DamagedFilesAreRefusedUntouched) {
    struct Damage {
        const char* what;
        double from, to;  // parts of the file overwritten
        char with;
    } damages[] = {
        {"flipped bytes", 0.5, 0.502, '\x5A'},
        {"a zeroed quarter", 0.25, 0.5, '\0'},
        {"the index's last pages", 0.96, 1.0, '\x01'},
    };
    for (const Damage& damage : damages) {
        TempFolder folder(true);
        MakeProgramFile(20000);
        RunSql("CREATE INDEX ObjectsByPage ON Objects(pageNumber)");
        std::string bytes = Bytes(kDatabaseFile);
        const std::size_t from = static_cast<std::size_t>(bytes.size() * damage.from) / 4096 * 4096;
        const std::size_t to = static_cast<std::size_t>(bytes.size() * damage.to);
        for (std::size_t i = std::max<std::size_t>(from, 4096); i < to; ++i) bytes[i] = damage.with;
        std::ofstream(kDatabaseFile, std::ios::binary) << bytes;

        const Opened opened = OpenRecord();
        EXPECT_EQ(opened.result, 0) << damage.what;
        EXPECT_EQ(opened.fault, PageStore::OpenFault::Damaged) << damage.what;
        EXPECT_EQ(Bytes(kDatabaseFile), bytes) << damage.what;
    }
}


// Triggers that came with the file never run: not on the program's own
// inserts, nor on deletes, and every good row still loads.
TEST(HostileFileTest, TriggersInTheFileNeverRun) {
    TempFolder folder(true);
    MakeProgramFile(10);
    RunSql("CREATE TRIGGER Planted AFTER INSERT ON Objects BEGIN "
        "INSERT INTO Pages VALUES (666, 'planted', 'x'); DELETE FROM Objects WHERE rowid < 5; END;"
        "CREATE TRIGGER Kept BEFORE DELETE ON Objects BEGIN SELECT RAISE(ABORT, 'kept'); END");
    Application record;
    ASSERT_EQ(record.Initialize(), 1);
    record.currentPage = 3;
    DrawObject* object = record.surface->CreateObject();
    object->AddPoint(1, -1);
    object->AddPoint(2, -2);
    object->SetKind(1);
    record.pageObjects->AddTail(object);
    record.SaveObject(object);
    object->Release();
    record.DeletePage(5);
    record.LoadPage(0);
    int loaded = 0;
    for (auto* figure = record.pageObjects->First(); figure != nullptr; figure = record.pageObjects->Next()) ++loaded;
    EXPECT_EQ(loaded, 2);  // rows 0 and 7 of page 0, none deleted by the planted trigger
    record.Shutdown();

    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(kDatabaseFile, &database), SQLITE_OK);
    auto count = [&](const char* sql) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(database, sql, -1, &statement, nullptr);
        const int value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
        sqlite3_finalize(statement);
        return value;
    };
    EXPECT_EQ(count("SELECT count(*) FROM Pages"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Objects"), 10 + 1 - 1);  // one added, page 5's one deleted
    sqlite3_close(database);
}

}  // namespace
