// Device contexts: creation and defaults, SaveDC/RestoreDC, object selection,
// attributes, and bringing the painter up to date before a primitive runs.
#include "gdi/device_context.h"

#include "core/qt_application.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

namespace tarnwick::gdi {
namespace {

constexpr double kMaxPenWidth = 32767.0;  // device pixels

// How a raster operation reaches the painter. Pixel operations on the
// Format_RGB32 target are exact bitwise operations, as with GDI.
enum class RopColourRule : std::uint8_t { Pen, Black, White, Nothing };
struct RopEntry {
    int rop2;
    QPainter::CompositionMode mode;
    RopColourRule colour;
};
// Operations that give the same pixel when a figure covers it twice.
bool Idempotent(int rop2) {
    return rop2 != R2_NOT && rop2 != R2_XORPEN && rop2 != R2_NOTXORPEN && rop2 != R2_MASKPENNOT &&
           rop2 != R2_MERGEPENNOT && rop2 != R2_NOTMERGEPEN && rop2 != R2_NOTMASKPEN;
}
constexpr RopEntry kRopTable[] = {
    {R2_BLACK, QPainter::CompositionMode_Source, RopColourRule::Black},                  // 0
    {R2_NOTMERGEPEN, QPainter::RasterOp_NotSourceAndNotDestination, RopColourRule::Pen},  // ~(P|D)
    {R2_MASKNOTPEN, QPainter::RasterOp_NotSourceAndDestination, RopColourRule::Pen},      // ~P&D
    {R2_NOTCOPYPEN, QPainter::RasterOp_NotSource, RopColourRule::Pen},                    // ~P
    {R2_MASKPENNOT, QPainter::RasterOp_SourceAndNotDestination, RopColourRule::Pen},      // P&~D
    {R2_NOT, QPainter::RasterOp_NotDestination, RopColourRule::Pen},                      // ~D
    {R2_XORPEN, QPainter::RasterOp_SourceXorDestination, RopColourRule::Pen},             // P^D
    {R2_NOTMASKPEN, QPainter::RasterOp_NotSourceOrNotDestination, RopColourRule::Pen},    // ~(P&D)
    {R2_MASKPEN, QPainter::RasterOp_SourceAndDestination, RopColourRule::Pen},            // P&D
    {R2_NOTXORPEN, QPainter::RasterOp_NotSourceXorDestination, RopColourRule::Pen},       // ~(P^D)
    {R2_NOP, QPainter::CompositionMode_Destination, RopColourRule::Nothing},              // D
    {R2_MERGENOTPEN, QPainter::RasterOp_NotSourceOrDestination, RopColourRule::Pen},      // ~P|D
    {R2_COPYPEN, QPainter::CompositionMode_SourceOver, RopColourRule::Pen},               // P
    {R2_MERGEPENNOT, QPainter::RasterOp_SourceOrNotDestination, RopColourRule::Pen},      // P|~D
    {R2_MERGEPEN, QPainter::RasterOp_SourceOrDestination, RopColourRule::Pen},            // P|D
    {R2_WHITE, QPainter::CompositionMode_Source, RopColourRule::White},                   // 1
};

const RopEntry& RopFor(int rop2) {
    if (rop2 < R2_BLACK || rop2 > R2_WHITE) return kRopTable[R2_COPYPEN - 1];
    return kRopTable[rop2 - 1];
}

QList<qreal> QtDashPattern(int style) {
    const DashPattern dashes = CosmeticDashes(style);
    QList<qreal> pattern;
    for (int i = 0; i < dashes.count; ++i) pattern.append(dashes.lengths[i]);
    return pattern;
}

QPen MakeQPen(const DevicePen& pen) {
    if (pen.IsNull()) return QPen(Qt::NoPen);
    QPen made(ToQColor(pen.colour));
    if (pen.width == 1) {
        made.setWidth(0);  // cosmetic: one pixel whatever the transform
        made.setCapStyle(Qt::FlatCap);  // the last pixel of a line is not drawn
        made.setJoinStyle(Qt::MiterJoin);
        if (pen.style != PS_SOLID) made.setDashPattern(QtDashPattern(pen.style));
    } else {
        // Wider pens are geometric: round ends and joins, always solid.
        made.setWidth(pen.width);
        made.setCapStyle(Qt::RoundCap);
        made.setJoinStyle(Qt::RoundJoin);
    }
    return made;
}

void RetainState(const DcState& state) {
    Retain(state.pen);
    Retain(state.brush);
    Retain(state.font);
    Retain(state.bitmap);
}

void DropState(const DcState& state) {
    Drop(state.pen);
    Drop(state.brush);
    Drop(state.font);
    Drop(state.bitmap);
}

// Every default of a new DC, as Win32 gives them.
void SetDefaults(DeviceContext& context, GdiObject* bitmap) {
    context.state = DcState{};
    context.state.pen = StockObject(BLACK_PEN);
    context.state.brush = StockObject(WHITE_BRUSH);
    context.state.font = StockObject(SYSTEM_FONT);
    context.state.bitmap = bitmap;
    RetainState(context.state);
    context.MappingChanged();
}

bool GrowSaved(DeviceContext& context) {
    int capacity = context.savedCapacity ? context.savedCapacity * 2 : 8;
    DcState* grown = new (std::nothrow) DcState[capacity];
    if (!grown) return false;
    for (int i = 0; i < context.savedCount; ++i) grown[i] = std::move(context.saved[i]);
    delete[] context.saved;
    context.saved = grown;
    context.savedCapacity = capacity;
    return true;
}

HDC NewDeviceContext(DeviceKind kind, int dpiX, int dpiY, GdiObject* bitmap) {
    if (!platform::EnsureQtApplication()) return nullptr;
    DeviceContext* context = new (std::nothrow) DeviceContext;
    if (!context) return nullptr;
    context->kind = kind;
    context->dpiX = dpiX > 0 ? dpiX : 96;
    context->dpiY = dpiY > 0 ? dpiY : 96;
    SetDefaults(*context, bitmap);
    CountDeviceContextCreated();
    return reinterpret_cast<HDC>(context);
}

bool InsideClip(const DeviceContext& context, POINT p) {
    return !context.state.hasClip || context.state.clip.contains(QPoint(p.x, p.y));
}

}  // namespace

DashPattern CosmeticDashes(int style) {
    static constexpr int kDash[] = {18, 6};
    static constexpr int kDot[] = {3, 3};
    static constexpr int kDashDot[] = {9, 6, 3, 6};
    static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
        case PS_DOT: return {kDot, 2};
        case PS_DASHDOT: return {kDashDot, 4};
        case PS_DASHDOTDOT: return {kDashDotDot, 6};
        default: return {kDash, 2};
    }
}

