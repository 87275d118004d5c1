// export_pdf --export-pdf OUT.pdf [--pages LIST] [--paper NAME]
// The notebook export on its own, with the options of Veldrin's command
// line: it writes the working folder's notebook to a PDF file and exits
// with the export's code. Tests and the print benchmark run it as a
// process of its own, as a user runs the command.
#include <cstdio>
#include <cstring>

#include "notebook_export.h"

namespace {

// The value after an option, or null when the option ends the line.
const char* ValueAfter(int& at, int argc, char** argv) { return at + 1 < argc ? argv[++at] : nullptr; }

}  // namespace

int main(int argc, char** argv) {
    ExportRequest request;
    bool asked = false;
    for (int at = 1; at < argc; ++at) {
        const char* option = argv[at];
        const char** target = std::strcmp(option, "--export-pdf") == 0 ? &request.outputPath
                              : std::strcmp(option, "--pages") == 0    ? &request.pages
                              : std::strcmp(option, "--paper") == 0    ? &request.paper
                                                                       : nullptr;
        if (target == nullptr || (*target = ValueAfter(at, argc, argv)) == nullptr) {
            std::fprintf(stderr, "usage: %s --export-pdf OUT.pdf [--pages LIST] [--paper A4|Letter|Legal]\n", argv[0]);
            return 2;
        }
        asked = asked || target == &request.outputPath;
    }
    if (!asked) {
        std::fprintf(stderr, "usage: %s --export-pdf OUT.pdf [--pages LIST] [--paper A4|Letter|Legal]\n", argv[0]);
        return 2;
    }
    return ExportNotebookPdf(request);
}
