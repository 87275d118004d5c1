// DC attributes and selection: SelectObject and the clip region, the raster
// operation, text and background colours and modes, text alignment.
#include "gdi/device_context.h"

#include <cstdint>

using namespace tarnwick::gdi;

namespace {

HGDIOBJ SelectBitmap(DeviceContext& context, GdiObject* bitmap) {
    if (context.kind != DeviceKind::Memory) return nullptr;
    if (bitmap->bitmapOwner && bitmap->bitmapOwner != &context && bitmap->uses > 0) return nullptr;
    GdiObject* previous = context.state.bitmap;
    if (previous == bitmap) return HandleOf(previous);
    context.EndPainting();
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
    context->ClipChanged();
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
