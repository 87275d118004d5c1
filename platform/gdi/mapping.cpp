// Mapping modes and the logical/device coordinate conversions.
#include "gdi/mapping.h"

#include "gdi/device_context.h"

#include <cmath>
#include <cstdlib>

namespace tarnwick::gdi {
namespace {

// Device coordinates stay within GDI's 28-bit range, so that sizes computed
// from them cannot overflow; logical results stay within 32 bits.
constexpr double kDeviceLimit = 134217727.0;
constexpr double kLogicalLimit = 2147483647.0;

LONG RoundClamped(double value, double limit) {
    double rounded = std::floor(value + 0.5);
    if (!(rounded > -limit)) return static_cast<LONG>(-limit);  // also NaN
    if (rounded > limit) return static_cast<LONG>(limit);
    return static_cast<LONG>(rounded);
}

// Logical units per inch of the fixed mapping modes (y grows upwards in all).
struct FixedMode {
    int mode;
    int unitsPerInch;
};
constexpr FixedMode kFixedModes[] = {
    {MM_LOMETRIC, 254},    // 0.1 mm
    {MM_HIMETRIC, 2540},   // 0.01 mm
    {MM_LOENGLISH, 100},   // 0.01 inch
    {MM_HIENGLISH, 1000},  // 0.001 inch
    {MM_TWIPS, 1440},      // 1/1440 inch
};

}  // namespace

bool Mapping::operator==(const Mapping& other) const {
    return mode == other.mode && windowOrg.x == other.windowOrg.x &&
           windowOrg.y == other.windowOrg.y && viewportOrg.x == other.viewportOrg.x &&
           viewportOrg.y == other.viewportOrg.y && windowExt.cx == other.windowExt.cx &&
           windowExt.cy == other.windowExt.cy && viewportExt.cx == other.viewportExt.cx &&
           viewportExt.cy == other.viewportExt.cy;
}

POINT Transform::ToDevice(LONG x, LONG y) const {
    if (identityScale) {
        return {RoundClamped(static_cast<double>(x - windowOrgX + viewportOrgX), kDeviceLimit),
                RoundClamped(static_cast<double>(y - windowOrgY + viewportOrgY), kDeviceLimit)};
    }
    // In doubles: the products of 32-bit values can exceed 64-bit integers.
    double dx = static_cast<double>(x - windowOrgX) * viewportExtX / windowExtX + viewportOrgX;
    double dy = static_cast<double>(y - windowOrgY) * viewportExtY / windowExtY + viewportOrgY;
    return {RoundClamped(dx, kDeviceLimit), RoundClamped(dy, kDeviceLimit)};
}

POINT Transform::ToLogical(LONG x, LONG y) const {
    if (identityScale) {
        return {RoundClamped(static_cast<double>(x - viewportOrgX + windowOrgX), kLogicalLimit),
                RoundClamped(static_cast<double>(y - viewportOrgY + windowOrgY), kLogicalLimit)};
    }
    double lx = static_cast<double>(x - viewportOrgX) * windowExtX / viewportExtX + windowOrgX;
    double ly = static_cast<double>(y - viewportOrgY) * windowExtY / viewportExtY + windowOrgY;
    return {RoundClamped(lx, kLogicalLimit), RoundClamped(ly, kLogicalLimit)};
}

double Transform::DeviceX(double x) const { return (x - windowOrgX) * scaleX + viewportOrgX; }
double Transform::DeviceY(double y) const { return (y - windowOrgY) * scaleY + viewportOrgY; }

Transform ComputeTransform(const Mapping& mapping) {
    Transform t;
    t.windowOrgX = mapping.windowOrg.x;
    t.windowOrgY = mapping.windowOrg.y;
    t.viewportOrgX = mapping.viewportOrg.x;
    t.viewportOrgY = mapping.viewportOrg.y;
    if (mapping.mode != MM_TEXT) {
        t.windowExtX = mapping.windowExt.cx ? mapping.windowExt.cx : 1;
        t.windowExtY = mapping.windowExt.cy ? mapping.windowExt.cy : 1;
        t.viewportExtX = mapping.viewportExt.cx ? mapping.viewportExt.cx : 1;
        t.viewportExtY = mapping.viewportExt.cy ? mapping.viewportExt.cy : 1;
    }
    t.scaleX = static_cast<double>(t.viewportExtX) / t.windowExtX;
    t.scaleY = static_cast<double>(t.viewportExtY) / t.windowExtY;
    t.identityScale = t.windowExtX == t.viewportExtX && t.windowExtY == t.viewportExtY;
    return t;
}

void ApplyMapMode(Mapping& mapping, int mode, int dpiX, int dpiY) {
    mapping.mode = mode;
    if (mode == MM_TEXT) {
        mapping.windowExt = {1, 1};
        mapping.viewportExt = {1, 1};
        return;
    }
    for (const FixedMode& fixed : kFixedModes) {
        if (fixed.mode != mode) continue;
        mapping.windowExt = {fixed.unitsPerInch, fixed.unitsPerInch};
        mapping.viewportExt = {dpiX, -dpiY};
        return;
    }
    if (mode == MM_ISOTROPIC) {
        // Win32 starts an isotropic mapping at one logical unit per pixel.
        mapping.windowExt = {1, 1};
        mapping.viewportExt = {1, 1};
    }
    // MM_ANISOTROPIC keeps the extents it had.
}

void AdjustIsotropic(Mapping& mapping) {
    if (mapping.mode != MM_ISOTROPIC) return;
    long long wx = mapping.windowExt.cx, wy = mapping.windowExt.cy;
    long long vx = mapping.viewportExt.cx, vy = mapping.viewportExt.cy;
    if (!wx || !wy || !vx || !vy) return;
    double xScale = std::fabs(static_cast<double>(vx) / wx);
    double yScale = std::fabs(static_cast<double>(vy) / wy);
    if (xScale > yScale) {
        long long adjusted = std::llabs(wx * vy / wy);
        mapping.viewportExt.cx = static_cast<LONG>(vx < 0 ? -adjusted : adjusted);
    } else if (yScale > xScale) {
        long long adjusted = std::llabs(wy * vx / wx);
        mapping.viewportExt.cy = static_cast<LONG>(vy < 0 ? -adjusted : adjusted);
    }
}

}  // namespace tarnwick::gdi

