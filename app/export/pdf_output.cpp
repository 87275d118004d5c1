#include "pdf_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "application.h"
#include "removal_on_signal.h"

namespace {

constexpr char kDocumentName[] = "Tarnwick Notebook";

// The notebook's own files (the database and what SQLite and the program
// keep beside it), which an export must never write over.
const char* const kNotebookSuffixes[] = {"", "-wal", "-shm", "-unsaved"};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SameFile(const struct stat& a, const char* path) {
    struct stat b {};
    return stat(path, &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Data and name both reach the disk before the run says it is done.
bool SyncPath(const std::string& path, int flags) {
    const int fd = open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0;
    return close(fd) == 0 && synced;
}

mode_t CurrentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

}  // namespace

PdfOutput::~PdfOutput() { Abandon(); }

bool PdfOutput::Failed(const std::string& fault) {
    fault_ = fault;
    Abandon();
    return false;
}

void PdfOutput::Abandon() {
    if (dc_ != nullptr) DeleteDC(dc_);
    dc_ = nullptr;
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        ForgetRemovalOnSignal();
    }
    temporary_.clear();
}

bool PdfOutput::Begin(const char* outputPath, short paperCode) {
    output_ = outputPath;
    return CheckOutput() && MakeTemporaryFile() && StartDocument(paperCode);
}

// A folder cannot take a file's name, and the notebook's own files are
// never written over.
bool PdfOutput::CheckOutput() {
    struct stat existing {};
    if (stat(output_.c_str(), &existing) != 0) return true;
    if (S_ISDIR(existing.st_mode)) return Failed(output_ + " is a folder");
    for (const char* suffix : kNotebookSuffixes) {
        const std::string notebookFile = std::string(kDatabaseFile) + suffix;
        if (SameFile(existing, notebookFile.c_str())) return Failed(output_ + " is the notebook's own file; choose another name");
    }
    return true;
}

// A fresh name beside the output (hidden, on the same file system, so the
// rename is atomic), with the permissions a new file gets.
bool PdfOutput::MakeTemporaryFile() {
    std::string pattern = FolderOf(output_) + "/." + NameOf(output_) + ".XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return Failed(output_ + " cannot be written (" + std::strerror(errno) + ")");
    temporary_ = pattern;
    RemoveOnSignal(temporary_.c_str());
    const bool ready = fchmod(fd, 0666 & ~CurrentUmask()) == 0;
    if (close(fd) != 0 || !ready) return Failed(output_ + " cannot be written (" + std::strerror(errno) + ")");
    return true;
}

bool PdfOutput::StartDocument(short paperCode) {
    DEVMODEA settings{};
    settings.dmSize = sizeof(settings);
    settings.dmFields = DM_PAPERSIZE;
    settings.dmPaperSize = paperCode;
    dc_ = CreateDCA(nullptr, PDF_PRINTER_NAME, temporary_.c_str(), &settings);
    if (dc_ == nullptr) return Failed("the PDF printer could not be set up");
    SetMapMode(dc_, MM_LOMETRIC);
    DOCINFOA document{sizeof(document), kDocumentName, nullptr, "", 0};
    if (StartDocA(dc_, &document) <= 0) return Failed(output_ + " cannot be written");
    return true;
}

// Once the document has begun, the PDF printer refuses a step only when
// its file cannot be written.
bool PdfOutput::WriteFailed() { return Failed(output_ + " could not be written whole (is the disk full?)"); }

bool PdfOutput::BeginPage() { return StartPage(dc_) > 0 || WriteFailed(); }

bool PdfOutput::EndPage() { return ::EndPage(dc_) > 0 || WriteFailed(); }

bool PdfOutput::Finish() {
    if (EndDoc(dc_) <= 0) return WriteFailed();
    DeleteDC(dc_);
    dc_ = nullptr;
    return PutInPlace();
}

bool PdfOutput::PutInPlace() {
    if (!SyncPath(temporary_, O_RDONLY)) return Failed(output_ + " could not be written to disk (" + std::strerror(errno) + ")");
    if (rename(temporary_.c_str(), output_.c_str()) != 0)
        return Failed(output_ + " could not be given its name (" + std::strerror(errno) + ")");
    ForgetRemovalOnSignal();
    temporary_.clear();
    SyncPath(FolderOf(output_), O_RDONLY | O_DIRECTORY);
    return true;
}
