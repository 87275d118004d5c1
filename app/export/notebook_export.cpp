// Placeholder until the export is built: every request is refused clearly.
#include "notebook_export.h"

#include <cstdio>

int ExportNotebookPdf(const ExportRequest&) {
    std::fputs("tarnwick: --export-pdf is not available in this build\n", stderr);
    return 1;
}
