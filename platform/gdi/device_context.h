// The device context behind an HDC: the whole GDI state, the stack of
// states kept by SaveDC, and a QPainter on the DC's target.
//
// The painter always works in device pixels with no transform of its own:
// every primitive maps its points through the DC's transform first. Painter
// state (pen, brush, composition mode, clip) is brought up to date lazily,
// only when a primitive runs and only where it differs from what the painter
// already has, so that selecting objects and saving/restoring the DC stay
// cheap. That cache is the context's own: drawing code asks what is in force.
#ifndef TARNWICK_PLATFORM_GDI_DEVICE_CONTEXT_H
#define TARNWICK_PLATFORM_GDI_DEVICE_CONTEXT_H

#include "gdi/device_pen.h"
#include "gdi/gdi_objects.h"
#include "gdi/mapping.h"
#include "gdi/raster_ops.h"
#include "windows.h"

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <cstdint>
#include <memory>

namespace tarnwick::gdi {

// A device a DC owns (a printer): the paint device, the measures only it
// knows, and what becomes of unfinished work when the DC is deleted.
class OwnedDevice {
public:
    virtual ~OwnedDevice() = default;
    virtual QPaintDevice* Device() = 0;
    // GetDeviceCaps for every index but LOGPIXELSX/Y.
    virtual int Capability(int index) = 0;
    // The DC is being deleted; called while its painter may still be active.
    virtual void Abandon() {}
};

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

class DeviceContext {
public:
    DeviceContext(DeviceKind kind, int dpiX, int dpiY);
    ~DeviceContext();

    HDC handle = nullptr;
    const DeviceKind kind;
    DcState state;
    DcState* saved = nullptr;  // saved[0] is level 1
    int savedCount = 0;
    int savedCapacity = 0;
    Transform transform;
    int dpiX;
    int dpiY;

    // ---- the target ----
    QPaintDevice* Device() const { return device_; }
    // The device the DC owns, or null.
    OwnedDevice* Owned() const { return owned_.get(); }
    void Own(std::unique_ptr<OwnedDevice> device) { owned_ = std::move(device); }
    // The target when it is an image, else null.
    QImage* Image() const { return image_; }
    // Draws into an image or onto a device owned by the caller.
    void TargetImage(QImage* image);
    void TargetDevice(QPaintDevice* device);
    // Re-targets the painter after the selected bitmap changed.
    void BitmapChanged();
    // Lets go of the target, before it may change or be freed.
    void EndPainting();
    // True when the target's pixels can be written as 0xAARRGGBB words.
    bool HasWordPixels() const;

    // ---- after a state change ----
    // Recomputes the transform after any change of the mapping.
    void MappingChanged();
    void ClipChanged() { cache_.clipValid = false; }

    // ---- bringing the painter up to date before a primitive ----
    // The painter, begun on the target, or null when there is none.
    QPainter* Painter();
    // The painter with the DC's clip applied; false when there is no target.
    bool PrepareTarget();
    // Composition mode and clip for the ROP. False when the raster
    // operation draws nothing (R2_NOP).
    bool ApplyRasterState();
    // Painter pen/brush for the selected objects (composition and clip too);
    // the pen as SelectedPen gave it.
    bool ApplyPen(const DevicePen& pen);
    bool ApplyBrush();
    // Composition for SetPixel, text and FillRect, which ignore the ROP.
    void ApplyCopyMode();
    // Text state: copy mode, transparent background, the font, and the text
    // colour as the painter's pen.
    bool ApplyText(const QFont& font);
    // Narrows the painter's clip to a box (DrawTextA) until the next
    // primitive brings the DC's own clip back.
    void ClipPainterTo(const QRect& box);
    // The painter after one of the Apply or Prepare calls succeeded.
    QPainter& ActivePainter() { return painter_; }

    // ---- what was drawn, for DCs of windows that show their pixels ----
    // Primitives report the device pixels they may have changed; a window
    // shows only those again when its DC is released.
    void TrackDrawing(bool tracks = true) { tracksDrawing_ = tracks; }
    bool TracksDrawing() const { return tracksDrawing_; }
    bool HasDrawn() const { return !drawn_.isEmpty(); }
    QRect Drawn() const { return drawn_; }
    void NoteDrawn(const QRect& deviceArea) {
        if (tracksDrawing_) drawn_ |= deviceArea;
    }
    // What was drawn since the last call, and starts afresh.
    QRect TakeDrawn() {
        QRect drawn = drawn_;
        drawn_ = QRect();
        return drawn;
    }

    // The selected pen as ApplyPen would put it in force under the present
    // mapping and raster operation; cheap, and asks nothing of the painter.
    DevicePen SelectedPen() const;
    // Device pixels to one pixel of the screen whose look the DC gives its
    // pens: 1 but on printers, which draw pens as the canvas shows them.
    double ScreenPixel() const { return kind == DeviceKind::Device ? PrinterScreenPixel(dpiX) : 1.0; }

    // ---- what is in force (valid after ApplyPen / ApplyBrush) ----
    const DevicePen& PenInForce() const { return cache_.pen; }
    bool BrushIsHollow() const { return cache_.brushHollow; }
    COLORREF BrushColour() const { return cache_.brushColour; }
    const RasterOp& Rop() const { return RasterOpFor(state.rop2); }

private:
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

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
    void SetComposition(QPainter::CompositionMode mode);

    bool tracksDrawing_ = false;
    QRect drawn_;
    std::unique_ptr<OwnedDevice> owned_;
    QPaintDevice* device_ = nullptr;  // null when there is nothing to draw on
    QImage* image_ = nullptr;
    QPainter painter_;
    PainterCache cache_;
};

// The live device context of a handle, or null.
DeviceContext* DeviceContextOf(HDC dc);

// A DC drawing into an image owned by the caller (window buffers), who
// keeps it alive until DeleteDC.
HDC CreateImageDeviceContext(QImage* image, int dpiX, int dpiY);
// A DC that owns its device and has no target until it is given one
// (a printer, from StartDocA on).
HDC CreateOwningDeviceContext(std::unique_ptr<OwnedDevice> device, int dpiX, int dpiY);

}  // namespace tarnwick::gdi

#endif
