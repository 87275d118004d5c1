// Whole exports, run as a user runs them (a process of its own, no
// display) on notebooks the program itself wrote, and checked by
// rasterising the PDF at one pixel per page unit: the pages, their order
// and paper, a 100 mm line 100 mm long. Veldrin.dat stays byte for byte
// as it was, and a failed export leaves no PDF, whole or partial.
#include <sqlite3.h>
#include <sys/stat.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <thread>

#include "app_fixture.h"
#include "export_run.h"
#include "printed_page.h"
#include "sql_text.h"
#include "unsaved_file.h"

namespace {

constexpr char kPdf[] = "notebook.pdf";
// A disk with room for this much of a file (and SQLite's 32 KB index
// beside a notebook in WAL mode).
constexpr long kFullDiskBytes = 8 * 1024;

std::string Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

// Each page is told by a mark: a 100 mm line, 0.3 mm wide, from 10 mm in,
// at a height of its own (slot 0 at 10 mm from the top, slot 1 at 20 mm,
// ...).
FigureRecipe Mark(int slot) {
    const int y = -100 * (slot + 1);
    return {kKindLine, {{100, y}, {1100, y}}, nullptr, 0x000000, PS_SOLID, 3};
}

// Which slot's mark a rasterised page shows, after checking that it is
// 100 mm long (with the round ends of its pen); -1 for a blank page.
int MarkSlot(const PrintedPage& page) {
    int top = 0;
    while (top < page.Height() && page.InkedSpan(top, 0, page.Width() - 1).first < 0) ++top;
    if (top == page.Height()) return -1;
    const auto [first, last] = page.InkedSpan(top + 1, 0, page.Width() - 1);
    EXPECT_NEAR(last - first + 1, 1003, 5) << "the mark at row " << top;
    EXPECT_NEAR(first, 99, 2);
    return (top + 1 + 50) / 100 - 1;
}

// The slots of the marks on every page of a PDF, in page order. Only the
// band of the sheet where marks go is looked at.
std::vector<int> MarkSlots(const std::string& pdf) {
    constexpr int kMarkBand = 600;
    std::vector<int> slots;
    const int pages = std::atoi(PrintedPage(pdf, 1, 1).Info("Pages").c_str());
    for (int page = 1; page <= pages; ++page) {
        PrintedPage raster(pdf, page, kMarkBand);
        EXPECT_TRUE(raster.Valid()) << "page " << page;
        slots.push_back(MarkSlot(raster));
    }
    return slots;
}

// Notebooks written by the program itself, through the page store.
class ExportTest : public AppTest {
protected:
    void Draw(int page, const FigureRecipe& recipe) {
        app.GoToPage(page);
        Finish(recipe);
    }
    // Ends the program's run, as a user closes it before exporting.
    void CloseNotebook() { app.Shutdown(); }

    ExportResult Export(std::vector<std::string> options = {}) {
        options.insert(options.begin(), {"--export-pdf", kPdf});
        return RunExport(folder_.Path(), options);
    }
    std::string Pdf() const { return folder_.File(kPdf); }
    std::string EncodeMark(int slot) {
        DrawObject* mark = Make(Mark(slot));
        const std::string objData = EncodeText(mark);
        mark->Release();
        return objData;
    }
};

TEST_F(ExportTest, EveryPageWithFiguresInPageOrderAtTrueSizeAndTheNotebookUntouched) {
    Draw(3, Mark(2));
    Draw(1, Mark(1));
    Draw(-2, Mark(0));
    CloseNotebook();
    const std::string notebook = Bytes(kDatabaseFile);

    const ExportResult result = Export();
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.errors, "");  // three pages: no progress line

    const PrintedPage first(Pdf(), 1, 1);
    EXPECT_EQ(first.Info("Pages"), "3");
    EXPECT_EQ(first.Info("Title"), "Tarnwick Notebook");
    EXPECT_EQ(first.Info("Page size").substr(0, 10), "612 x 792 ");  // US Letter
    EXPECT_EQ(MarkSlots(Pdf()), (std::vector<int>{0, 1, 2}));       // pages -2, 1, 3
    EXPECT_EQ(Bytes(kDatabaseFile), notebook);
    EXPECT_EQ(FilesIn(folder_.Path()), (std::set<std::string>{kDatabaseFile, kPdf}));
}

