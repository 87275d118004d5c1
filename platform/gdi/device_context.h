// The device context behind an HDC: a QPainter on a paint device plus the
// whole GDI state, and the stack of states kept by SaveDC.
//
// The painter always works in device pixels with no transform of its own:
// every primitive maps its points through the DC's transform first. Painter
// state (pen, brush, composition mode, clip) is applied lazily, only when a
// primitive runs and only where it differs from what the painter already has,
// so that selecting objects and saving/restoring the DC stay cheap.
#ifndef TARNWICK_PLATFORM_DEVICE_CONTEXT_H
#define TARNWICK_PLATFORM_DEVICE_CONTEXT_H

#include "gdi/gdi_objects.h"
#include "gdi/mapping.h"
#include "windows.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QRegion>

#include <cstdint>

namespace tarnwick::gdi {

// Everything SaveDC keeps and RestoreDC brings back.
struct DcState {
    GdiObject* pen = nullptr;
    GdiObject* brush = nullptr;
    GdiObject* font = nullptr;
    GdiObject* bitmap = nullptr;  // memory DCs only
    COLORREF textColour = 0x000000;
    COLORREF bkColour = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    UINT textAlign = TA_TOP | TA_LEFT;
    POINT position = {0, 0};  // logical
    Mapping mapping;
    bool hasClip = false;
    QRegion clip;  // device units
};

enum class DeviceKind : std::uint8_t {
    Memory,  // draws into the selected bitmap
    Image,   // draws into an image owned elsewhere (a window's pixel buffer)
    Device,  // draws on another paint device (a printer)
};

// The pen as the painter needs it, after mapping.
struct DevicePen {
    int style = PS_SOLID;  // PS_SOLID, a dash style, or PS_NULL
    int width = 1;         // device pixels, at least 1
    COLORREF colour = 0;

    bool IsNull() const { return style == PS_NULL; }
    bool IsThinSolid() const { return style == PS_SOLID && width == 1; }
    bool operator==(const DevicePen& other) const {
        return style == other.style && width == other.width && colour == other.colour;
    }
};

// Win32's cosmetic dash pattern of a one-pixel pen style, in pixels: on,
// off, on, off... (PS_DASH for any style that is not a dot style).
struct DashPattern {
    const int* lengths;
    int count;

    // Whether the pixel at this distance from the pattern's start is drawn.
    bool IsOn(long long position) const;
};
DashPattern CosmeticDashes(int style);

struct PainterCache {
    bool penValid = false;
    DevicePen pen;
    bool brushValid = false;
    bool brushHollow = true;
    COLORREF brushColour = 0;
    bool compositionValid = false;
    QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
    bool clipValid = false;
};

constexpr std::uint32_t kDeviceContextMagic = 0x47444943;  // "GDIC"

struct DeviceContext {
    std::uint32_t magic = kDeviceContextMagic;
    DeviceKind kind = DeviceKind::Memory;
    DcState state;
    DcState* saved = nullptr;  // saved[0] is level 1
    int savedCount = 0;
    int savedCapacity = 0;
    Transform transform;
    int dpiX = 96;
    int dpiY = 96;
    QPaintDevice* device = nullptr;  // current target, null when nothing to draw on
    QImage* image = nullptr;         // the same target when it is an image
    QPainter painter;
    PainterCache cache;

    // Recomputes the transform after any change of the mapping.
    void MappingChanged();
    // Re-targets the painter after the selected bitmap changed.
    void BitmapChanged();
    // The painter, begun on the target, or null when there is none.
    QPainter* Painter();
    // The painter with the DC's clip applied, false when there is no target.
    bool PrepareTarget();
    // Brings the painter's composition mode and clip up to date for the ROP.
    // False when the raster operation draws nothing (R2_NOP).
    bool ApplyRasterState();
    // Painter pen/brush for the selected objects (composition and clip too).
    bool ApplyPen();
    bool ApplyBrush();
    // True when the target's pixels can be written as 0xAARRGGBB words.
    bool HasWordPixels() const {
        return image && (image->format() == QImage::Format_RGB32 ||
                         image->format() == QImage::Format_ARGB32_Premultiplied);
    }
    // Composition for text and FillRect, which ignore the ROP.
    void ApplyCopyMode();
    void InvalidateClip() { cache.clipValid = false; }
    // False for operations such as R2_NOT that change a pixel again when a
    // figure covers it twice; such figures must touch each pixel once.
    bool RopIsIdempotent() const;

    DevicePen CurrentDevicePen() const;
    // Colour a primitive uses for the pen/brush under the current ROP.
    COLORREF RopColour(COLORREF colour) const;
};

// The live device context of a handle, or null.
DeviceContext* DeviceContextOf(HDC dc);

// A DC drawing into an image owned by the caller (window buffers), or onto a
// paint device (printers). The caller keeps the target alive until DeleteDC.
HDC CreateImageDeviceContext(QImage* image, int dpiX, int dpiY);
HDC CreatePaintDeviceContext(QPaintDevice* device, int dpiX, int dpiY);

QColor ToQColor(COLORREF colour);

}  // namespace tarnwick::gdi

#endif
