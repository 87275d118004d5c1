// A long session: 10 000 figures drawn with the mouse in the program's real
// main window, in ten batches of 1 000, each batch on a page of its own
// (Page Down after each). Lines are two clicks with pointer moves between;
// every tenth figure is a rectangle and every tenth an ellipse, the tool
// picked with its key. Pointer and clicks arrive as the window system
// delivers them (the cursor message, then the canvas's own message), keys
// through the program's message loop and key table, and every figure is
// painted before the next begins.
//
// After each batch: GDI and USER objects alive, resident memory, the heap
// in use, the part of it SQLite holds (the store's page cache grows with
// the file, up to its limit) and the file's size. The first batch warms up
// (caches, the file, the heap); from the end of batch 2 to the end of batch
// 10 a GDI or USER object more is a leak and fails the benchmark; memory is
// reported. Resident memory only grows when the heap finds no free room,
// so it is telling when this benchmark runs first (it does, being first in
// the build's list) or alone; the heap in use is telling always. Every
// figure must have been painted, and the file must hold every figure on
// its page with the kind its tool makes.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "application.h"
#include "drawing_file.h"
#include "message_loop.h"
#include "program_window.h"
#include "resource_ids.h"
#include "session_figures.h"
#include "test_hooks.h"

namespace {

constexpr int kBatches = 10;
constexpr int kFiguresPerBatch = 1000;
constexpr int kMovesPerFigure = 3;

long ResidentKb() {
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct Snapshot {
    double msPerFigure;
    DWORD gdiObjects;
    DWORD userObjects;
    long residentKb;
    long heapKb;    // allocated and not freed
    long sqliteKb;  // of heapKb, what SQLite has allocated
    long fileKb;
};

Snapshot TakeSnapshot(double msPerFigure) {
    const struct mallinfo2 heap = mallinfo2();
    return {msPerFigure,
            GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS),
            ResidentKb(),
            static_cast<long>((heap.uordblks + heap.hblkhd) / 1024),
            static_cast<long>(sqlite3_memory_used() / 1024),
            static_cast<long>(FileBytes(kDatabaseFile) / 1024)};
}

// Counts the canvas's paints for as long as it lives.
class PaintCounter {
public:
    PaintCounter() { SetPaintObserver(Count, &paints_); }
    ~PaintCounter() { SetPaintObserver(nullptr, nullptr); }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;
    int paints() const { return paints_; }

private:
    static void Count(HWND window, void* paints) {
        if (window == TheApplication().canvasWindow) ++*static_cast<int*>(paints);
    }
    int paints_ = 0;
};

// The user at the main window: the mouse over the canvas, keys anywhere.
class User {
public:
    explicit User(HWND canvas)
        : canvas_(canvas),
          window_(GetParent(canvas)),
          keys_(LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS))) {
        GetClientRect(canvas, &area_);
    }

    // A key pressed and handled by the program's loop, which then ends.
    void Press(UINT key, UINT modifiers) {
        TestPostKey(window_, key, modifiers);
        PostQuitMessage(0);
        RunMessageLoop(window_, keys_);
    }

    // One figure with the current tool: a click, the pointer on its way,
    // a second click; then the window shows it.
    void DrawFigure(int figure) {
        const POINT from = Spot(figure * 2), to = Spot(figure * 2 + 1);
        Click(from);
        for (int move = 1; move <= kMovesPerFigure; ++move) {
            TestSendMouse(canvas_, WM_MOUSEMOVE, from.x + (to.x - from.x) * move / (kMovesPerFigure + 1),
                          from.y + (to.y - from.y) * move / (kMovesPerFigure + 1));
        }
        Click(to);
        ProgramWindow::ShowChanges();
    }

private:
    void Click(POINT at) {
        TestSendMouse(canvas_, WM_MOUSEMOVE, at.x, at.y);
        TestSendMouse(canvas_, WM_LBUTTONDOWN, at.x, at.y);
        TestSendMouse(canvas_, WM_LBUTTONUP, at.x, at.y);
    }

    // Spots spread over the canvas, away from its edges.
    POINT Spot(int n) const {
        const unsigned h = static_cast<unsigned>(n) * 2654435761u;
        const LONG width = area_.right - 40, height = area_.bottom - 40;
        return POINT{20 + static_cast<LONG>(h % static_cast<unsigned>(width)),
                     20 + static_cast<LONG>((h >> 11) % static_cast<unsigned>(height))};
    }

    HWND canvas_;
    HWND window_;
    HACCEL keys_;
    RECT area_{};
};

// The tool key for figure n: mostly lines, a rectangle and an ellipse in
// every ten.
UINT ToolKeyFor(int figure) {
    switch (figure % 10) {
        case 4: return '2';
        case 8: return '3';
        default: return '1';
    }
}

int FiguresOnScreen() {
    int count = 0;
    ZLinklistCOM* figures = TheApplication().pageObjects;
    for (auto* item = figures->First(); item != nullptr; item = figures->Next()) ++count;
    return count;
}

int NoteCount(void* context, int, char** texts, char**) {
    auto* counts = static_cast<std::map<int, int>*>(context);
    (*counts)[std::atoi(texts[0])] = std::atoi(texts[1]);
    return 0;
}

