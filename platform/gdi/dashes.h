// Win32's cosmetic dash patterns: the on and off runs, in pixels, of a
// one-pixel pen of a dashed style.
#ifndef TARNWICK_PLATFORM_GDI_DASHES_H
#define TARNWICK_PLATFORM_GDI_DASHES_H

#include <QList>

namespace tarnwick::gdi {

// On, off, on, off... in pixels.
struct DashPattern {
    const int* lengths;
    int count;

    // Whether the pixel at this distance from the pattern's start is drawn.
    bool IsOn(long long position) const;
};

// The pattern of a pen style (PS_DASH for any style that is not a dot style).
DashPattern CosmeticDashes(int style);

// The same pattern as QPen::setDashPattern takes it, each pixel counted as
// `unit`.
QList<qreal> QtDashPattern(int style, qreal unit);

}  // namespace tarnwick::gdi

#endif