bool DashPattern::IsOn(long long position) const {
    int period = 0;
    for (int i = 0; i < count; ++i) period += lengths[i];
    long long offset = position % period;
    for (int i = 0;; ++i) {
        if (offset < lengths[i]) return i % 2 == 0;
        offset -= lengths[i];
    }
}

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

DeviceContext* DeviceContextOf(HDC dc) {
    auto* context = reinterpret_cast<DeviceContext*>(dc);
    return (context && context->magic == kDeviceContextMagic) ? context : nullptr;
}

void DeviceContext::MappingChanged() { transform = ComputeTransform(state.mapping); }

void DeviceContext::BitmapChanged() {
    if (painter.isActive()) painter.end();
    cache = PainterCache{};
    if (kind != DeviceKind::Memory) return;
    BitmapData* data = state.bitmap ? state.bitmap->bitmap : nullptr;
    image = (data && !data->image.isNull()) ? &data->image : nullptr;
    device = image;
}

QPainter* DeviceContext::Painter() {
    if (!device) return nullptr;
    if (!painter.isActive()) {
        if (!painter.begin(device)) return nullptr;
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        cache = PainterCache{};
    }
    return &painter;
}

bool DeviceContext::PrepareTarget() {
    QPainter* p = Painter();
    if (!p) return false;
    if (!cache.clipValid) {
        if (state.hasClip) {
            p->setClipRegion(state.clip);
        } else {
            p->setClipping(false);
        }
        cache.clipValid = true;
    }
    return true;
}