using namespace tarnwick::gdi;

namespace {

bool ScalableMode(int mode) { return mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC; }

bool ValidMode(int mode) { return mode >= MM_TEXT && mode <= MM_ANISOTROPIC; }

}  // namespace

int SetMapMode(HDC dc, int mode) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || !ValidMode(mode)) return 0;
    int previous = context->state.mapping.mode;
    ApplyMapMode(context->state.mapping, mode, context->dpiX, context->dpiY);
    context->MappingChanged();
    return previous;
}

int GetMapMode(HDC dc) {
    DeviceContext* context = DeviceContextOf(dc);
    return context ? context->state.mapping.mode : 0;
}

BOOL SetWindowExtEx(HDC dc, int x, int y, LPSIZE old) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    Mapping& mapping = context->state.mapping;
    if (old) *old = mapping.windowExt;
    if (!ScalableMode(mapping.mode)) return TRUE;  // fixed modes ignore new extents
    if (x == 0 || y == 0) return FALSE;
    mapping.windowExt = {x, y};
    AdjustIsotropic(mapping);
    context->MappingChanged();
    return TRUE;
}

BOOL SetViewportExtEx(HDC dc, int x, int y, LPSIZE old) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    Mapping& mapping = context->state.mapping;
    if (old) *old = mapping.viewportExt;
    if (!ScalableMode(mapping.mode)) return TRUE;
    if (x == 0 || y == 0) return FALSE;
    mapping.viewportExt = {x, y};
    AdjustIsotropic(mapping);
    context->MappingChanged();
    return TRUE;
}

BOOL SetWindowOrgEx(HDC dc, int x, int y, LPPOINT old) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    if (old) *old = context->state.mapping.windowOrg;
    context->state.mapping.windowOrg = {x, y};
    context->MappingChanged();
    return TRUE;
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, LPPOINT old) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    if (old) *old = context->state.mapping.viewportOrg;
    context->state.mapping.viewportOrg = {x, y};
    context->MappingChanged();
    return TRUE;
}

BOOL DPtoLP(HDC dc, LPPOINT points, int count) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || (!points && count > 0) || count < 0) return FALSE;
    for (int i = 0; i < count; ++i) points[i] = context->transform.ToLogical(points[i].x, points[i].y);
    return TRUE;
}

BOOL LPtoDP(HDC dc, LPPOINT points, int count) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || (!points && count > 0) || count < 0) return FALSE;
    for (int i = 0; i < count; ++i) points[i] = context->transform.ToDevice(points[i].x, points[i].y);
    return TRUE;
}
