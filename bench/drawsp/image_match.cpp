#include "image_match.h"

#include <cstddef>
#include <vector>

QImage SurfaceImage(const CanvasDC& canvas) {
    QImage image(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    const std::vector<COLORREF> pixels = canvas.Pixels();
    if (pixels.size() != static_cast<std::size_t>(kCanvasWidth) * kCanvasHeight) return QImage();
    std::size_t next = 0;
    for (int y = 0; y < kCanvasHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kCanvasWidth; ++x, ++next) {
            const COLORREF c = pixels[next];
            row[x] = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
        }
    }
    return image;
}

int CountMismatches(const QImage& a, const QImage& b, const QRect& area) {
    if (a.size() != b.size()) {
        const QSize larger = a.size().expandedTo(b.size());
        return larger.width() * larger.height();
    }
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    const QRect inside = area & left.rect();
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (((p[x] ^ q[x]) & 0x00FFFFFFu) != 0) ++count;
        }
    }
    return count;
}

int CountMismatches(const QImage& a, const QImage& b) { return CountMismatches(a, b, a.rect()); }
