#include "pdf_report.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

// The named field of pdfinfo's report, or empty.
std::string InfoField(const std::string& report, const char* name) {
    const std::size_t at = report.find(std::string("\n") + name + ":");
    if (at == std::string::npos) return {};
    const std::size_t from = report.find_first_not_of(' ', at + std::strlen(name) + 2);
    return report.substr(from, report.find('\n', from) - from);
}

bool HasPdfHeader(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    char header[5] = {};
    const bool pdf = file != nullptr && std::fread(header, 1, 5, file) == 5 && std::memcmp(header, "%PDF-", 5) == 0;
    if (file != nullptr) std::fclose(file);
    return pdf;
}

}  // namespace

std::string PdfFault(const std::string& path, int pages, std::uintmax_t leastBytes) {
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(path, error);
    if (error) return path + " was not written";
    if (bytes < leastBytes) return path + " holds only " + std::to_string(bytes) + " bytes";
    std::FILE* info = popen(("pdfinfo '" + path + "' 2>&1").c_str(), "r");
    if (info == nullptr) return {};
    std::string report = "\n";
    char chunk[512];
    while (std::fgets(chunk, sizeof chunk, info) != nullptr) report += chunk;
    const int status = pclose(info);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127)  // no pdfinfo here
        return HasPdfHeader(path) ? std::string() : path + " is not a PDF file";
    if (InfoField(report, "Pages") != std::to_string(pages))
        return path + " does not hold " + std::to_string(pages) + " pages:" + report;
    if (InfoField(report, "Page size").rfind("612 x 792 pts", 0) != 0) return path + " is not US Letter:" + report;
    return {};
}
