// The PDF file an export writes, page by page, on the PDF printer's DC and
// mapped as Print maps a sheet (MM_LOMETRIC from the top-left corner). It
// is written under a temporary name beside the output and takes the
// output's name only once it is whole and on disk: the output's name never
// holds half a PDF, and a run that fails, or is stopped by a signal,
// removes the temporary file.
#ifndef TARNWICK_APP_EXPORT_PDF_OUTPUT_H
#define TARNWICK_APP_EXPORT_PDF_OUTPUT_H

#include <string>

#include "windows.h"

class PdfOutput {
public:
    PdfOutput() = default;
    // Abandons a document not yet finished.
    ~PdfOutput();
    PdfOutput(const PdfOutput&) = delete;
    PdfOutput& operator=(const PdfOutput&) = delete;

    // Starts the document on paper of a DMPAPER_ code; false, with a
    // sentence in Fault(), when the output cannot be written.
    bool Begin(const char* outputPath, short paperCode);
    HDC Dc() const { return dc_; }
    bool BeginPage();
    bool EndPage();
    // Ends the document and gives it the output's name.
    bool Finish();

    const std::string& Fault() const { return fault_; }

private:
    bool Failed(const std::string& fault);
    bool WriteFailed();
    bool CheckOutput();
    bool MakeTemporaryFile();
    bool StartDocument(short paperCode);
    bool PutInPlace();
    void Abandon();

    std::string output_;
    std::string temporary_;
    HDC dc_ = nullptr;
    std::string fault_;
};

#endif
