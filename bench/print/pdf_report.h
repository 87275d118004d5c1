// What the print benchmarks check of a PDF file before they time anything.
#ifndef TARNWICK_BENCH_PRINT_PDF_REPORT_H
#define TARNWICK_BENCH_PRINT_PDF_REPORT_H

#include <cstdint>
#include <string>

// What is wrong with a printed file, or empty when it holds `pages` US
// Letter pages and at least `leastBytes`. Without pdfinfo, only its size
// and header are looked at.
std::string PdfFault(const std::string& path, int pages, std::uintmax_t leastBytes);

#endif
