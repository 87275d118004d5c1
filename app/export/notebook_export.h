// Writing a whole notebook (the drawings of Veldrin.dat in the working
// folder) to one PDF file, from the command line and without a display:
// one PDF page per drawing page, the figures at their true size as the
// Print command puts them on a sheet.
#ifndef TARNWICK_APP_EXPORT_NOTEBOOK_EXPORT_H
#define TARNWICK_APP_EXPORT_NOTEBOOK_EXPORT_H

struct ExportRequest {
    const char* outputPath = nullptr;  // the PDF to write
    const char* pages = nullptr;       // "1,3-5"; null: every page that holds figures
    const char* paper = nullptr;       // "Letter", "A4" or "Legal"; null: Letter
};

// Writes the PDF and returns the process's exit code: 0 when it was written
// whole; otherwise non-zero after one clear line on stderr (2 for a request
// that makes no sense, such as a malformed page list or paper name). Never
// leaves a partly written PDF under the output name, and writes nothing to
// Veldrin.dat.
int ExportNotebookPdf(const ExportRequest& request);

#endif