TEST_F(ExportTest, ListedPagesComeInTheOrderGivenOnTheChosenPaperWithAProgressLine) {
    Draw(1, Mark(0));
    Draw(2, Mark(1));
    CloseNotebook();

    // More pages than are read ahead, some twice: each shows its own figures only.
    const ExportResult result = Export({"--pages", "2,5-6,1,-1-0,1,2,2", "--paper", "a4"});
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.errors, "tarnwick: writing 9 pages to notebook.pdf\n");

    const PrintedPage first(Pdf(), 1, 1);
    EXPECT_EQ(first.Info("Pages"), "9");
    EXPECT_EQ(first.Info("Page size").substr(0, 10), "595 x 842 ");  // A4
    EXPECT_EQ(MarkSlots(Pdf()), (std::vector<int>{1, -1, -1, 0, -1, -1, 0, 1, 1}));
}

// Figures a former run could not store wait beside the notebook; the next
// run stores them first, so they are on their pages already.
TEST_F(ExportTest, FiguresWaitingToBeStoredAreOnTheirPages) {
    Draw(1, Mark(0));
    const std::string objData = EncodeMark(2);
    CloseNotebook();
    KeptRows rows;
    KeptRow row;
    row.pageNumber = 4;
    row.kind = kKindLine;
    row.objData = CopyText(objData.c_str());
    ASSERT_TRUE(rows.Add(std::move(row)));
    ASSERT_TRUE(WriteUnsavedFile("Veldrin.dat-unsaved", rows, 0));
    const std::string unsaved = Bytes("Veldrin.dat-unsaved");

    const ExportResult result = Export();
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(MarkSlots(Pdf()), (std::vector<int>{0, 2}));  // pages 1 and 4
    EXPECT_EQ(Bytes("Veldrin.dat-unsaved"), unsaved);
}

