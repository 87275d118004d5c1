// The papers this layer prints on: each DMPAPER_ code once, with Qt's size
// for it and the name DeviceCapabilitiesA gives. The page setup dialog
// offers them in this order, DEVMODE blocks carry their codes, and a
// program choosing paper by name finds it here.
#ifndef TARNWICK_PLATFORM_PRINT_PAPERS_H
#define TARNWICK_PLATFORM_PRINT_PAPERS_H

#include <QPageSize>

#include <span>

#include "windows.h"

namespace tarnwick::print {

struct Paper {
    short code;                 // DMPAPER_
    QPageSize::PageSizeId size;
    const char* name;           // at most 63 bytes: a DC_PAPERNAMES entry
};

std::span<const Paper> Papers();

// The paper of a DMPAPER_ code, or null for a code this layer lacks.
const Paper* PaperOfCode(short code);
// The DMPAPER_ code of a page size, 0 for sizes without one.
short CodeOfPaper(const QPageSize& size);

}  // namespace tarnwick::print

#endif
