// Dialog units: template positions are measured in quarters of the dialog
// font's average character width and eighths of its height. The average
// width is that of "A".."Z" and "a".."z", rounded as Win32 rounds it.
#ifndef TARNWICK_PLATFORM_USER_DIALOG_UNITS_H
#define TARNWICK_PLATFORM_USER_DIALOG_UNITS_H

#include <QFont>
#include <QRect>

namespace tarnwick::user {

struct DialogBaseUnits {
    int x = 0;  // average character width, pixels
    int y = 0;  // character height, pixels
};

// The base units of a font realised at its own pixel size.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// Win32's MulDiv: a * b / c rounded half away from zero, in 64 bits; -1 when
// c is 0 or the result does not fit an int.
int MulDiv(int a, int b, int c);

// A template rectangle (dialog units) in pixels.
QRect DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int cx, int cy);

// The pixel height of a font of `points` at `dpi` (a point is 1/72 inch).
int PointsToPixels(int points, int dpi);

}  // namespace tarnwick::user

#endif