bool DeviceContext::ApplyRasterState() {
    if (!PrepareTarget()) return false;
    const RopEntry& rop = RopFor(state.rop2);
    if (rop.colour == RopColourRule::Nothing) return false;
    if (!cache.compositionValid || cache.composition != rop.mode) {
        painter.setCompositionMode(rop.mode);
        cache.composition = rop.mode;
        cache.compositionValid = true;
    }
    return true;
}

bool DeviceContext::RopIsIdempotent() const { return Idempotent(state.rop2); }

void DeviceContext::ApplyCopyMode() {
    if (!cache.compositionValid || cache.composition != QPainter::CompositionMode_SourceOver) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        cache.composition = QPainter::CompositionMode_SourceOver;
        cache.compositionValid = true;
    }
}

COLORREF DeviceContext::RopColour(COLORREF colour) const {
    switch (RopFor(state.rop2).colour) {
        case RopColourRule::Black: return 0x000000;
        case RopColourRule::White: return 0xFFFFFF;
        default: return colour;
    }
}

DevicePen DeviceContext::CurrentDevicePen() const {
    const PenData& data = state.pen->pen;
    DevicePen pen;
    pen.colour = RopColour(data.colour);
    if (data.style == PS_NULL) {
        pen.style = PS_NULL;
        return pen;
    }
    if (data.width > 0) {
        double width = std::round(data.width * std::fabs(transform.scaleX));
        pen.width = static_cast<int>(std::clamp(width, 1.0, kMaxPenWidth));
    }
    // As on Win32, only a one-pixel pen keeps its dashes.
    pen.style = pen.width > 1 ? PS_SOLID : data.style;
    return pen;
}

bool DeviceContext::ApplyPen() {
    if (!ApplyRasterState()) return false;
    DevicePen pen = CurrentDevicePen();
    if (!cache.penValid || !(cache.pen == pen)) {
        painter.setPen(MakeQPen(pen));
        cache.pen = pen;
        cache.penValid = true;
    }
    if (pen.style != PS_SOLID && !pen.IsNull()) {
        // An opaque background fills the gaps of a dashed line.
        bool opaque = state.bkMode == OPAQUE;
        painter.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
        if (opaque) painter.setBackground(ToQColor(RopColour(state.bkColour)));
    }
    return true;
}

bool DeviceContext::ApplyBrush() {
    if (!ApplyRasterState()) return false;
    const BrushData& data = state.brush->brush;
    COLORREF colour = RopColour(data.colour);
    if (!cache.brushValid || cache.brushHollow != data.hollow ||
        (!data.hollow && cache.brushColour != colour)) {
        painter.setBrush(data.hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(colour)));
        cache.brushHollow = data.hollow;
        cache.brushColour = colour;
        cache.brushValid = true;
    }
    return true;
}

HDC CreateImageDeviceContext(QImage* image, int dpiX, int dpiY) {
    HDC dc = NewDeviceContext(DeviceKind::Image, dpiX, dpiY, nullptr);
    if (DeviceContext* context = DeviceContextOf(dc)) {
        context->image = image;
        context->device = image;
    }
    return dc;
}

HDC CreatePaintDeviceContext(QPaintDevice* device, int dpiX, int dpiY) {
    HDC dc = NewDeviceContext(DeviceKind::Device, dpiX, dpiY, nullptr);
    if (DeviceContext* context = DeviceContextOf(dc)) context->device = device;
    return dc;
}

}  // namespace tarnwick::gdi

