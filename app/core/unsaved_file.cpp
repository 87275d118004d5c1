#include "unsaved_file.h"

#include <cstdio>
#include <cstring>

namespace {

// No figure's objData comes near this; a longer length is damage.
constexpr long kLongestObjData = 1 << 20;

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

}  // namespace

bool WriteUnsavedFile(const char* path, const KeptRows& rows) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    bool written = true;
    for (const KeptRow& row : rows.Rows()) {
        if (!written) break;
        written = WriteRow(file, row);
    }
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (!written) std::remove(path);
    return written;
}

bool ReadUnsavedFile(const char* path, KeptRows& rows) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    int pageNumber = 0, kind = 0;
    long length = 0;
    while (std::fscanf(file, "%d %d %ld", &pageNumber, &kind, &length) == 3 && std::fgetc(file) == '\n') {
        OwnedText objData = ReadObjData(file, length);
        if (!objData) break;
        KeptRow row;
        row.pageNumber = pageNumber;
        row.kind = kind;
        row.objData = std::move(objData);
        if (!rows.Add(std::move(row))) break;
    }
    std::fclose(file);
    return true;
}
