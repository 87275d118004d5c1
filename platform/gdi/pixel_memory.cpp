#include "gdi/pixel_memory.h"

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <new>

namespace tarnwick::gdi {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kSmallPage = 4096;
// Below this an image gains nothing from a mapping of its own.
constexpr std::size_t kSmallestMapped = std::size_t{1} << 20;

struct Mapping {
    void* start;
    std::size_t length;
};

void Unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

std::size_t RoundUp(std::size_t bytes, std::size_t unit) { return (bytes + unit - 1) / unit * unit; }

// `length` bytes starting on a huge-page boundary; the slack mapped to find
// the boundary is given back at once.
void* MapOnHugePageBoundary(std::size_t length) {
    const std::size_t reserved = length + kHugePage;
    void* raw = mmap(nullptr, reserved, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = RoundUp(start, kHugePage);
    const std::uintptr_t end = aligned + length;
    if (aligned > start) munmap(raw, aligned - start);
    if (start + reserved > end) munmap(reinterpret_cast<void*>(end), start + reserved - end);
    // Only advice: a system without huge pages refuses it and keeps small ones.
    madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

// The bytes a mapped image of `imageBytes` takes: whole 4 KB pages, and a
// last huge page made whole when it is at least half used, so that it too
// can be one page; what a buffer wastes stays under 1 MB.
std::size_t MappingLength(std::size_t imageBytes) {
    const std::size_t lastHugePage = imageBytes % kHugePage;
    if (lastHugePage >= kHugePage / 2) return RoundUp(imageBytes, kHugePage);
    return RoundUp(imageBytes, kSmallPage);
}

// The bytes of an image worth a mapping of its own: 32-bit pixels, at
// least kSmallestMapped of them, and a size no product overflows; 0 for
// any other, which the heap serves (or Qt refuses).
std::size_t MappedImageBytes(const QSize& size, QImage::Format format) {
    if (QImage::toPixelFormat(format).bitsPerPixel() != 32) return 0;
    const std::size_t bytesPerLine = 4 * static_cast<std::size_t>(size.width());
    if (bytesPerLine > INT32_MAX || static_cast<std::size_t>(size.height()) > (PTRDIFF_MAX / 2) / bytesPerLine) return 0;
    const std::size_t bytes = bytesPerLine * static_cast<std::size_t>(size.height());
    return bytes < kSmallestMapped ? 0 : bytes;
}

}  // namespace

QImage NewPixelImage(const QSize& size, QImage::Format format) {
    if (size.isEmpty()) return QImage();
    const std::size_t bytes = MappedImageBytes(size, format);
    if (bytes == 0) return QImage(size, format);
    auto* mapping = new (std::nothrow) Mapping{nullptr, MappingLength(bytes)};
    if (mapping == nullptr) return QImage();
    mapping->start = MapOnHugePageBoundary(mapping->length);
    if (mapping->start == nullptr) {
        delete mapping;
        return QImage();
    }
    return QImage(static_cast<uchar*>(mapping->start), size.width(), size.height(),
                  static_cast<qsizetype>(4) * size.width(), format, Unmap, mapping);
}

}  // namespace tarnwick::gdi
