// GDI objects behind their handles, and the stock objects.
#include "gdi/gdi_objects.h"

#include "gdi/device_context.h"
#include "gdi/pixel_memory.h"

#include <limits>
#include <new>
#include <utility>

namespace tarnwick::gdi {
namespace {

bool IsGdiObjectKind(ObjectKind kind) {
    return kind == ObjectKind::Pen || kind == ObjectKind::Brush || kind == ObjectKind::Font ||
           kind == ObjectKind::Region || kind == ObjectKind::Bitmap;
}

GdiObject* MakeObject(ObjectKind kind, bool stock) {
    GdiObject* object = new (std::nothrow) GdiObject;
    if (!object) return nullptr;
    object->kind = kind;
    object->stock = stock;
    object->handle = port::AddHandle(kind, object, !stock);
    if (!object->handle) {
        delete object;
        return nullptr;
    }
    return object;
}

void FreeObject(GdiObject* object) {
    port::RemoveHandle(object->handle);
    delete object->font;
    delete object->region;
    delete object->bitmap;
    delete object;
}

// The stock objects, by GetStockObject index.
struct StockEntry {
    int index;
    ObjectKind kind;
    int penStyle;       // pens only
    bool hollow;        // brushes only
    COLORREF colour;    // pens and brushes
    int fontHeight;     // fonts only
    int fontWeight;     // fonts only
};
constexpr StockEntry kStockTable[] = {
    {WHITE_BRUSH, ObjectKind::Brush, 0, false, 0xFFFFFF, 0, 0},
    {LTGRAY_BRUSH, ObjectKind::Brush, 0, false, 0xC0C0C0, 0, 0},
    {GRAY_BRUSH, ObjectKind::Brush, 0, false, 0x808080, 0, 0},
    {DKGRAY_BRUSH, ObjectKind::Brush, 0, false, 0x404040, 0, 0},
    {BLACK_BRUSH, ObjectKind::Brush, 0, false, 0x000000, 0, 0},
    {NULL_BRUSH, ObjectKind::Brush, 0, true, 0x000000, 0, 0},   // also HOLLOW_BRUSH
    {WHITE_PEN, ObjectKind::Pen, PS_SOLID, false, 0xFFFFFF, 0, 0},
    {BLACK_PEN, ObjectKind::Pen, PS_SOLID, false, 0x000000, 0, 0},
    {NULL_PEN, ObjectKind::Pen, PS_NULL, false, 0x000000, 0, 0},
    {SYSTEM_FONT, ObjectKind::Font, 0, false, 0, 16, FW_BOLD},   // 16-pixel cell
    {DEFAULT_GUI_FONT, ObjectKind::Font, 0, false, 0, -11, FW_NORMAL},  // 8 point
};
constexpr int kStockIndexLimit = 20;

struct StockObjects {
    GdiObject* byIndex[kStockIndexLimit] = {};
    GdiObject* defaultBitmap = nullptr;
};

void FillStock(GdiObject* object, const StockEntry& entry) {
    object->pen = {entry.penStyle, 0, entry.colour};
    object->brush = {entry.hollow, entry.colour};
    if (entry.kind == ObjectKind::Font) {
        object->font = new (std::nothrow) FontData(entry.fontHeight, entry.fontWeight, false, false,
                                                    false, QStringLiteral("Liberation Sans"));
    }
}

StockObjects& Stock() {
    static StockObjects stock = [] {
        StockObjects made;
        for (const StockEntry& entry : kStockTable) {
            GdiObject* object = MakeObject(entry.kind, true);
            if (!object) continue;
            FillStock(object, entry);
            made.byIndex[entry.index] = object;
        }
        made.defaultBitmap = MakeObject(ObjectKind::Bitmap, true);
        if (made.defaultBitmap) made.defaultBitmap->bitmap = new (std::nothrow) BitmapData;
        return made;
    }();
    return stock;
}

// A negative pen width counts as its magnitude, as in Win32. INT_MIN has no
// int magnitude (a stored figure can carry it), so it saturates at INT_MAX.
int PenWidthMagnitude(int width) {
    if (width >= 0) return width;
    return width == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -width;
}

}  // namespace

GdiObject* LookUpObject(HGDIOBJ handle) {
    if (!IsGdiObjectKind(port::KindOfHandle(handle))) return nullptr;
    return static_cast<GdiObject*>(port::ObjectOfHandle(handle));
}

GdiObject* LookUpObject(HGDIOBJ handle, ObjectKind kind) {
    if (!IsGdiObjectKind(kind)) return nullptr;
    return static_cast<GdiObject*>(port::LookUpHandle(handle, kind));
}

HGDIOBJ HandleOf(const GdiObject* object) { return object ? object->handle : nullptr; }

GdiObject* StockObject(int index) {
    if (index < 0 || index >= kStockIndexLimit) return nullptr;
    return Stock().byIndex[index];
}

GdiObject* DefaultBitmap() { return Stock().defaultBitmap; }

void Retain(GdiObject* object) {
    if (object && !object->stock) ++object->uses;
}

void Drop(GdiObject* object) {
    if (!object || object->stock) return;
    if (--object->uses > 0) return;
    object->bitmapOwner = nullptr;
    if (object->deletePending) FreeObject(object);
}

void DeleteOrRetire(GdiObject* object) {
    object->deletePending = true;
    if (object->uses > 0) {
        port::RetireHandle(object->handle);  // freed when the last DC state lets go
        return;
    }
    FreeObject(object);
}

GdiObject* NewObject(ObjectKind kind) {
    Stock();  // stock objects take the first handles
    return MakeObject(kind, false);
}

GdiObject* NewBitmapObject(int width, int height) {
    BitmapData* data = new (std::nothrow) BitmapData;
    if (!data) return nullptr;
    data->image = NewPixelImage(QSize(width, height), QImage::Format_RGB32);
    if (data->image.isNull()) {
        delete data;
        return nullptr;
    }
    data->image.fill(0xFF000000u);  // a new bitmap is black
    GdiObject* object = NewObject(ObjectKind::Bitmap);
    if (!object) {
        delete data;
        return nullptr;
    }
    object->bitmap = data;
    return object;
}

}  // namespace tarnwick::gdi

using namespace tarnwick::gdi;

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style < PS_SOLID || style > PS_NULL) return nullptr;
    GdiObject* object = NewObject(ObjectKind::Pen);
    if (!object) return nullptr;
    object->pen = {style, PenWidthMagnitude(width), colour & 0xFFFFFFu};
    return static_cast<HPEN>(HandleOf(object));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    GdiObject* object = NewObject(ObjectKind::Brush);
    if (!object) return nullptr;
    object->brush = {false, colour & 0xFFFFFFu};
    return static_cast<HBRUSH>(HandleOf(object));
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    RegionData* data = new (std::nothrow) RegionData;
    if (!data) return nullptr;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left < right && top < bottom) data->region = QRegion(left, top, right - left, bottom - top);
    GdiObject* object = NewObject(ObjectKind::Region);
    if (!object) {
        delete data;
        return nullptr;
    }
    object->region = data;
    return static_cast<HRGN>(HandleOf(object));
}

HGDIOBJ GetStockObject(int index) { return HandleOf(StockObject(index)); }

BOOL DeleteObject(HGDIOBJ handle) {
    GdiObject* object = LookUpObject(handle);
    if (!object) return FALSE;
    if (!object->stock) DeleteOrRetire(object);
    return TRUE;
}
