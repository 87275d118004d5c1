// The installed face that stands in for a face asked for by its Windows
// name: metric-compatible Liberation faces for Arial, MS Sans Serif, Times
// New Roman, Courier and their kin. Other names are used as given; no name
// gives the default sans-serif face.
#ifndef TARNWICK_PLATFORM_GDI_FONT_FACES_H
#define TARNWICK_PLATFORM_GDI_FONT_FACES_H

#include <QString>

#include "windows.h"

namespace tarnwick::gdi {

QString ResolveFace(LPCSTR faceName);

}  // namespace tarnwick::gdi

#endif
