#include "gdi/pixel_memory.h"

#include <sys/mman.h>

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

}  // namespace

std::size_t PixelMappingLength(std::size_t imageBytes) {
    const std::size_t lastHugePage = imageBytes % kHugePage;
    if (lastHugePage >= kHugePage / 2) return RoundUp(imageBytes, kHugePage);
    return RoundUp(imageBytes, kSmallPage);
}

QImage NewPixelImage(const QSize& size, QImage::Format format) {
    if (size.isEmpty()) return QImage();
    const qint64 bytesPerLine = 4LL * size.width();
    const qint64 bytes = bytesPerLine * size.height();
    const bool fourBytes = QImage::toPixelFormat(format).bitsPerPixel() == 32;
    if (!fourBytes || bytes < static_cast<qint64>(kSmallestMapped) || bytesPerLine > INT32_MAX ||
        bytes > static_cast<qint64>(PTRDIFF_MAX / 2))
        return QImage(size, format);
    auto* mapping = new (std::nothrow) Mapping{nullptr, PixelMappingLength(static_cast<std::size_t>(bytes))};
    if (mapping == nullptr) return QImage();
    mapping->start = MapOnHugePageBoundary(mapping->length);
    if (mapping->start == nullptr) {
        delete mapping;
        return QImage();
    }
    return QImage(static_cast<uchar*>(mapping->start), size.width(), size.height(),
                  static_cast<qsizetype>(bytesPerLine), format, Unmap, mapping);
}

}  // namespace tarnwick::gdi