using namespace tarnwick::gdi;

HDC CreateCompatibleDC(HDC dc) {
    DeviceContext* source = DeviceContextOf(dc);
    int dpiX = source ? source->dpiX : 96;
    int dpiY = source ? source->dpiY : 96;
    if (!tarnwick::platform::EnsureQtApplication()) return nullptr;
    GdiObject* bitmap = DefaultBitmap();
    HDC made = NewDeviceContext(DeviceKind::Memory, dpiX, dpiY, bitmap);
    if (DeviceContext* context = DeviceContextOf(made)) context->BitmapChanged();
    return made;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    return static_cast<HBITMAP>(HandleOf(NewBitmapObject(width, height)));
}

BOOL DeleteDC(HDC dc) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    if (context->painter.isActive()) context->painter.end();
    for (int i = 0; i < context->savedCount; ++i) DropState(context->saved[i]);
    DropState(context->state);
    delete[] context->saved;
    context->magic = 0;
    delete context;
    CountDeviceContextDeleted();
    return TRUE;
}

int SaveDC(HDC dc) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return 0;
    if (context->savedCount == context->savedCapacity && !GrowSaved(*context)) return 0;
    context->saved[context->savedCount] = context->state;
    RetainState(context->state);
    return ++context->savedCount;
}

BOOL RestoreDC(HDC dc, int savedDC) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    int level = savedDC < 0 ? context->savedCount + savedDC + 1 : savedDC;
    if (level < 1 || level > context->savedCount) return FALSE;

    DcState restored = std::move(context->saved[level - 1]);
    for (int i = context->savedCount - 1; i >= level - 1; --i) {
        if (i >= level) DropState(context->saved[i]);
        context->saved[i] = DcState{};
    }
    context->savedCount = level - 1;

    DcState& current = context->state;
    bool bitmapChanged = restored.bitmap != current.bitmap;
    bool clipChanged = restored.hasClip != current.hasClip ||
                       (restored.hasClip && restored.clip != current.clip);
    bool mappingChanged = !(restored.mapping == current.mapping);
    // The painter lets go of the old bitmap before that bitmap may be freed.
    if (bitmapChanged && context->painter.isActive()) context->painter.end();
    DropState(current);
    current = std::move(restored);
    if (bitmapChanged) context->BitmapChanged();
    if (mappingChanged) context->MappingChanged();
    if (clipChanged) context->InvalidateClip();
    return TRUE;
}

int GetDeviceCaps(HDC dc, int index) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return 0;
    switch (index) {
        case HORZRES: return context->device ? context->device->width() : 0;
        case VERTRES: return context->device ? context->device->height() : 0;
        case LOGPIXELSX: return context->dpiX;
        case LOGPIXELSY: return context->dpiY;
        default: return 0;
    }
}

