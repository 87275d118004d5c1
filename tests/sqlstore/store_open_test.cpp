// Open refuses a file it cannot keep figures in, and a second process
// holding the file makes statements wait instead of fail.
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "child_process.h"
#include "store_fixture.h"

namespace {

class StoreOpenTest : public StoreTest {
protected:
    // A valid database file with one table, made with SQLite directly.
    void MakeDatabase(const std::string& path) {
        sqlite3* database = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &database), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(database, "CREATE TABLE T (a)", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(database);
    }
    void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Bytes(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    std::set<std::string> Files() {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) names.insert(entry.path().filename());
        return names;
    }
    // A file in WAL mode, as the store makes a new one, with one row.
    void MakeStoreFile(const std::string& path) {
        ASSERT_EQ(store_->Open(path.c_str()), 1) << store_->GetLastErrorText();
        ASSERT_EQ(store_->Execute("CREATE TABLE T (a); INSERT INTO T VALUES ('kept')", nullptr, nullptr), 1);
        ASSERT_EQ(store_->Close(), 1);
    }
    // Opens `path` in a child that cannot override file permissions.
    int OpenUnprivileged(const std::string& path) {
        chmod(folder_.Path().c_str(), 0755);
        return RunInChild([&] { return store_->Open(path.c_str()); }, true);
    }
};

TEST_F(StoreOpenTest, CreatesAnAbsentFileAndReopensIt) {
    std::string path = folder_.File("new.dat");
    ASSERT_EQ(store_->Open(path.c_str()), 1) << store_->GetLastErrorText();
    EXPECT_EQ(access(path.c_str(), F_OK), 0);
    ASSERT_EQ(store_->Execute("CREATE TABLE T (a); INSERT INTO T VALUES ('kept')", nullptr, nullptr), 1);
    ASSERT_EQ(store_->Close(), 1);
    ASSERT_EQ(store_->Open(path.c_str()), 1);
    EXPECT_EQ(Query("SELECT a FROM T")[0][0], "kept");
}

TEST_F(StoreOpenTest, EmptyFileIsAnEmptyDatabase) {
    std::string path = folder_.File("empty.dat");
    WriteFile(path, "");
    EXPECT_EQ(store_->Open(path.c_str()), 1) << store_->GetLastErrorText();
}

TEST_F(StoreOpenTest, RefusesFilesThatAreNotDatabases) {
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"text.dat", "this is a letter, not a database\n"},          // plain text
        {"zeros.dat", std::string(4096, '\0')},                        // header missing
        {"header.dat", std::string("SQLite format 3") + '\0' + std::string(200, 'x')},  // bad page size
    };
    for (const Case& c : cases) {
        std::string path = folder_.File(c.name);
        WriteFile(path, c.bytes);
        EXPECT_EQ(store_->Open(path.c_str()), 0) << c.name;
        EXPECT_STRNE(store_->GetLastErrorText(), "") << c.name;
        EXPECT_EQ(store_->Execute("SELECT 1", nullptr, nullptr), 0) << "store left open on " << c.name;
    }
    mkdir(folder_.File("folder.dat").c_str(), 0700);
    EXPECT_EQ(store_->Open(folder_.File("folder.dat").c_str()), 0);  // a directory
    EXPECT_EQ(store_->Open(nullptr), 0);
}

TEST_F(StoreOpenTest, RefusesFilesItCannotWrite) {
    if (RunInChild([] { return 0; }, true) == kNoUnprivilegedUser) GTEST_SKIP() << "cannot drop root";
    // A database file without write permission, in a writable folder.
    std::string readOnlyFile = folder_.File("readonly.dat");
    MakeDatabase(readOnlyFile);
    chmod(readOnlyFile.c_str(), 0444);
    EXPECT_EQ(OpenUnprivileged(readOnlyFile), 0);

    // A folder nobody may write: an absent file cannot be created, and an
    // existing writable file cannot get its journal.
    std::string lockedFolder = folder_.File("locked");
    mkdir(lockedFolder.c_str(), 0777);
    std::string writableInLocked = lockedFolder + "/writable.dat";
    MakeDatabase(writableInLocked);
    chmod(writableInLocked.c_str(), 0666);
    chmod(lockedFolder.c_str(), 0555);
    EXPECT_EQ(OpenUnprivileged(lockedFolder + "/absent.dat"), 0);
    EXPECT_EQ(OpenUnprivileged(writableInLocked), 0);

    // The same user may open a writable file in a writable folder.
    chmod(lockedFolder.c_str(), 0777);
    EXPECT_EQ(OpenUnprivileged(writableInLocked), 1);
}

