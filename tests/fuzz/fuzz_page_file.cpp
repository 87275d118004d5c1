// Any file where Veldrin.dat should be: the program's record starts on it
// (components, store, tables), shows page 1, then the page of the file's
// last figure and the one before it, and shuts down. Nothing may crash,
// hang or leak whatever the file holds; a file that is no database may only
// make the start fail.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef TARNWICK_LIBFUZZER
#include <sqlite3.h>

#include <random>
#endif

#include "application.h"
#include "fuzz_support.h"

namespace {

std::string scratchFolder;

void RemoveScratchFolder() {
    if (scratchFolder.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder, ignored);
}

// One folder per process, in memory when the machine has /dev/shm: the
// store syncs every commit, which costs nothing there.
void EnterScratchFolder() {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/tarnwick-fuzz-XXXXXX";
    FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr, "no scratch folder under %s", base);
    scratchFolder = pattern;
    FUZZ_CHECK(chdir(scratchFolder.c_str()) == 0, "cannot enter %s", scratchFolder.c_str());
    std::atexit(RemoveScratchFolder);
}

// The database file holds exactly the input, with no journal, log,
// shared-memory or unsaved-figures file of an earlier input beside it.
void WriteDatabase(const std::uint8_t* data, std::size_t size) {
    for (const char* suffix : {"-wal", "-shm", "-journal", "-unsaved"}) {
        std::remove((std::string(kDatabaseFile) + suffix).c_str());
    }
    std::FILE* file = std::fopen(kDatabaseFile, "wb");
    FUZZ_CHECK(file != nullptr, "cannot write %s", kDatabaseFile);
    FUZZ_CHECK(size == 0 || std::fwrite(data, 1, size, file) == size, "short write");
    FUZZ_CHECK(std::fclose(file) == 0, "cannot close %s", kDatabaseFile);
}

int KeepFirstAsPage(void* context, int columnCount, char** texts, char**) {
    if (columnCount >= 1 && texts[0] != nullptr) *static_cast<int*>(context) = std::atoi(texts[0]);
    return 0;
}

// The page the file's last figure was drawn on, asked through the store as
// the program would; 1 when there is none.
int PageOfLastFigure(Application& app) {
    int page = 1;
    app.store->Execute("SELECT pageNumber FROM Objects ORDER BY rowid DESC LIMIT 1", &page,
                       KeepFirstAsPage);
    return page;
}