namespace {

HGDIOBJ SelectBitmap(DeviceContext& context, GdiObject* bitmap) {
    if (context.kind != DeviceKind::Memory) return nullptr;
    if (bitmap->bitmapOwner && bitmap->bitmapOwner != &context && bitmap->uses > 0) return nullptr;
    GdiObject* previous = context.state.bitmap;
    if (previous == bitmap) return HandleOf(previous);
    if (context.painter.isActive()) context.painter.end();
    Retain(bitmap);
    if (!bitmap->stock) bitmap->bitmapOwner = &context;
    context.state.bitmap = bitmap;
    HGDIOBJ previousHandle = HandleOf(previous);
    Drop(previous);
    context.BitmapChanged();
    return previousHandle;
}

HGDIOBJ Swap(GdiObject*& slot, GdiObject* object) {
    GdiObject* previous = slot;
    HGDIOBJ previousHandle = HandleOf(previous);
    Retain(object);
    slot = object;
    Drop(previous);
    return previousHandle;
}

int RegionType(const QRegion& region) {
    if (region.isEmpty()) return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

HGDIOBJ SelectObject(HDC dc, HGDIOBJ handle) {
    DeviceContext* context = DeviceContextOf(dc);
    GdiObject* object = LookUpObject(handle);
    if (!context || !object) return nullptr;
    switch (object->kind) {
        case ObjectKind::Pen: return Swap(context->state.pen, object);
        case ObjectKind::Brush: return Swap(context->state.brush, object);
        case ObjectKind::Font: return Swap(context->state.font, object);
        case ObjectKind::Bitmap: return SelectBitmap(*context, object);
        case ObjectKind::Region: {
            int type = SelectClipRgn(dc, static_cast<HRGN>(handle));
            return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(type));
        }
        default: return nullptr;
    }
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return nullptr;
    switch (type) {
        case OBJ_PEN: return HandleOf(context->state.pen);
        case OBJ_BRUSH: return HandleOf(context->state.brush);
        case OBJ_FONT: return HandleOf(context->state.font);
        case OBJ_BITMAP: return HandleOf(context->state.bitmap);
        default: return nullptr;
    }
}

int SelectClipRgn(HDC dc, HRGN region) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return ERROR;
    DcState& state = context->state;
    context->InvalidateClip();
    if (!region) {
        state.hasClip = false;
        state.clip = QRegion();
        return SIMPLEREGION;
    }
    GdiObject* object = LookUpObject(region, ObjectKind::Region);
    if (!object) return ERROR;
    state.hasClip = true;
    state.clip = object->region->region;  // the DC keeps its own copy
    return RegionType(state.clip);
}

int SetROP2(HDC dc, int rop2) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
    int previous = context->state.rop2;
    context->state.rop2 = rop2;
    return previous;
}

int GetROP2(HDC dc) {
    DeviceContext* context = DeviceContextOf(dc);
    return context ? context->state.rop2 : 0;
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return CLR_INVALID;
    COLORREF previous = context->state.textColour;
    context->state.textColour = colour & 0xFFFFFFu;
    return previous;
}

COLORREF GetTextColor(HDC dc) {
    DeviceContext* context = DeviceContextOf(dc);
    return context ? context->state.textColour : CLR_INVALID;
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return CLR_INVALID;
    COLORREF previous = context->state.bkColour;
    context->state.bkColour = colour & 0xFFFFFFu;
    return previous;
}

int SetBkMode(HDC dc, int mode) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int previous = context->state.bkMode;
    context->state.bkMode = mode;
    return previous;
}

int GetBkMode(HDC dc) {
    DeviceContext* context = DeviceContextOf(dc);
    return context ? context->state.bkMode : 0;
}

UINT SetTextAlign(HDC dc, UINT align) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return 0xFFFFFFFFu;  // GDI_ERROR
    UINT previous = context->state.textAlign;
    context->state.textAlign = align;
    return previous;
}

UINT GetTextAlign(HDC dc) {
    DeviceContext* context = DeviceContextOf(dc);
    return context ? context->state.textAlign : 0xFFFFFFFFu;
}

COLORREF GetPixel(HDC dc, int x, int y) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || !context->image) return CLR_INVALID;
    POINT p = context->transform.ToDevice(x, y);
    if (!context->image->valid(p.x, p.y) || !InsideClip(*context, p)) return CLR_INVALID;
    QRgb pixel = context->image->pixel(p.x, p.y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || !context->PrepareTarget()) return CLR_INVALID;
    POINT p = context->transform.ToDevice(x, y);
    if (context->image && !context->image->valid(p.x, p.y)) return CLR_INVALID;
    if (!InsideClip(*context, p)) return CLR_INVALID;
    context->ApplyCopyMode();  // SetPixel ignores the raster operation
    context->painter.fillRect(QRect(p.x, p.y, 1, 1), ToQColor(colour));
    return colour & 0xFFFFFFu;
}
