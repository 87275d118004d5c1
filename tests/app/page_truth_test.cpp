// The page store tells the truth about what is stored: rows a former run
// left in Veldrin.dat-unsaved are stored exactly once, whatever kills the
// program or keeps the file from going; a second copy started at the same
// moment neither fails nor stores them twice; and "Load Error" says which
// folder cannot be written.
#include <signal.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "app_fixture.h"
#include "child_process.h"
#include "unsaved_file.h"

namespace {

constexpr char kUnsaved[] = "Veldrin.dat-unsaved";
constexpr int kPendingRows = 2000;

std::string Bytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

class PageTruthTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The database exists and holds nothing.
        ASSERT_EQ(app.Initialize(), 1);
        app.Shutdown();
    }
    void TearDown() override { app.Shutdown(); }

    // What a run killed while the file refused its figures leaves behind.
    static void WritePending() {
        KeptRows rows;
        for (int i = 0; i < kPendingRows; ++i) {
            KeptRow row;
            row.pageNumber = 1 + i % 5;
            row.kind = 1;
            row.objData = CopyText(("1;0;0;1;0;0;0;28;" + std::to_string(i) + ";-1;5;-5;").c_str());
            ASSERT_TRUE(rows.Add(std::move(row)));
        }
        ASSERT_TRUE(WriteUnsavedFile(kUnsaved, rows, 0));
    }

    // Rows in the file, and how many of them are different.
    static std::pair<int, int> StoredCounts() {
        sqlite3* database = nullptr;
        std::pair<int, int> counts{-1, -1};
        if (sqlite3_open_v2(kDatabaseFile, &database, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_stmt* statement = nullptr;
            sqlite3_prepare_v2(database, "SELECT count(*), count(DISTINCT objData) FROM Objects", -1, &statement,
                               nullptr);
            if (sqlite3_step(statement) == SQLITE_ROW) {
                counts = {sqlite3_column_int(statement, 0), sqlite3_column_int(statement, 1)};
            }
            sqlite3_finalize(statement);
        }
        sqlite3_close(database);
        return counts;
    }

    // A whole run in a child process: start, then end.
    static pid_t StartRun() {
        pid_t child = fork();
        if (child == 0) {
            Application& record = TheApplication();
            const int started = record.Initialize();
            const int fault = static_cast<int>(record.DatabaseFault());
            record.Shutdown();
            _exit(started == 1 ? 0 : 10 + fault);
        }
        return child;
    }

    Application& app = TheApplication();
    TempFolder folder_{true};
};

// Killed at any moment of a start-up that stores 2 000 pending rows, the
// next start still finds each row exactly once. The kills come ever later,
// from the first millisecond on, so the early ones interrupt a start-up
// however fast the machine is and the later ones land in the storing.
TEST_F(PageTruthTest, PendingRowsSurviveSigkillDuringStartUpStoredOnce) {
    WritePending();
    std::mt19937 random(20261209);
    int killed = 0;
    for (int attempt = 0; attempt < 10; ++attempt) {
        const pid_t child = StartRun();
        ASSERT_GT(child, 0);
        const useconds_t earliest = 1000u << attempt;
        usleep(std::uniform_int_distribution<useconds_t>(earliest, 2 * earliest)(random));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (WIFSIGNALED(status)) {
            ++killed;
        } else {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
    }
    EXPECT_GT(killed, 0) << "no start-up was interrupted";
    ASSERT_EQ(app.Initialize(), 1);
    app.Shutdown();
    EXPECT_EQ(StoredCounts(), std::make_pair(kPendingRows, kPendingRows));
    EXPECT_NE(access(kUnsaved, F_OK), 0);
}

// A file that stays after its rows were stored (it could not be removed),
// one from before files had tokens, and a second start: stored once. A
// file a killed run did not finish writing goes.
TEST_F(PageTruthTest, AFileStoredOnceIsNeverStoredAgain) {
    for (bool withToken : {true, false}) {
        SCOPED_TRACE(withToken ? "file with its token" : "file from before tokens");
        std::remove(kDatabaseFile);
        WritePending();
        std::string bytes = Bytes(kUnsaved);
        if (!withToken) bytes.erase(0, bytes.find('\n') + 1);
        std::ofstream(kUnsaved, std::ios::binary) << bytes;
        std::ofstream(std::string(kUnsaved) + ".tmp") << "1 1 3\nhal";
        for (int run = 0; run < 3; ++run) {
            ASSERT_EQ(app.Initialize(), 1);
            app.Shutdown();
            EXPECT_EQ(StoredCounts(), std::make_pair(kPendingRows, kPendingRows)) << "run " << run;
            std::ofstream(kUnsaved, std::ios::binary) << bytes;  // as if removing it had failed
        }
        EXPECT_NE(access((std::string(kUnsaved) + ".tmp").c_str(), F_OK), 0);
    }
}

// Two copies started together on a drawing folder with pending rows:
// neither shows "Load Error" (the one that waits for the other's lock
// still opens the file), and the rows are stored once.
TEST_F(PageTruthTest, TwoCopiesStartedAtOnceBothStartAndStoreOnce) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        sqlite3* database = nullptr;
        ASSERT_EQ(sqlite3_open(kDatabaseFile, &database), SQLITE_OK);
        sqlite3_exec(database, "DELETE FROM Objects; PRAGMA user_version = 0", nullptr, nullptr, nullptr);
        sqlite3_close(database);
        WritePending();
        const pid_t first = StartRun(), second = StartRun();
        for (pid_t child : {first, second}) {
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "attempt " << attempt << ", exit code (10 + the fault when opening failed) "
                << WEXITSTATUS(status);
        }
        EXPECT_EQ(StoredCounts(), std::make_pair(kPendingRows, kPendingRows)) << "attempt " << attempt;
    }
}

// A folder the user may not write is named as the cause.
TEST_F(PageTruthTest, AFolderThatCannotBeWrittenIsTheFault) {
    std::remove(kDatabaseFile);
    chmod(folder_.Path().c_str(), 0555);
    const int result = RunInChild(
        [] {
            Application record;
            return record.Initialize() == 0 && record.DatabaseFault() == PageStore::OpenFault::FolderNotWritable
                       ? 0
                       : 1;
        },
        true);
    if (result == kNoUnprivilegedUser) GTEST_SKIP() << "no unprivileged user to run as";
    EXPECT_EQ(result, 0);
}

}  // namespace