// Every figure of the page, as painting walks them; what a row held decides
// only what each one is.
void VisitPageObjects(Application& app) {
    for (auto* object = static_cast<DrawObject*>(app.pageObjects->First()); object != nullptr;
         object = static_cast<DrawObject*>(app.pageObjects->Next())) {
        object->GetKind();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    UseOffscreenPlatform();
    for (const char* library : {"ZDrawSp.DLL", "ZUtilitiesCOM.DLL", "ZDrawTools.DLL", "ZISqllite.DLL"}) {
        KeepLibraryLoaded(library);
    }
    EnterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteDatabase(data, size);
    Application& app = TheApplication();
    if (app.Initialize() == 1) {
        app.LoadPage(1);
        VisitPageObjects(app);
        const int page = PageOfLastFigure(app);
        app.GoToPage(page);
        FUZZ_CHECK(app.currentPage == page, "GoToPage(%d) left page %d", page, app.currentPage);
        VisitPageObjects(app);
        app.PreviousPage();
        VisitPageObjects(app);
    }
    app.Shutdown();
    FUZZ_CHECK(app.surface == nullptr && app.store == nullptr && app.pageObjects == nullptr,
               "Shutdown left components behind");
    return 0;
}

#ifdef TARNWICK_LIBFUZZER
// Byte mutations of a database file mostly make it fail its check at open.
// Half of the mutations instead change the file through SQLite: rows of any
// value and type on a few pages, other table shapes, other page sizes.
namespace {

using Random = std::minstd_rand;

std::string Number(Random& random) {
    switch (random() % 6) {
        case 0: return std::to_string(random() % 10);
        case 1: return std::to_string(-static_cast<long>(random() % 3000));
        case 2: return std::to_string(static_cast<long>(random()) - 1073741824L);
        case 3: return "2147483647";
        case 4: return "-2147483648";
        default: return std::to_string(random() % 3000);
    }
}

// A quoted objData literal as the program writes it, with any kind and numbers.
std::string ObjDataLiteral(Random& random) {
    static const char* const kKinds[] = {"1", "3", "4", "6", "7", "8", "0", "98", "-1"};
    std::string text = std::string("'") + kKinds[random() % 9] + ";";
    for (int i = 0; i < 7; ++i) text += Number(random) + ";";
    for (int i = 2 * static_cast<int>(random() % 6); i > 0; --i) text += Number(random) + ";";
    if (random() % 3 == 0) text += "it''s; a text;";
    return text + "'";
}

std::string AnyValue(Random& random) {
    switch (random() % 8) {
        case 0: return "NULL";
        case 1: return "''";
        case 2: return "X'313B00FF3B'";
        case 3: return "1.5e300";
        case 4: return Number(random);
        default: return ObjDataLiteral(random);
    }
}

std::string Page(Random& random) { return random() % 4 == 0 ? AnyValue(random) : std::to_string(1 + random() % 3); }

// Some rows, chosen without SQLite's own random numbers.
std::string SomeRows(Random& random) {
    return " WHERE rowid % " + std::to_string(1 + random() % 4) + " = " + std::to_string(random() % 4);
}

std::string Statement(Random& random) {
    static const char* const kShapes[] = {
        "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER)",
        "CREATE TABLE Objects (pageNumber, objData, objType, extra)",
        "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT)",
        "CREATE TABLE Objects (objData TEXT, pageNumber INTEGER, objType INTEGER)",
        "CREATE TABLE Objects (PAGENUMBER INTEGER PRIMARY KEY, OBJDATA BLOB, OBJTYPE TEXT)",
        "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER) STRICT",
        "CREATE TABLE Objects (pageNumber, objData, objType, PRIMARY KEY (pageNumber, objData)) WITHOUT ROWID",
        "CREATE VIEW Objects AS SELECT 1 AS pageNumber, '1;0;0;0;0;0;0;8;1;1;2;2;' AS objData, 1 AS objType",
        "CREATE TABLE Pages (pageNumber INTEGER, pageName TEXT, pageKeys TEXT)",
        "CREATE TABLE Pages (name TEXT)",
        "CREATE INDEX IF NOT EXISTS ObjectsByPage ON Objects(pageNumber)",
    };
    switch (random() % 12) {
        case 0:
        case 1:
        case 2:
            return "INSERT INTO Objects VALUES (" + Page(random) + ", " + AnyValue(random) + ", " + Number(random) + ")";
        case 3: return "UPDATE Objects SET objData = " + AnyValue(random) + SomeRows(random);
        case 4: return "UPDATE Objects SET pageNumber = " + Page(random) + SomeRows(random);
        case 5: return "DELETE FROM Objects" + SomeRows(random);
        case 6: return "ALTER TABLE Objects ADD COLUMN c" + std::to_string(random() % 100);
        case 7: return std::string("DROP TABLE IF EXISTS ") + (random() % 2 ? "Objects" : "Pages");
        case 8: return kShapes[random() % (sizeof(kShapes) / sizeof(kShapes[0]))];
        case 9: return "INSERT INTO Pages VALUES (" + Page(random) + ", 'name', NULL)";
        case 10: return "PRAGMA page_size = " + std::to_string(512 << (random() % 3)) + "; VACUUM";
        default: return "PRAGMA user_version = " + Number(random);
    }
}

int StopLongStatements(void* steps) { return ++*static_cast<int*>(steps) > 1000; }

// The file after one statement, or 0 when SQLite could not make one that fits.
std::size_t MutateThroughSql(std::uint8_t* data, std::size_t size, std::size_t maxSize, Random& random) {
    sqlite3* database = nullptr;
    if (sqlite3_open(":memory:", &database) != SQLITE_OK) {
        sqlite3_close(database);
        return 0;
    }
    int steps = 0;
    sqlite3_progress_handler(database, 1000, StopLongStatements, &steps);
    sqlite3_db_config(database, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    auto* image = static_cast<unsigned char*>(sqlite3_malloc64(size + 1));
    std::size_t made = 0;
    if (image != nullptr) {
        if (size > 0) std::memcpy(image, data, size);
        sqlite3_deserialize(database, "main", image, static_cast<sqlite3_int64>(size),
                            static_cast<sqlite3_int64>(size + 1),
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
        const std::string statement = Statement(random);
        sqlite3_int64 length = 0;
        if (sqlite3_exec(database, statement.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) {
            if (unsigned char* file = sqlite3_serialize(database, "main", &length, 0)) {
                if (length > 0 && static_cast<std::size_t>(length) <= maxSize) {
                    std::memcpy(data, file, static_cast<std::size_t>(length));
                    made = static_cast<std::size_t>(length);
                }
                sqlite3_free(file);
            }
        }
    }
    sqlite3_close(database);
    return made;
}

}  // namespace

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed) {
    Random random(seed);
    if (random() % 2 == 0) {
        if (const std::size_t made = MutateThroughSql(data, size, maxSize, random)) return made;
    }
    return LLVMFuzzerMutate(data, size, maxSize);
}
#endif
