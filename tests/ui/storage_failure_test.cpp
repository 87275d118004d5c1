// Storage failing under the running program, injected through a SQLite VFS
// that fails writes, syncs or reads on demand: no figure is lost or stored
// twice, their order holds, and the caption says what is not yet stored.
#include <sqlite3.h>

#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "failing_vfs.h"
#include "main_window_fixture.h"
#include "win_main.h"

namespace {

using failing_vfs::Inject;

class StorageFailureTest : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(failing_vfs::Install());  // before the store opens its file
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        Inject(failing_vfs::kNone);
        MainWindowTest::TearDown();
    }

    std::string Caption() {
        char text[256] = "";
        GetWindowTextA(window, text, sizeof(text));
        return text;
    }
    std::vector<std::string> Stored() { return FileColumn("SELECT objData FROM Objects ORDER BY rowid"); }
    // A line of its own for every number.
    std::string Draw(int n) { return Finish({1, {{n, -n}, {n + 50, -n - 50}}, nullptr}); }
    // A line stored on the page by another connection and moved into the
    // main file, so the program reads the file again from disk.
    static void StoreElsewhere(int pageNumber) {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(kDatabaseFile, &other), SQLITE_OK);
        const std::string sql = "INSERT INTO Objects VALUES (" + std::to_string(pageNumber) +
                                ", '1;0;0;1;0;0;0;8;1;1;2;2;', 1); PRAGMA wal_checkpoint(TRUNCATE)";
        sqlite3_exec(other, sql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(other);
    }
};

TEST_F(StorageFailureTest, FiguresKeptWhileWritesOrSyncsFailAreStoredInOrderOnce) {
    std::vector<std::string> drawn;
    int n = 0;
    for (unsigned fault : {failing_vfs::kWrites, failing_vfs::kSyncs}) {
        Inject(fault);
        for (int i = 0; i < 3; ++i) drawn.push_back(Draw(++n));
        EXPECT_GT(failing_vfs::Refusals(), 0);
        EXPECT_EQ(Caption(), "Tarnwick v1.00 - 3 figures not saved") << fault;
        EXPECT_EQ(ListTexts(), drawn) << "kept figures stay on screen";
        Inject(failing_vfs::kNone);
        drawn.push_back(Draw(++n));
        EXPECT_EQ(Caption(), "Tarnwick v1.00");
        EXPECT_EQ(Stored(), drawn) << fault;
    }
}

// The end of the run writes what is kept, and a page shown again shows its
// kept figures.
TEST_F(StorageFailureTest, KeptFiguresShowOnTheirPageAndTheEndOfTheRunStoresThem) {
    Inject(failing_vfs::kWrites);
    const std::vector<std::string> drawn = {Draw(1), Draw(2)};
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - 2 figures not saved");
    Command(ID_NEXT_PAGE);
    EXPECT_TRUE(ListTexts().empty());
    Command(ID_PREVIOUS_PAGE);
    EXPECT_EQ(ListTexts(), drawn);
    Inject(failing_vfs::kNone);
    DestroyWindow(window);
    window = nullptr;
    app.Shutdown();
    EXPECT_EQ(Stored(), drawn);
    ASSERT_EQ(app.Initialize(), 1);
}

// A run that ends while the file still refuses them leaves the kept
// figures beside it; the next run stores them first, in order, once.
TEST_F(StorageFailureTest, FiguresStillKeptAtTheEndAreStoredByTheNextRun) {
    Inject(failing_vfs::kWrites);
    std::vector<std::string> drawn = {Draw(1), Draw(2), Finish({7, {{5, -5}}, "a\nb;'c"})};
    DestroyWindow(window);
    window = nullptr;
    app.Shutdown();
    Inject(failing_vfs::kNone);
    EXPECT_TRUE(Stored().empty());
    EXPECT_EQ(access("Veldrin.dat-unsaved", F_OK), 0);

    ASSERT_EQ(app.Initialize(), 1);
    drawn.push_back(Draw(3));
    EXPECT_EQ(Stored(), drawn);
    EXPECT_NE(access("Veldrin.dat-unsaved", F_OK), 0);
    app.Shutdown();
    ASSERT_EQ(app.Initialize(), 1);
    EXPECT_EQ(Stored(), drawn) << "stored once only";
}

