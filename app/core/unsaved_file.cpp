#include "unsaved_file.h"

#include <sys/random.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

#include "text_string.h"

namespace {

// No figure's objData comes near this; a longer length is damage.
constexpr long kLongestObjData = 1 << 20;
constexpr char kTokenLine[] = "tarnwick-unsaved %d\n";
constexpr char kTemporarySuffix[] = ".tmp";

std::int32_t NewToken(std::int32_t avoid) {
    std::uint32_t bits = 0;
    if (getrandom(&bits, sizeof(bits), 0) != static_cast<ssize_t>(sizeof(bits))) {
        bits = static_cast<std::uint32_t>(std::time(nullptr)) * 2654435761u ^ static_cast<std::uint32_t>(getpid());
    }
    while (bits == 0 || static_cast<std::int32_t>(bits) == avoid) ++bits;
    return static_cast<std::int32_t>(bits);
}

bool WriteRow(std::FILE* file, const KeptRow& row) {
    const std::size_t length = std::strlen(row.objData.get());
    return std::fprintf(file, "%d %d %zu\n", row.pageNumber, row.kind, length) > 0 &&
           std::fwrite(row.objData.get(), 1, length, file) == length && std::fputc('\n', file) != EOF;
}

OwnedText ReadObjData(std::FILE* file, long length) {
    if (length < 0 || length > kLongestObjData) return nullptr;
    OwnedText objData = AllocateText(static_cast<std::size_t>(length) + 1);
    if (!objData) return nullptr;
    if (std::fread(objData.get(), 1, static_cast<std::size_t>(length), file) != static_cast<std::size_t>(length) ||
        std::fgetc(file) != '\n' || std::memchr(objData.get(), '\0', static_cast<std::size_t>(length)) != nullptr) {
        return nullptr;
    }
    objData.get()[length] = '\0';
    return objData;
}

// The token of a file from before tokens: FNV-1a of its bytes, never zero.
std::int32_t HashOfFile(std::FILE* file) {
    std::uint32_t hash = 2166136261u;
    for (int byte = std::fgetc(file); byte != EOF; byte = std::fgetc(file)) {
        hash = (hash ^ static_cast<std::uint32_t>(byte)) * 16777619u;
    }
    return hash == 0 ? 1 : static_cast<std::int32_t>(hash);
}

std::int32_t ReadToken(std::FILE* file) {
    int token = 0;
    if (std::fscanf(file, "tarnwick-unsaved %d", &token) == 1 && std::fgetc(file) == '\n' && token != 0) {
        return token;
    }
    std::rewind(file);
    token = HashOfFile(file);
    std::rewind(file);
    return token;
}

}  // namespace

// Written beside the file and renamed over it, so a run killed while
// writing leaves the former file whole.
bool WriteUnsavedFile(const char* path, const KeptRows& rows, std::int32_t avoid) {
    TextString temporary;
    temporary.Append(path);
    temporary.Append(kTemporarySuffix);
    const char* temporaryPath = temporary.GetBuffer();
    if (temporaryPath == nullptr) return false;
    std::FILE* file = std::fopen(temporaryPath, "wb");
    if (file == nullptr) return false;
    bool written = std::fprintf(file, kTokenLine, NewToken(avoid)) > 0;
    for (const KeptRow& row : rows.Rows()) {
        if (!written) break;
        written = WriteRow(file, row);
    }
    written = std::fflush(file) == 0 && fsync(fileno(file)) == 0 && written;
    written = std::fclose(file) == 0 && written;
    written = written && std::rename(temporaryPath, path) == 0;
    if (!written) std::remove(temporaryPath);
    return written;
}

bool ReadUnsavedFile(const char* path, KeptRows& rows, std::int32_t& token) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    token = ReadToken(file);
    int pageNumber = 0, kind = 0;
    long length = 0;
    while (std::fscanf(file, "%d %d %ld", &pageNumber, &kind, &length) == 3 && std::fgetc(file) == '\n') {
        OwnedText objData = ReadObjData(file, length);
        if (!objData) break;
        KeptRow row;
        row.pageNumber = pageNumber;
        row.kind = kind;
        row.objData = std::move(objData);
        row.fromUnsavedFile = true;
        if (!rows.Add(std::move(row))) break;
    }
    std::fclose(file);
    return true;
}