// Only rows whose page number is a whole number in a page number's range
// name a page, whether the pages are found through the page index or, in a
// file without it, by reading every row.
TEST_F(ExportTest, OnlyWholePageNumbersNamePagesWithOrWithoutThePageIndex) {
    const std::string marks[] = {EncodeMark(0), EncodeMark(1), EncodeMark(2), EncodeMark(3), EncodeMark(4)};
    CloseNotebook();
    const std::string rows[][2] = {
        {"3", marks[3]}, {"1", marks[2]}, {"1", marks[2]}, {"-2147483648", marks[0]}, {"2147483647", marks[4]},
        {"-2", marks[1]}, {"2147483648", marks[4]}, {"-2147483649", marks[0]}, {"2.5", marks[2]},
        {"'x7'", marks[4]}, {"NULL", marks[0]}, {"x'07'", marks[4]},
    };
    std::string sql = "BEGIN;";
    for (const auto& [page, objData] : rows) {
        sql += "INSERT INTO Objects VALUES (" + page + ", '" + objData + "', 1);";
    }
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(kDatabaseFile, &database), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(database, (sql + "COMMIT;").c_str(), nullptr, nullptr, nullptr), SQLITE_OK);

    for (const char* index : {"kept", "dropped"}) {
        if (std::strcmp(index, "dropped") == 0) {
            ASSERT_EQ(sqlite3_exec(database, "DROP INDEX ObjectsByPage", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        const ExportResult result = Export();
        EXPECT_EQ(result.exitCode, 0) << index << ": " << result.errors;
        EXPECT_EQ(MarkSlots(Pdf()), (std::vector<int>{0, 1, 2, 3, 4})) << "page index " << index;
    }
    sqlite3_close(database);
}

// A notebook shaped by hand, for the cases the program never writes.
void WriteNotebook(const std::string& folder, const char* sql) {
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open((folder + "/" + kDatabaseFile).c_str(), &database), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(database, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(database);
    sqlite3_close(database);
}

// A page of figures with texts among them, big enough that its PDF takes
// room, repeated on pages 1 to 3.
void WriteNotebookOfLines(const std::string& folder, int linesPerPage) {
    std::string sql = std::string(kCreateObjectsTable) + ";" + kCreatePagesTable + "; BEGIN;";
    for (int page = 1; page <= 3; ++page) {
        for (int i = 0; i < linesPerPage; ++i) {
            const int x = 50 + (i * 37) % 2000, y = -50 - (i * 53) % 2700;
            sql += "INSERT INTO Objects VALUES (" + std::to_string(page) + ", '1;255;0;3;0;0;0;28;" +
                   std::to_string(x) + ";" + std::to_string(y) + ";" + std::to_string(x + 90) + ";" +
                   std::to_string(y - 70) + ";', 1);";
            if (i % 10 == 0)
                sql += "INSERT INTO Objects VALUES (" + std::to_string(page) + ", '7;0;0;1;0;0;0;42;" +
                       std::to_string(x) + ";" + std::to_string(y) + ";Kitchen wall " + std::to_string(i) + ";', 7);";
        }
    }
    WriteNotebook(folder, (sql + "COMMIT;").c_str());
}

void WriteBusyNotebook(const std::string& folder) { WriteNotebookOfLines(folder, 300); }

struct FailureCase {
    const char* what;
    std::function<void(const std::string& folder)> makeFolder;
    std::vector<std::string> options;
    int exitCode;
    const char* message;  // the start of the one line on stderr
    long fileSizeLimit = 0;
};

TEST(ExportFailure, SaysWhatFailedAndLeavesNoPdf) {
    const std::string tables = std::string(kCreateObjectsTable) + ";" + kCreatePagesTable + ";";
    const FailureCase cases[] = {
        {"no notebook", [](const std::string&) {}, {}, 1,
         "tarnwick: there is no Veldrin.dat in this folder; nothing was written\n"},
        {"a damaged notebook",
         [](const std::string& folder) {
             std::ofstream(folder + "/Veldrin.dat") << std::string(8192, 'x');
         },
         {}, 1, "tarnwick: Veldrin.dat is damaged ("},
        {"a notebook damaged inside its table",
         [](const std::string& folder) {
             WriteBusyNotebook(folder);
             std::string bytes = Bytes(folder + "/Veldrin.dat");
             std::fill(bytes.begin() + static_cast<long>(bytes.size() / 4 / 4096 * 4096 + 4096),
                       bytes.begin() + static_cast<long>(bytes.size() / 2), '\0');
             std::ofstream(folder + "/Veldrin.dat", std::ios::binary) << bytes;
         },
         {}, 1, "tarnwick: Veldrin.dat is damaged ("},
        {"a notebook whose page index is damaged inside page 2",
         [](const std::string& folder) {
             // The index, made after the rows, fills the second half of
             // the file in page order; finding the pages reads only the
             // first rows of each, reading page 2 meets the damage.
             WriteNotebookOfLines(folder, 3000);
             WriteNotebook(folder, kCreatePageIndex);
             std::string bytes = Bytes(folder + "/Veldrin.dat");
             const long middleOfIndex = static_cast<long>(bytes.size() * 3 / 4 / 4096 * 4096);
             std::fill(bytes.begin() + middleOfIndex, bytes.begin() + middleOfIndex + 3 * 4096, '\0');
             std::ofstream(folder + "/Veldrin.dat", std::ios::binary) << bytes;
         },
         {}, 1, "tarnwick: Veldrin.dat is damaged ("},
        {"another program's database",
         [](const std::string& folder) { WriteNotebook(folder, "CREATE TABLE Objects (a, b, c)"); }, {}, 1,
         "tarnwick: Veldrin.dat is not a drawing file of this program"},
        {"a notebook without figures",
         [&](const std::string& folder) { WriteNotebook(folder, tables.c_str()); }, {}, 1,
         "tarnwick: no page of the notebook holds figures; nothing was written\n"},
        {"an output folder that does not exist", WriteBusyNotebook, {"--export-pdf", "gone/notebook.pdf"}, 1,
         "tarnwick: gone/notebook.pdf cannot be written (No such file or directory)\n"},
        {"an output name that is a folder",
         [](const std::string& folder) {
             WriteBusyNotebook(folder);
             mkdir((folder + "/notebook.pdf").c_str(), 0755);
         },
         {}, 1, "tarnwick: notebook.pdf is a folder\n"},
        {"the notebook as output", WriteBusyNotebook, {"--export-pdf", "Veldrin.dat"}, 1,
         "tarnwick: Veldrin.dat is the notebook's own file; choose another name\n"},
        {"a malformed page list", WriteBusyNotebook, {"--pages", "3-x"}, 2,
         "tarnwick: --pages 3-x: \"3-x\" is not a page number or a range of pages (write them like 1,3-5)\n"},
        {"an unknown paper", WriteBusyNotebook, {"--paper", "B5"}, 2,
         "tarnwick: --paper B5: no such paper (choose Letter, Legal or A4)\n"},
        {"a disk that fills up", WriteBusyNotebook, {"--pages", "1-3,1-2"}, 1,
         "tarnwick: notebook.pdf could not be written whole (is the disk full?)\n", kFullDiskBytes},
    };
    for (const FailureCase& c : cases) {
        TempFolder folder;
        c.makeFolder(folder.Path());
        const std::set<std::string> before = FilesIn(folder.Path());
        const std::string notebook = Bytes(folder.File(kDatabaseFile));
        std::vector<std::string> options = c.options;
        if (std::find(options.begin(), options.end(), "--export-pdf") == options.end())
            options.insert(options.begin(), {"--export-pdf", kPdf});

        const ExportResult result = RunExport(folder.Path(), options, c.fileSizeLimit);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.what << ": " << result.errors;
        EXPECT_EQ(result.errors.rfind(c.message, 0), 0u) << c.what << ": " << result.errors;
        EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1) << c.what << ": " << result.errors;
        EXPECT_EQ(FilesIn(folder.Path()), before) << c.what << ": a PDF or a temporary file was left";
        EXPECT_EQ(Bytes(folder.File(kDatabaseFile)), notebook) << c.what;
    }
}

// The same notebook, unlimited, makes a PDF well past the limit above, so
// that case did meet a full disk.
TEST(ExportFailure, TheBusyNotebooksPdfOutgrowsTheLimitedDisk) {
    TempFolder folder;
    WriteBusyNotebook(folder.Path());
    const ExportResult result = RunExport(folder.Path(), {"--export-pdf", kPdf, "--pages", "1-3,1-2"});
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_GT(std::filesystem::file_size(folder.File(kPdf)), 2u * kFullDiskBytes);
}

// A run stopped by a signal while it writes removes its temporary file,
// and ends as the signal ends a process.
TEST(ExportFailure, StoppedByASignalLeavesNoFile) {
    TempFolder folder;
    WriteBusyNotebook(folder.Path());
    const std::set<std::string> before = FilesIn(folder.Path());
    std::string manyPages = "1-3";
    for (int repeat = 1; repeat < 40; ++repeat) manyPages += ",1-3";
    ExportProcess run(folder.Path(), {"--export-pdf", kPdf, "--pages", manyPages});
    ASSERT_TRUE(run.Running());
    auto temporaryFileShown = [&] {
        for (const std::string& name : FilesIn(folder.Path())) {
            if (name.rfind(".notebook.pdf.", 0) == 0) return true;
        }
        return false;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!temporaryFileShown() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(temporaryFileShown()) << "the export never began its file";
    run.Signal(SIGTERM);
    const ExportResult result = run.Wait();
    EXPECT_EQ(result.endSignal, SIGTERM) << "exit " << result.exitCode << ": " << result.errors;
    EXPECT_EQ(FilesIn(folder.Path()), before);
}

}  // namespace