// Another program holding the file's write lock holds the window up for a
// moment only; the figure is stored with the next page change.
TEST_F(StorageFailureTest, ALockHeldElsewhereNeverFreezesTheWindow) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(kDatabaseFile, &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    // The lock stays until this test lets it go, so the figure is kept
    // however slowly the machine runs; the ceiling tells a moment from a freeze.
    const auto start = std::chrono::steady_clock::now();
    const std::string drawn = Draw(1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - 1 figure not saved");
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    Command(ID_NEXT_PAGE);
    EXPECT_EQ(Caption(), "Tarnwick v1.00");
    EXPECT_EQ(Stored(), std::vector<std::string>{drawn});
}

// A page deleted while the file cannot be written shows again what is
// stored, and the caption names the page that was not deleted, wherever the
// user goes, until that page is shown anew or deleted.
TEST_F(StorageFailureTest, AFailedDeleteShowsWhatIsStoredAndNamesItsPage) {
    AnswerModals([](const ModalRequest&) { return IDYES; });
    const std::vector<std::string> drawn = {Draw(1), Draw(2)};
    Inject(failing_vfs::kWrites);
    Command(ID_DELETE_PAGE);
    EXPECT_EQ(ListTexts(), drawn);
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - page 1 not deleted");
    Inject(failing_vfs::kNone);
    Command(ID_NEXT_PAGE);
    Draw(3);
    Command(ID_DELETE_PAGE);  // page 2, deleted
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - page 1 not deleted");
    Command(ID_PREVIOUS_PAGE);
    EXPECT_EQ(Caption(), "Tarnwick v1.00");
    Command(ID_DELETE_PAGE);
    EXPECT_TRUE(ListTexts().empty());
    EXPECT_EQ(Caption(), "Tarnwick v1.00");
    EXPECT_TRUE(Stored().empty());
}

// Undo while the file refuses: a figure only kept in memory is undone by
// not writing it; a stored one that cannot be taken out stays, on screen
// too, and the caption says so until undo works; rows put back wait among
// the kept figures and reach the file in their old places.
TEST_F(StorageFailureTest, UndoWhileTheFileRefusesLosesNothing) {
    AnswerModals([](const ModalRequest&) { return IDYES; });
    const std::vector<std::string> drawn = {Draw(1), Draw(2)};
    Inject(failing_vfs::kWrites);
    Draw(3);
    Command(ID_UNDO);
    EXPECT_EQ(Caption(), "Tarnwick v1.00");
    EXPECT_EQ(ListTexts(), drawn);

    Command(ID_UNDO);
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - undo on page 1 not done");
    EXPECT_EQ(ListTexts(), drawn);
    Inject(failing_vfs::kNone);
    Command(ID_UNDO);
    EXPECT_EQ(Caption(), "Tarnwick v1.00");
    EXPECT_EQ(ListTexts(), std::vector<std::string>{drawn[0]});
    Command(ID_REDO);
    const std::vector<std::string> rowids = FileColumn("SELECT rowid FROM Objects ORDER BY rowid");

    Command(ID_DELETE_PAGE);
    Inject(failing_vfs::kWrites);
    Command(ID_UNDO);
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - 2 figures not saved");
    EXPECT_EQ(ListTexts(), drawn);
    Inject(failing_vfs::kNone);
    Command(ID_NEXT_PAGE);
    EXPECT_EQ(Caption(), "Tarnwick v1.00");
    EXPECT_EQ(Stored(), drawn);
    EXPECT_EQ(FileColumn("SELECT rowid FROM Objects ORDER BY rowid"), rowids);
}

// An erase the file refuses (writes failing, a lock held elsewhere) leaves
// the figure on screen and in the file, and the caption names its page
// until an erase there works. A figure still kept in memory has no row to
// take out: it stays too, until the file takes it and then lets it go.
TEST_F(StorageFailureTest, AnEraseTheFileRefusesLeavesTheFigureAndSaysSo) {
    const std::string upper = Finish({1, {{300, -300}, {900, -300}}, nullptr});
    const std::string lower = Finish({1, {{300, -600}, {900, -600}}, nullptr});
    const POINT onUpper = OnCanvas({600, -300}), onLower = OnCanvas({600, -600}), onKept = OnCanvas({600, -900});
    Command(ID_ERASE);
    Inject(failing_vfs::kWrites);
    Click(onLower.x, onLower.y);
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - figure on page 1 not erased");
    EXPECT_EQ(ListTexts(), (std::vector<std::string>{upper, lower}));
    Inject(failing_vfs::kNone);
    EXPECT_EQ(Stored(), (std::vector<std::string>{upper, lower}));
    Click(onLower.x, onLower.y);
    EXPECT_EQ(Caption(), "Tarnwick v1.00");
    EXPECT_EQ(Stored(), std::vector<std::string>{upper});

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(kDatabaseFile, &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    const auto start = std::chrono::steady_clock::now();
    Click(onUpper.x, onUpper.y);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - figure on page 1 not erased");
    EXPECT_EQ(ListTexts(), std::vector<std::string>{upper});
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    Click(onUpper.x, onUpper.y);
    EXPECT_TRUE(Stored().empty());

    Inject(failing_vfs::kWrites);
    const std::string kept = Finish({1, {{300, -900}, {900, -900}}, nullptr});
    Click(onKept.x, onKept.y);
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - 1 figure not saved - figure on page 1 not erased");
    EXPECT_EQ(ListTexts(), std::vector<std::string>{kept});
    Inject(failing_vfs::kNone);
    Click(onKept.x, onKept.y);
    EXPECT_EQ(Caption(), "Tarnwick v1.00");
    EXPECT_TRUE(ListTexts().empty());
    EXPECT_TRUE(Stored().empty());
}

// A page the file fails to give back shows empty, and the caption says so
// instead of passing the page off as empty.
TEST_F(StorageFailureTest, APageThatCannotBeReadIsNamed) {
    Draw(1);
    Command(ID_NEXT_PAGE);
    StoreElsewhere(5);
    Inject(failing_vfs::kFailedReads);
    Command(ID_PREVIOUS_PAGE);
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - page 1 could not be read");
    EXPECT_TRUE(ListTexts().empty());
    Inject(failing_vfs::kNone);
    Command(ID_NEXT_PAGE);
    Command(ID_PREVIOUS_PAGE);
    EXPECT_EQ(Caption(), "Tarnwick v1.00");
    EXPECT_EQ(ListTexts().size(), 1u);
}

// Damage met while the program runs: from then on nothing is written into
// the file, and the caption says why figures are not saved.
TEST_F(StorageFailureTest, DamageFoundWhileRunningStopsEveryWrite) {
    Draw(1);
    StoreElsewhere(2);
    Inject(failing_vfs::kDamagedReads);
    Command(ID_NEXT_PAGE);
    Draw(2);
    Inject(failing_vfs::kNone);  // the file reads well again, but damage is not forgotten
    Draw(3);
    EXPECT_EQ(Caption(), "Tarnwick v1.00 - Veldrin.dat is damaged - 2 figures not saved");
    EXPECT_EQ(Stored().size(), 2u);
}

}  // namespace

namespace {

// A disk that is full when the program starts: "Load Error" says so rather
// than sending the user to look for missing components.
TEST(LoadErrorTest, AFullDiskIsNamed) {
    ASSERT_TRUE(failing_vfs::Install());
    TempFolder folder(true);
    Inject(failing_vfs::kWrites);
    Application record;
    EXPECT_EQ(record.Initialize(), 0);
    EXPECT_EQ(record.DatabaseFault(), PageStore::OpenFault::DiskFull);
    Inject(failing_vfs::kNone);
}

std::string firstCaption;
HWND startedWindow = nullptr;

// At the canvas's first paint, the caption the user sees; then the program
// ends as the user would end it.
void ReadCaptionAndClose(HWND canvas, void*) {
    HWND mainWindow = GetParent(canvas);
    startedWindow = mainWindow;
    char text[256] = "";
    GetWindowTextA(mainWindow, text, sizeof(text));
    if (firstCaption.empty()) firstCaption = text;
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
}

// What start-up found is in the caption from the first paint: rows a
// former run left that still cannot be stored are not passed off as
// stored.
TEST(StartUpCaption, SaysWhatTheStoreFoundWhileStarting) {
    ASSERT_TRUE(failing_vfs::Install());
    TempFolder folder(true);
    Application& app = TheApplication();
    ASSERT_EQ(app.Initialize(), 1);
    app.Shutdown();
    std::ofstream("Veldrin.dat-unsaved") << "1 1 24\n1;0;0;1;0;0;0;8;1;1;2;2;\n1 1 24\n1;0;0;1;0;0;0;8;3;3;4;4;\n";
    Inject(failing_vfs::kWrites);
    ASSERT_TRUE(RegisterProgramResources(GetModuleHandleA(nullptr)));
    SetPaintObserver(ReadCaptionAndClose, nullptr);
    char noCommandLine[] = "";
    WinMain(GetModuleHandleA(nullptr), nullptr, noCommandLine, SW_SHOWDEFAULT);
    SetPaintObserver(nullptr, nullptr);
    // The process would end here; the tests after this one go on in it.
    DestroyWindow(startedWindow);
    TestProcessEvents();
    EXPECT_EQ(firstCaption, "Tarnwick v1.00 - 2 figures not saved");
    Inject(failing_vfs::kNone);
    app.Shutdown();
}

}  // namespace
