// Logical-to-device mapping of a device context, with Win32's formula:
//   device = (logical - windowOrg) * viewportExt / windowExt + viewportOrg
// and the inverse for device-to-logical, each rounded to the nearest integer
// (halves away from minus infinity).
#ifndef TARNWICK_PLATFORM_MAPPING_H
#define TARNWICK_PLATFORM_MAPPING_H

#include "windows.h"

namespace tarnwick::gdi {

struct Mapping {
    int mode = MM_TEXT;
    POINT windowOrg = {0, 0};
    POINT viewportOrg = {0, 0};
    SIZE windowExt = {1, 1};
    SIZE viewportExt = {1, 1};

    bool operator==(const Mapping& other) const;
};

// The mapping reduced to per-axis numbers, recomputed after every change.
struct Transform {
    long long windowOrgX = 0, windowOrgY = 0;
    long long viewportOrgX = 0, viewportOrgY = 0;
    long long windowExtX = 1, windowExtY = 1;
    long long viewportExtX = 1, viewportExtY = 1;
    double scaleX = 1.0, scaleY = 1.0;  // device units per logical unit, signed
    bool identityScale = true;

    POINT ToDevice(LONG x, LONG y) const;
    POINT ToLogical(LONG x, LONG y) const;
    // Device position of a logical point, unrounded (for text placement).
    double DeviceX(double x) const;
    double DeviceY(double y) const;
};

// The transform of a mapping on a device of the given resolution.
Transform ComputeTransform(const Mapping& mapping);

// SetMapMode: fixed modes take their extents from the device resolution.
void ApplyMapMode(Mapping& mapping, int mode, int dpiX, int dpiY);
// MM_ISOTROPIC keeps equal scales by shrinking one viewport extent.
void AdjustIsotropic(Mapping& mapping);

}  // namespace tarnwick::gdi

#endif
