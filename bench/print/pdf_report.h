// What the print benchmarks check of a PDF file before they time anything,
// and how they time a piece of work.
#ifndef TARNWICK_BENCH_PRINT_PDF_REPORT_H
#define TARNWICK_BENCH_PRINT_PDF_REPORT_H

#include <chrono>
#include <cstdint>
#include <string>

// What is wrong with a printed file, or empty when it holds `pages` US
// Letter pages and at least `leastBytes`. Without pdfinfo, only its size
// and header are looked at.
std::string PdfFault(const std::string& path, int pages, std::uintmax_t leastBytes);

template <class Work>
double MillisecondsOf(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

#endif