// A "file:...?mode=ro" name reads a file and writes nothing: not a byte of
// the file changes, no log is left beside it, an absent file is not made,
// and statements that would write fail.
TEST_F(StoreOpenTest, ReadOnlyNameReadsAndWritesNothing) {
    const std::string path = folder_.File("notebook.dat");
    MakeStoreFile(path);
    const std::string bytes = Bytes(path);
    const std::set<std::string> files = Files();

    ASSERT_EQ(store_->Open(("file:" + path + "?mode=ro").c_str()), 1) << store_->GetLastErrorText();
    EXPECT_EQ(Query("SELECT a FROM T"), (Rows{{"kept"}}));
    EXPECT_EQ(store_->Execute("INSERT INTO T VALUES ('not kept')", nullptr, nullptr), 0);
    EXPECT_EQ(std::string(store_->GetLastErrorText()).rfind(ZISQL_NOT_WRITABLE, 0), 0u) << store_->GetLastErrorText();
    ASSERT_EQ(store_->Close(), 1);
    EXPECT_EQ(Bytes(path), bytes);
    EXPECT_EQ(Files(), files);

    EXPECT_EQ(store_->Open(("file:" + folder_.File("absent.dat") + "?mode=ro").c_str()), 0);
    EXPECT_EQ(Files(), files);
}

// Where the program could not write (a file and folder of someone else),
// a read-only name still reads.
TEST_F(StoreOpenTest, ReadOnlyNameReadsWhereNothingMayBeWritten) {
    if (RunInChild([] { return 0; }, true) == kNoUnprivilegedUser) GTEST_SKIP() << "cannot drop root";
    const std::string lockedFolder = folder_.File("locked");
    mkdir(lockedFolder.c_str(), 0755);
    const std::string path = lockedFolder + "/notebook.dat";
    MakeStoreFile(path);
    chmod(path.c_str(), 0444);
    chmod(lockedFolder.c_str(), 0555);
    EXPECT_EQ(OpenUnprivileged(path), 0);
    EXPECT_EQ(OpenUnprivileged("file:" + path + "?mode=ro"), 1);
}

// A writer that comes while a reader reads keeps its log: the reader only
// removes logs no other connection uses, and the writer's rows stay.
TEST_F(StoreOpenTest, ReadOnlyConnectionLeavesTheLogOfAWriterThatCameMeanwhile) {
    const std::string path = folder_.File("notebook.dat");
    MakeStoreFile(path);
    ASSERT_EQ(store_->Open(("file:" + path + "?mode=ro").c_str()), 1);
    EXPECT_EQ(Query("SELECT count(*) FROM T"), (Rows{{"1"}}));

    auto* writer = static_cast<ZISqllite*>(loader_.CreateComponent("ZISqllite.DLL", "ZISqllite", 100));
    ASSERT_NE(writer, nullptr);
    ASSERT_EQ(writer->Open(path.c_str()), 1) << writer->GetLastErrorText();
    ASSERT_EQ(writer->Execute("INSERT INTO T VALUES ('while read')", nullptr, nullptr), 1);
    ASSERT_EQ(store_->Close(), 1);
    EXPECT_TRUE(std::filesystem::exists(path + "-wal")) << "the writer's log was removed";
    EXPECT_EQ(writer->Execute("INSERT INTO T VALUES ('after')", nullptr, nullptr), 1);
    writer->Release();

    ASSERT_EQ(store_->Open(path.c_str()), 1);
    EXPECT_EQ(Query("SELECT a FROM T ORDER BY rowid"), (Rows{{"kept"}, {"while read"}, {"after"}}));
}

// A second process holding the write lock makes a statement wait a moment,
// then fail rather than freeze the window; once the lock is gone, it works.
TEST_F(StoreOpenTest, SecondProcessHoldingTheFileMakesAStatementWaitAMomentOnly) {
    std::string path = folder_.File("shared.dat");
    ASSERT_EQ(store_->Open(path.c_str()), 1);
    ASSERT_EQ(store_->Execute("CREATE TABLE T (a)", nullptr, nullptr), 1);

    int ready[2], release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    pid_t child = fork();
    if (child == 0) {
        // Hold the write lock until the parent is done waiting (or gone:
        // the read then ends without a byte), then commit.
        close(ready[0]);
        close(release[1]);
        sqlite3* database = nullptr;
        sqlite3_open(path.c_str(), &database);
        int status = sqlite3_exec(database, "BEGIN IMMEDIATE; INSERT INTO T VALUES ('child')",
                                  nullptr, nullptr, nullptr);
        char signal = status == SQLITE_OK ? 'y' : 'n';
        if (write(ready[1], &signal, 1) != 1) _exit(2);
        if (read(release[0], &signal, 1) != 1) _exit(3);
        status = sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(database);
        _exit(status == SQLITE_OK ? 0 : 1);
    }
    ASSERT_GT(child, 0);
    close(ready[1]);
    close(release[0]);
    char signal = 0;
    EXPECT_EQ(read(ready[0], &signal, 1), 1);
    EXPECT_EQ(signal, 'y');

    // The lock is held however long this process is held up, so the insert
    // must fail; the ceiling only tells a moment from a freeze.
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(store_->Execute("INSERT INTO T VALUES ('parent')", nullptr, nullptr), 0);
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(50)) << "the insert did not wait for the lock";
    EXPECT_LT(waited, std::chrono::seconds(2));
    EXPECT_STRNE(store_->GetLastErrorText(), "");

    signal = 'c';
    EXPECT_EQ(write(release[1], &signal, 1), 1);
    close(release[1]);
    close(ready[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    EXPECT_EQ(store_->Execute("INSERT INTO T VALUES ('parent')", nullptr, nullptr), 1);
    EXPECT_EQ(Query("SELECT a FROM T ORDER BY rowid"),
              (Rows{{"child"}, {"parent"}}));
}

}  // namespace
