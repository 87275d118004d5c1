// Exporting a notebook of 100 pages of 1 000 figures each to PDF:
//  - BM_ExportNotebook: the export (ExportNotebookPdf, as the command line
//    calls it: Veldrin.dat opened to read only, every page read, decoded
//    and drawn through the PDF printer's DC, the file synced and renamed),
//    against the same pages drawn straight with QPainter into one
//    QPdfWriter (qt_print_notebook.h), in the same run, each way once per
//    iteration. The goal: median_ratio 1.2 or less.
//  - BM_ExportCommand: the whole command as a user runs it, start-up and
//    exit included: the program's --export-pdf
//    started in the notebook's folder and waited for. The goal: under
//    0.8 s, which a widely used note-taking program takes for 100 pages of
//    1 000 lines.
// Each runs on two notebooks: the drawing benchmark's mix of figures
// (lines, rectangles, ellipses, polygons, texts; argument 0), and lines
// alone (argument 1). A notebook is written by the program (its tables,
// page index, WAL), its figures drawn a few at a time on pages picked at
// random, as months of drawing leave them. Files are checked once before
// timing.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "drawing_file.h"
#include "no_display.h"
#include "notebook_export.h"
#include "pdf_report.h"
#include "percentiles.h"
#include "stopwatch.h"
#include "qt_print_notebook.h"
#include "scratch_folder.h"

namespace {

constexpr int kPages = 100;
constexpr int kFiguresPerPage = 1000;
constexpr std::size_t kFigureCount = kFiguresPerPage;
constexpr int kLongestRun = 50;
// A hundred pages of figures make far more than a hundred empty ones.
constexpr std::uintmax_t kLeastBytes = 200 * 1024;

enum NotebookKind { kMixedFigures = 0, kLinesOnly = 1 };

// A page of the drawing benchmark's lines only, as many as a page of the mix.
std::vector<PageFigure> LinesPage(unsigned seed) {
    std::vector<PageFigure> lines;
    for (unsigned round = 0; lines.size() < kFigureCount; ++round) {
        for (const PageFigure& figure : MakePage(kFiguresPerPage, seed + 7919 * round)) {
            if (figure.kind == 1 && lines.size() < kFigureCount) lines.push_back(figure);
        }
    }
    return lines;
}

std::vector<std::vector<PageFigure>> NotebookPages(int kind) {
    std::vector<std::vector<PageFigure>> pages;
    for (int page = 1; page <= kPages; ++page) {
        const unsigned seed = 1993 + static_cast<unsigned>(page);
        pages.push_back(kind == kLinesOnly ? LinesPage(seed) : MakePage(kFiguresPerPage, seed));
    }
    return pages;
}

// The folder of each notebook, made once for both benchmarks.
const ScratchFolder* Notebook(int kind) {
    static ScratchFolder folders[2];
    static int built[2] = {-1, -1};
    if (built[kind] < 0) built[kind] = BuildNotebookFile(folders[kind].Path(), NotebookPages(kind), kLongestRun);
    return built[kind] == 1 ? &folders[kind] : nullptr;
}

const char* LabelOf(int kind) { return kind == kLinesOnly ? "lines only" : "mixed figures"; }

// Runs the export with the folder as working folder, as the command does.
int ExportIn(const std::string& folder, const std::string& output) {
    char previous[4096];
    if (getcwd(previous, sizeof previous) == nullptr || chdir(folder.c_str()) != 0) return -1;
    ExportRequest request;
    request.outputPath = output.c_str();
    const int exitCode = ExportNotebookPdf(request);
    return chdir(previous) == 0 ? exitCode : -1;
}

std::string BinaryFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "./";
    const std::string full(path, static_cast<std::size_t>(length));
    return full.substr(0, full.rfind('/') + 1);
}

// Veldrin --export-pdf OUTPUT in the folder, waited for; its exit code.
// Its progress line is not the benchmark's output.
int RunCommand(const std::string& folder, const std::string& output) {
    const std::string program = BinaryFolder() + "Veldrin";
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("--export-pdf"),
                    const_cast<char*>(output.c_str()), nullptr};
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) dup2(quiet, STDERR_FILENO);
        if (chdir(folder.c_str()) == 0) execv(argv[0], argv);
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

void BM_ExportNotebook(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    state.SetLabel(LabelOf(kind));
    const ScratchFolder* notebook = Notebook(kind);
    if (notebook == nullptr) return state.SkipWithError("the notebook could not be made");
    StartWithoutDisplay();
    const std::string programFile = notebook->File("program.pdf"), qtFile = notebook->File("qt.pdf");
    auto exportProgram = [&] { return ExportIn(notebook->Path(), programFile); };
    // Once each way before timing, so that a broken path is not timed; the
    // export first, so that it starts Qt as the command does.
    const int exported = exportProgram();
    const QtPrintNotebook qtNotebook(NotebookPages(kind));
    const bool printed = qtNotebook.Print(qtFile);
    std::string fault = exported != 0 ? "the export failed" : !printed ? "Qt could not write its PDF" : "";
    if (fault.empty()) fault = PdfFault(programFile, kPages, kLeastBytes);
    if (fault.empty()) fault = PdfFault(qtFile, kPages, kLeastBytes);
    if (!fault.empty()) return state.SkipWithError(fault.c_str());
    state.counters["notebook_mb"] = static_cast<double>(FileBytes(notebook->File("Veldrin.dat"))) / (1 << 20);
    state.counters["program_kb"] = static_cast<double>(FileBytes(programFile)) / 1024;
    state.counters["qt_kb"] = static_cast<double>(FileBytes(qtFile)) / 1024;

    std::vector<double> program, qt;
    for (auto _ : state) {
        program.push_back(MillisecondsOf(exportProgram));
        qt.push_back(MillisecondsOf([&] { qtNotebook.Print(qtFile); }));
        state.SetIterationTime(program.back() / 1e3);
    }
    const double programMedian = Percentile(program, 0.5), qtMedian = Percentile(qt, 0.5);
    state.counters["program_median_ms"] = programMedian;
    state.counters["qt_median_ms"] = qtMedian;
    state.counters["median_ratio"] = qtMedian > 0 ? programMedian / qtMedian : 0;
    state.SetItemsProcessed(state.iterations() * kPages * kFiguresPerPage);
}
BENCHMARK(BM_ExportNotebook)->Arg(kMixedFigures)->Arg(kLinesOnly)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ExportCommand(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    state.SetLabel(LabelOf(kind));
    const ScratchFolder* notebook = Notebook(kind);
    if (notebook == nullptr) return state.SkipWithError("the notebook could not be made");
    const std::string output = notebook->File("command.pdf");
    std::string fault = RunCommand(notebook->Path(), output) != 0 ? "the export failed" : "";
    if (fault.empty()) fault = PdfFault(output, kPages, kLeastBytes);
    if (!fault.empty()) return state.SkipWithError(fault.c_str());

    std::vector<double> command;
    for (auto _ : state) {
        command.push_back(MillisecondsOf([&] { RunCommand(notebook->Path(), output); }));
        state.SetIterationTime(command.back() / 1e3);
    }
    state.counters["command_median_ms"] = Percentile(command, 0.5);
    state.counters["command_p99_ms"] = Percentile(command, 0.99);
    state.counters["goal_ms"] = 800;
}
BENCHMARK(BM_ExportCommand)->Arg(kMixedFigures)->Arg(kLinesOnly)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
