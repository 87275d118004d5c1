// Device contexts: creation with Win32's defaults, deletion, SaveDC and
// RestoreDC, and what GetDeviceCaps reports.
#include "core/handle_table.h"
#include "core/qt_application.h"
#include "gdi/device_context.h"

#include <new>
#include <utility>

namespace tarnwick::gdi {
namespace {

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

// Saved levels past this are refused, as a failed SaveDC, before doubling
// the capacity could overflow.
constexpr int kMostSavedLevels = 1 << 24;

bool GrowSaved(DeviceContext& context) {
    if (context.savedCapacity >= kMostSavedLevels) return false;
    const int capacity = context.savedCapacity ? context.savedCapacity * 2 : 8;
    DcState* grown = new (std::nothrow) DcState[capacity];
    if (!grown) return false;
    for (int i = 0; i < context.savedCount; ++i) grown[i] = std::move(context.saved[i]);
    delete[] context.saved;
    context.saved = grown;
    context.savedCapacity = capacity;
    return true;
}

DeviceContext* NewDeviceContext(DeviceKind kind, int dpiX, int dpiY, GdiObject* bitmap) {
    if (!platform::EnsureQtApplication()) return nullptr;
    DeviceContext* context = new (std::nothrow) DeviceContext(kind, dpiX, dpiY);
    if (!context) return nullptr;
    context->handle = static_cast<HDC>(port::AddHandle(port::HandleKind::DeviceContext, context, true));
    if (!context->handle) {
        delete context;
        return nullptr;
    }
    SetDefaults(*context, bitmap);
    return context;
}

}  // namespace

DeviceContext::DeviceContext(DeviceKind kind, int dpiX, int dpiY)
    : kind(kind), dpiX(dpiX > 0 ? dpiX : 96), dpiY(dpiY > 0 ? dpiY : 96) {}

DeviceContext::~DeviceContext() {
    if (owned_) owned_->Abandon();
    EndPainting();
    owned_.reset();
    for (int i = 0; i < savedCount; ++i) DropState(saved[i]);
    DropState(state);
    delete[] saved;
}

DeviceContext* DeviceContextOf(HDC dc) {
    return static_cast<DeviceContext*>(port::LookUpHandle(dc, port::HandleKind::DeviceContext));
}

HDC CreateImageDeviceContext(QImage* image, int dpiX, int dpiY) {
    DeviceContext* context = NewDeviceContext(DeviceKind::Image, dpiX, dpiY, nullptr);
    if (!context) return nullptr;
    context->TargetImage(image);
    return context->handle;
}

HDC CreateOwningDeviceContext(std::unique_ptr<OwnedDevice> device, int dpiX, int dpiY) {
    if (!device) return nullptr;
    DeviceContext* context = NewDeviceContext(DeviceKind::Device, dpiX, dpiY, nullptr);
    if (!context) return nullptr;
    context->Own(std::move(device));
    return context->handle;
}

}  // namespace tarnwick::gdi

using namespace tarnwick::gdi;

HDC CreateCompatibleDC(HDC dc) {
    DeviceContext* source = DeviceContextOf(dc);
    int dpiX = source ? source->dpiX : 96;
    int dpiY = source ? source->dpiY : 96;
    if (!tarnwick::platform::EnsureQtApplication()) return nullptr;
    DeviceContext* context = NewDeviceContext(DeviceKind::Memory, dpiX, dpiY, DefaultBitmap());
    if (!context) return nullptr;
    context->BitmapChanged();
    return context->handle;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    return static_cast<HBITMAP>(HandleOf(NewBitmapObject(width, height)));
}

BOOL DeleteDC(HDC dc) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return FALSE;
    tarnwick::port::RemoveHandle(dc);
    delete context;
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
    if (bitmapChanged) context->EndPainting();
    DropState(current);
    current = std::move(restored);
    if (bitmapChanged) context->BitmapChanged();
    if (mappingChanged) context->MappingChanged();
    if (clipChanged) context->ClipChanged();
    return TRUE;
}

int GetDeviceCaps(HDC dc, int index) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context) return 0;
    if (index == LOGPIXELSX) return context->dpiX;
    if (index == LOGPIXELSY) return context->dpiY;
    if (OwnedDevice* owned = context->Owned()) return owned->Capability(index);
    QPaintDevice* device = context->Device();
    if (!device) return 0;
    switch (index) {
        case HORZRES: return device->width();
        case VERTRES: return device->height();
        case HORZSIZE: return device->widthMM();
        case VERTSIZE: return device->heightMM();
        default: return 0;
    }
}
