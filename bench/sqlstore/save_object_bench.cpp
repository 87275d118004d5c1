// SaveObject against a raw SQLite INSERT of the same row, on the same kind
// of file with the same journal and sync settings. The two alternate within
// each iteration so both see the same disk and the same moment.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

#include "application.h"
#include "bench_support.h"
#include "sql_text.h"

namespace {

double MicrosecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

void BM_SaveObjectVersusRawInsert(benchmark::State& state) {
    ScratchFolder folder;
    if (chdir(folder.Path().c_str()) != 0) {
        state.SkipWithError("no scratch folder");
        return;
    }
    Application app;
    if (app.Initialize() == 0) {
        state.SkipWithError("the application did not start");
        return;
    }
    app.currentPage = 1;
    DrawObject* line = app.surface->CreateObject();
    line->SetAttributes(255, 0, 10, 0, 0, 28);
    line->AddPoint(120, -340);
    line->AddPoint(560, -780);
    line->SetKind(1);

    sqlite3* raw = OpenLikeTheStore(folder.File("raw.dat"));
    sqlite3_exec(raw, "CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER)",
                 nullptr, nullptr, nullptr);
    const char rawInsert[] =
        "INSERT INTO Objects VALUES (1, '1;255;0;10;0;0;0;28;120;-340;560;-780;', 1)";

    std::vector<double> saveTimes, rawTimes;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        app.SaveObject(line);
        saveTimes.push_back(MicrosecondsSince(start));
        start = std::chrono::steady_clock::now();
        sqlite3_exec(raw, rawInsert, nullptr, nullptr, nullptr);
        rawTimes.push_back(MicrosecondsSince(start));
    }
    double saveMedian = Percentile(saveTimes, 0.5), rawMedian = Percentile(rawTimes, 0.5);
    double saveP99 = Percentile(saveTimes, 0.99), rawP99 = Percentile(rawTimes, 0.99);
    state.counters["save_median_us"] = saveMedian;
    state.counters["save_p99_us"] = saveP99;
    state.counters["raw_median_us"] = rawMedian;
    state.counters["raw_p99_us"] = rawP99;
    state.counters["median_ratio"] = saveMedian / rawMedian;
    state.counters["p99_ratio"] = saveP99 / rawP99;
    Figures()["save median us"] = saveMedian;
    Figures()["save p99 us"] = saveP99;
    Figures()["raw median us"] = rawMedian;
    Figures()["raw p99 us"] = rawP99;

    sqlite3_close(raw);
    line->Release();
    app.Shutdown();
    if (chdir("/tmp") != 0) state.SkipWithError("cannot leave the scratch folder");
}
BENCHMARK(BM_SaveObjectVersusRawInsert)->Iterations(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
