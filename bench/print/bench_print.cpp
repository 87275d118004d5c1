// Printing a page of 1 000 figures to a PDF file: the program's "&Print"
// command sent to its main window, the page setup dialog answered at once
// with the PDF printer and a file, timed until the command returns and the
// file is written; against the same figures drawn straight with QPainter
// into a QPdfWriter (qt_print_page.h), in the same run. Each iteration
// prints once each way, so both see the same disk and the same moment.
//
// Both files are checked once before timing: one US Letter page each, with
// more in it than an empty page has. Counters: each way's median and 99th
// percentile in milliseconds, program over Qt for both, and the two files'
// sizes. The goal: median_ratio 1.5 or less.
//
// Run optimised and offscreen: scripts/bench, or
//   QT_QPA_PLATFORM=offscreen build/bench/bin/bench_print
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "pdf_report.h"
#include "percentiles.h"
#include "stopwatch.h"
#include "program_window.h"
#include "qt_print_page.h"
#include "resource_ids.h"
#include "scratch_folder.h"
#include "test_hooks.h"

namespace {

constexpr int kFigures = 1000;
// A one-page PDF of Qt's with nothing drawn is under 2 KB; this page's
// figures and font make well over ten times that.
constexpr std::uintmax_t kLeastBytes = 20 * 1024;

// What the page setup dialog is answered with, and whether anything else
// asked to be shown.
struct PrintAnswer {
    std::string output;
    int otherRequests = 0;
};

int AnswerPageSetup(const ModalRequest* request, void* context) {
    auto* answer = static_cast<PrintAnswer*>(context);
    if (request->kind != ModalRequest::PageSetup || request->pageSetup == nullptr) {
        ++answer->otherRequests;
        return IDCANCEL;
    }
    PageSetupChoice& choice = *request->pageSetup;
    std::snprintf(choice.device, sizeof choice.device, "%s", PDF_PRINTER_NAME);
    std::snprintf(choice.output, sizeof choice.output, "%s", answer->output.c_str());
    return IDOK;
}

// The hook answers for as long as the benchmark runs.
class AnsweredPageSetup {
public:
    explicit AnsweredPageSetup(PrintAnswer& answer) { SetModalAnswerHook(AnswerPageSetup, &answer); }
    ~AnsweredPageSetup() { SetModalAnswerHook(nullptr, nullptr); }
    AnsweredPageSetup(const AnsweredPageSetup&) = delete;
    AnsweredPageSetup& operator=(const AnsweredPageSetup&) = delete;
};

void BM_PrintPage(benchmark::State& state) {
    const std::vector<PageFigure> figures = MakePage(kFigures);
    ProgramWindow window(figures);
    if (!window.ok()) return state.SkipWithError("the main window could not be made");
    const HWND mainWindow = GetParent(window.canvas());
    ScratchFolder files;
    PrintAnswer answer{files.File("program.pdf")};
    AnsweredPageSetup hook(answer);
    const QtPrintPage qtPage(figures);
    const std::string qtFile = files.File("qt.pdf");
    auto printProgram = [&] { SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_PRINT, BN_CLICKED), 0); };
    auto printQt = [&] { qtPage.Print(qtFile); };

    // Once each way before timing, so that a broken path is not timed.
    printProgram();
    printQt();
    ProgramWindow::ShowChanges();
    std::string fault = answer.otherRequests > 0 ? "the print command asked for more than the page setup" : "";
    if (fault.empty()) fault = PdfFault(answer.output, 1, kLeastBytes);
    if (fault.empty()) fault = PdfFault(qtFile, 1, kLeastBytes);
    if (!fault.empty()) return state.SkipWithError(fault.c_str());
    state.counters["program_kb"] = static_cast<double>(std::filesystem::file_size(answer.output)) / 1024;
    state.counters["qt_kb"] = static_cast<double>(std::filesystem::file_size(qtFile)) / 1024;

    std::vector<double> program, qt;
    for (auto _ : state) {
        program.push_back(MillisecondsOf(printProgram));
        qt.push_back(MillisecondsOf(printQt));
        state.SetIterationTime(program.back() / 1e3);
        ProgramWindow::ShowChanges();
    }
    const double programMedian = Percentile(program, 0.5), qtMedian = Percentile(qt, 0.5);
    const double programP99 = Percentile(program, 0.99), qtP99 = Percentile(qt, 0.99);
    state.counters["program_median_ms"] = programMedian;
    state.counters["qt_median_ms"] = qtMedian;
    state.counters["program_p99_ms"] = programP99;
    state.counters["qt_p99_ms"] = qtP99;
    state.counters["median_ratio"] = qtMedian > 0 ? programMedian / qtMedian : 0;
    state.counters["p99_ratio"] = qtP99 > 0 ? programP99 / qtP99 : 0;
    state.SetItemsProcessed(state.iterations() * kFigures);
}
BENCHMARK(BM_PrintPage)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
