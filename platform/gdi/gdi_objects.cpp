// The slot table of GDI objects, the stock objects and the live-object count.
#include "gdi/gdi_objects.h"

#include "gdi/device_context.h"

#include <new>
#include <utility>

namespace tarnwick::gdi {
namespace {

constexpr std::uint32_t kChunkSize = 1024;
constexpr std::uint32_t kMaxChunks = 4096;
constexpr std::uint32_t kNoSlot = 0xFFFFFFFFu;

struct SlotTable {
    GdiObject* chunks[kMaxChunks] = {};
    std::uint32_t chunkCount = 0;
    std::uint32_t freeHead = kNoSlot;
    std::uint32_t liveObjects = 0;  // non-stock objects, including DCs
};

SlotTable& Table() {
    static SlotTable table;
    return table;
}

GdiObject* Slot(std::uint32_t index) {
    SlotTable& table = Table();
    std::uint32_t chunk = index / kChunkSize;
    if (chunk >= table.chunkCount) return nullptr;
    return &table.chunks[chunk][index % kChunkSize];
}

bool AddChunk() {
    SlotTable& table = Table();
    if (table.chunkCount == kMaxChunks) return false;
    GdiObject* chunk = new (std::nothrow) GdiObject[kChunkSize]();
    if (!chunk) return false;
    std::uint32_t base = table.chunkCount * kChunkSize;
    for (std::uint32_t i = 0; i < kChunkSize; ++i) {
        chunk[i].index = base + i;
        chunk[i].generation = 1;
        chunk[i].kind = ObjectKind::Free;
        chunk[i].nextFree = (i + 1 < kChunkSize) ? base + i + 1 : table.freeHead;
    }
    table.chunks[table.chunkCount++] = chunk;
    table.freeHead = base;
    return true;
}

GdiObject* TakeSlot(ObjectKind kind, bool stock) {
    SlotTable& table = Table();
    if (table.freeHead == kNoSlot && !AddChunk()) return nullptr;
    GdiObject* object = Slot(table.freeHead);
    table.freeHead = object->nextFree;
    object->kind = kind;
    object->stock = stock;
    object->deletePending = false;
    object->uses = 0;
    object->font = nullptr;
    object->region = nullptr;
    object->bitmap = nullptr;
    object->bitmapOwner = nullptr;
    if (!stock) ++table.liveObjects;
    return object;
}

void FreeSlot(GdiObject* object) {
    SlotTable& table = Table();
    delete object->font;
    delete object->region;
    delete object->bitmap;
    object->font = nullptr;
    object->region = nullptr;
    object->bitmap = nullptr;
    object->kind = ObjectKind::Free;
    ++object->generation;
    object->nextFree = table.freeHead;
    table.freeHead = object->index;
    --table.liveObjects;
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
            GdiObject* object = TakeSlot(entry.kind, true);
            if (!object) continue;
            FillStock(object, entry);
            made.byIndex[entry.index] = object;
        }
        made.defaultBitmap = TakeSlot(ObjectKind::Bitmap, true);
        if (made.defaultBitmap) made.defaultBitmap->bitmap = new (std::nothrow) BitmapData;
        return made;
    }();
    return stock;
}

}  // namespace

GdiObject* LookUpObject(HGDIOBJ handle) {
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    std::uint32_t low = static_cast<std::uint32_t>(value & 0xFFFFFFFFu);
    if (low == 0) return nullptr;
    GdiObject* object = Slot(low - 1);
    if (!object || object->kind == ObjectKind::Free || object->deletePending) return nullptr;
    if (object->generation != static_cast<std::uint32_t>(value >> 32)) return nullptr;
    return object;
}

GdiObject* LookUpObject(HGDIOBJ handle, ObjectKind kind) {
    GdiObject* object = LookUpObject(handle);
    return (object && object->kind == kind) ? object : nullptr;
}

HGDIOBJ HandleOf(const GdiObject* object) {
    if (!object) return nullptr;
    std::uintptr_t value = (static_cast<std::uintptr_t>(object->generation) << 32) |
                           (static_cast<std::uintptr_t>(object->index) + 1);
    return reinterpret_cast<HGDIOBJ>(value);
}

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
    if (object->deletePending) FreeSlot(object);
}

GdiObject* NewObject(ObjectKind kind) {
    Stock();  // stock objects take the first slots
    return TakeSlot(kind, false);
}

GdiObject* NewBitmapObject(int width, int height) {
    BitmapData* data = new (std::nothrow) BitmapData;
    if (!data) return nullptr;
    data->image = QImage(width, height, QImage::Format_RGB32);
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

void CountDeviceContextCreated() { ++Table().liveObjects; }
void CountDeviceContextDeleted() { --Table().liveObjects; }

}  // namespace tarnwick::gdi

using namespace tarnwick::gdi;

HANDLE GetCurrentProcess() { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1)); }

DWORD GetGuiResources(HANDLE, DWORD flags) {
    if (flags != GR_GDIOBJECTS) return 0;
    return Table().liveObjects;
}

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style < PS_SOLID || style > PS_NULL) return nullptr;
    GdiObject* object = NewObject(ObjectKind::Pen);
    if (!object) return nullptr;
    object->pen = {style, width < 0 ? -width : width, colour & 0xFFFFFFu};
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
    if (object->stock) return TRUE;
    if (object->uses > 0) {
        object->deletePending = true;  // freed when the last DC state lets go
        return TRUE;
    }
    object->deletePending = true;
    FreeSlot(object);
    return TRUE;
}
