// LoadPage of a page of 1 000 figures, in a database of 10 000 rows and in
// one of 1 000 000: with the page index the large file costs hardly more.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "application.h"
#include "bench_support.h"
#include "sql_text.h"

namespace {

constexpr int kFiguresPerPage = 1000;

// Fills Veldrin.dat in `folder` with `rows` line figures spread round-robin
// over rows / 1000 pages, so each page's rows lie scattered through the
// table. One transaction, raw SQLite: seconds even for a million rows.
bool BuildDatabase(const ScratchFolder& folder, int rows) {
    sqlite3* database = nullptr;
    if (sqlite3_open(folder.File(kDatabaseFile).c_str(), &database) != SQLITE_OK) return false;
    sqlite3_exec(database, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr,
                 nullptr);
    bool built = sqlite3_exec(database, kCreateObjectsTable, nullptr, nullptr, nullptr) == SQLITE_OK &&
                 sqlite3_exec(database, kCreatePagesTable, nullptr, nullptr, nullptr) == SQLITE_OK &&
                 sqlite3_exec(database, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_stmt* insert = nullptr;
    built = built && sqlite3_prepare_v2(database, "INSERT INTO Objects VALUES (?, ?, 1)", -1,
                                        &insert, nullptr) == SQLITE_OK;
    int pages = rows / kFiguresPerPage;
    char objData[96];
    for (int row = 0; built && row < rows; ++row) {
        int x = row % 2000, y = -(row % 2700);
        int length = std::snprintf(objData, sizeof(objData), "1;255;0;10;0;0;0;28;%d;%d;%d;%d;", x,
                                   y, x + 100, y - 50);
        sqlite3_bind_int(insert, 1, row % pages + 1);
        sqlite3_bind_text(insert, 2, objData, length, SQLITE_STATIC);
        built = sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    built = built && sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK &&
            sqlite3_exec(database, kCreatePageIndex, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(database);
    return built;
}

void BM_LoadPage(benchmark::State& state) {
    int rows = static_cast<int>(state.range(0));
    ScratchFolder folder;
    if (!BuildDatabase(folder, rows) || chdir(folder.Path().c_str()) != 0) {
        state.SkipWithError("could not build the database");
        return;
    }
    Application app;
    if (app.Initialize() == 0) {
        state.SkipWithError("the application did not start");
        return;
    }
    int loaded = 0;
    for (auto _ : state) {
        app.LoadPage(1);
        state.PauseTiming();
        loaded = 0;
        for (auto* item = app.pageObjects->First(); item != nullptr; item = app.pageObjects->Next()) {
            ++loaded;
        }
        state.ResumeTiming();
    }
    if (loaded != kFiguresPerPage) state.SkipWithError("the page did not hold 1000 figures");
    state.counters["rows"] = rows;
    app.Shutdown();
    if (chdir("/tmp") != 0) state.SkipWithError("cannot leave the scratch folder");
}
// Recorded by the summary through the reporter (see bench_main.cpp).
BENCHMARK(BM_LoadPage)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
