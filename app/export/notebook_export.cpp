// Writing the notebook to PDF: the request is checked first (exit 2 when it
// makes no sense), then the notebook is opened to read only, and every page
// asked for is drawn on a sheet as Print draws it, into a file that takes
// the output's name only when whole. Any failure after the request is
// checked exits 1 with one line on stderr, and leaves no output behind.
#include "notebook_export.h"

#include <malloc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "no_display.h"
#include "notebook_file.h"
#include "page_list.h"
#include "paper_choice.h"
#include "page_reader.h"
#include "pdf_output.h"
#include "progress_line.h"

namespace {

constexpr int kExported = 0;
constexpr int kFailed = 1;
constexpr int kBadRequest = 2;

int Fail(int exitCode, const std::string& why) {
    std::fprintf(stderr, "tarnwick: %s\n", why.c_str());
    return exitCode;
}

// What a request asks for, once it is known to make sense.
struct ExportPlan {
    std::string output;
    short paperCode = 0;
    bool pagesGiven = false;
    std::vector<int> pages;
};

int Plan(const ExportRequest& request, ExportPlan& plan) {
    if (request.outputPath == nullptr || request.outputPath[0] == '\0')
        return Fail(kBadRequest, "--export-pdf needs the name of the PDF file to write");
    plan.output = request.outputPath;
    std::string known;
    const char* paper = request.paper != nullptr ? request.paper : kDefaultPaper;
    plan.paperCode = PaperCodeNamed(paper, known);
    if (plan.paperCode == 0)
        return Fail(kBadRequest, std::string("--paper ") + paper + ": no such paper (choose " + known + ")");
    plan.pagesGiven = request.pages != nullptr;
    std::string fault;
    if (plan.pagesGiven && !ParsePageList(request.pages, plan.pages, fault))
        return Fail(kBadRequest, std::string("--pages ") + request.pages + ": " + fault);
    return kExported;
}

int WritePages(NotebookFile& notebook, const ExportPlan& plan) {
    // Reading starts first, so that the first page is ready sooner.
    PageReader reader(notebook, plan.pages);
    PdfOutput pdf;
    if (!pdf.Begin(plan.output.c_str(), plan.paperCode)) return Fail(kFailed, pdf.Fault());
    ProgressLine progress(plan.pages.size(), plan.output);
    auto failed = [&progress](const std::string& why) {
        progress.End();
        return Fail(kFailed, why);
    };
    for (std::size_t done = 0; done < plan.pages.size(); ++done) {
        const FigurePage* page = reader.Next();
        if (page == nullptr) return failed(reader.Fault() + "; nothing was written");
        if (!pdf.BeginPage()) return failed(pdf.Fault());
        PageReader::Draw(*page, pdf.Dc());
        if (!pdf.EndPage()) return failed(pdf.Fault());
        progress.PageDone(done + 1);
    }
    return pdf.Finish() ? kExported : failed(pdf.Fault());
}

// Every page builds its PDF text in buffers of some hundred kilobytes and
// frees them; handing that memory back to the system after each page and
// faulting it in again for the next costs a tenth of the export's time.
// The export keeps it for the next page instead.
void KeepFreedMemoryForTheNextPage() {
    constexpr int kKeptBytes = 256 << 20;
    mallopt(M_MMAP_THRESHOLD, kKeptBytes);
    mallopt(M_TRIM_THRESHOLD, kKeptBytes);
    mallopt(M_TOP_PAD, 64 << 20);
}

int Export(const ExportRequest& request) {
    ExportPlan plan;
    if (int refused = Plan(request, plan)) return refused;
    KeepFreedMemoryForTheNextPage();
    // No display is needed; a layer that started on one already prints
    // just as well.
    StartWithoutDisplay();
    NotebookFile notebook;
    if (!notebook.Open()) return Fail(kFailed, notebook.Fault() + "; nothing was written");
    if (!plan.pagesGiven && !notebook.PagesWithFigures(plan.pages))
        return Fail(kFailed, notebook.Fault() + "; nothing was written");
    if (plan.pages.empty()) return Fail(kFailed, "no page of the notebook holds figures; nothing was written");
    return WritePages(notebook, plan);
}

}  // namespace

int ExportNotebookPdf(const ExportRequest& request) {
    try {
        return Export(request);
    } catch (...) {
        // Only memory running out throws here, and the temporary file is
        // gone by now; the message needs no memory of its own.
        std::fputs("tarnwick: the export ran out of memory; nothing was written\n", stderr);
        return kFailed;
    }
}