// The stored rows by a column's value, as the file holds them.
std::map<int, int> StoredBy(const char* column) {
    std::map<int, int> counts;
    const std::string query = std::string("SELECT ") + column + ", count(*) FROM Objects GROUP BY " + column;
    TheApplication().store->Execute(query.c_str(), &counts, NoteCount);
    return counts;
}

// Every page holds its batch, and the tool keys made the figures' kinds.
bool FileHoldsTheSession() {
    std::map<int, int> perPage;
    for (int page = 1; page <= kBatches; ++page) perPage[page] = kFiguresPerBatch;
    const int figures = kBatches * kFiguresPerBatch;
    const std::map<int, int> perKind = {
        {kKindLine, figures * 8 / 10}, {kKindEllipse, figures / 10}, {kKindRectangle, figures / 10}};
    return StoredBy("pageNumber") == perPage && StoredBy("objType") == perKind;
}

std::string TableLine(const char* batch, const Snapshot& at) {
    char line[160];
    std::snprintf(line, sizeof(line), "  %-6s %9.2f %6lu %6lu %12ld %9ld %9ld %14ld %8ld", batch, at.msPerFigure,
                  static_cast<unsigned long>(at.gdiObjects), static_cast<unsigned long>(at.userObjects), at.residentKb,
                  at.heapKb, at.sqliteKb, at.heapKb - at.sqliteKb, at.fileKb);
    return line;
}

void RecordSession(benchmark::State& state, const Snapshot& start, const std::vector<Snapshot>& batches) {
    std::vector<std::string>& table = SessionTable();
    char line[160];
    std::snprintf(line, sizeof(line), "  %-6s %9s %6s %6s %12s %9s %9s %14s %8s", "batch", "ms/figure", "GDI", "USER",
                  "resident KB", "heap KB", "SQLite KB", "heap less SQL", "file KB");
    table.push_back(line);
    table.push_back(TableLine("start", start));
    for (std::size_t i = 0; i < batches.size(); ++i)
        table.push_back(TableLine(std::to_string(i + 1).c_str(), batches[i]));
    const Snapshot& second = batches[1];
    const Snapshot& last = batches.back();
    const double gdiGrowth = static_cast<double>(last.gdiObjects) - second.gdiObjects;
    const double userGrowth = static_cast<double>(last.userObjects) - second.userObjects;
    const double residentGrowth = static_cast<double>(last.residentKb - second.residentKb);
    const double heapGrowth = static_cast<double>(last.heapKb - second.heapKb);
    const double sqliteGrowth = static_cast<double>(last.sqliteKb - second.sqliteKb);
    state.counters["gdi_growth_2_10"] = gdiGrowth;
    state.counters["user_growth_2_10"] = userGrowth;
    state.counters["resident_growth_kb_2_10"] = residentGrowth;
    state.counters["heap_growth_kb_2_10"] = heapGrowth;
    state.counters["heap_less_sqlite_growth_kb_2_10"] = heapGrowth - sqliteGrowth;
    state.counters["ms_per_figure_b2"] = second.msPerFigure;
    state.counters["ms_per_figure_b10"] = last.msPerFigure;
    Figures()["session gdi growth"] = gdiGrowth;
    Figures()["session user growth"] = userGrowth;
    Figures()["session resident growth kb"] = residentGrowth;
    Figures()["session heap growth kb"] = heapGrowth;
    Figures()["session sqlite growth kb"] = sqliteGrowth;
    Figures()["session resident b2 kb"] = static_cast<double>(second.residentKb);
    if (gdiGrowth > 0 || userGrowth > 0) state.SkipWithError("GDI or USER objects grew after the first batch");
}

// Draws one batch on the current page; false when a figure was not painted
// or the page does not hold the batch afterwards.
bool DrawBatch(User& user, int batch, UINT& toolKey, const PaintCounter& counter) {
    const int paintsBefore = counter.paints();
    for (int n = 0; n < kFiguresPerBatch; ++n) {
        const int figure = batch * kFiguresPerBatch + n;
        if (ToolKeyFor(figure) != toolKey) {
            toolKey = ToolKeyFor(figure);
            user.Press(toolKey, TEST_CONTROL);
        }
        user.DrawFigure(figure);
    }
    return counter.paints() - paintsBefore >= kFiguresPerBatch && FiguresOnScreen() == kFiguresPerBatch;
}

void BM_LongSession(benchmark::State& state) {
    for (auto _ : state) {
        ProgramWindow window({});
        if (!window.ok()) return state.SkipWithError("the main window could not be made");
        User user(window.canvas());
        PaintCounter counter;
        const Snapshot atStart = TakeSnapshot(0);
        std::vector<Snapshot> batches;
        UINT toolKey = 0;
        for (int batch = 0; batch < kBatches; ++batch) {
            const auto start = std::chrono::steady_clock::now();
            if (!DrawBatch(user, batch, toolKey, counter))
                return state.SkipWithError("a figure was not painted, or the page lacks figures drawn on it");
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            user.Press(VK_NEXT, 0);
            ProgramWindow::ShowChanges();
            if (TheApplication().currentPage != batch + 2)
                return state.SkipWithError("Page Down did not turn the page");
            batches.push_back(TakeSnapshot(took.count() / kFiguresPerBatch));
        }
        if (!FileHoldsTheSession()) return state.SkipWithError("the file does not hold the figures drawn");
        RecordSession(state, atStart, batches);
    }
}
BENCHMARK(BM_LongSession)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
