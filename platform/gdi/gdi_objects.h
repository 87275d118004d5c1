// GDI objects behind handles: pens, brushes, fonts, regions and bitmaps live
// in one slot table. A handle encodes a slot index and that slot's generation,
// so a stale or forged handle is refused instead of followed. Pens and brushes
// are stored inline in the slot (creating one allocates nothing); fonts,
// regions and bitmaps own a small heap record.
//
// Lifetime: a device context retains every object its current and saved
// states refer to. DeleteObject of an object still held by a DC succeeds but
// only marks it: the handle stops being usable at once, and the object is
// freed when the last DC state lets go of it (deselected, restored away, or
// the DC deleted). Stock objects are never freed.
#ifndef TARNWICK_PLATFORM_GDI_OBJECTS_H
#define TARNWICK_PLATFORM_GDI_OBJECTS_H

#include "windows.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <utility>

namespace tarnwick::gdi {

enum class ObjectKind : std::uint8_t { Free, Pen, Brush, Font, Region, Bitmap };

struct PenData {
    int style;
    int width;  // logical units; 0 means one device pixel
    COLORREF colour;
};

struct BrushData {
    bool hollow;
    COLORREF colour;
};

struct FontData {
    FontData(int height, int weight, bool italic, bool underline, bool strikeOut, QString family)
        : height(height), weight(weight), italic(italic), underline(underline),
          strikeOut(strikeOut), family(std::move(family)) {}

    int height;  // logical units: negative = em height, positive = cell height
    int weight;
    bool italic;
    bool underline;
    bool strikeOut;
    QString family;
    // The font last realised for a device height, reused while it fits.
    int realisedDeviceHeight = -1;
    QFont realised;
};

struct RegionData {
    QRegion region;  // device units
};

struct BitmapData {
    QImage image;  // Format_RGB32
};

struct DeviceContext;

struct GdiObject {
    std::uint32_t index;
    std::uint32_t generation;
    ObjectKind kind;
    bool stock;
    bool deletePending;
    std::int32_t uses;  // DC states (current and saved) that refer to it
    std::uint32_t nextFree;
    PenData pen;
    BrushData brush;
    FontData* font;
    RegionData* region;
    BitmapData* bitmap;
    DeviceContext* bitmapOwner;  // the one DC a bitmap may be selected into
};

// The live object for a handle, or null for null, stale, forged or
// delete-pending handles.
GdiObject* LookUpObject(HGDIOBJ handle);
GdiObject* LookUpObject(HGDIOBJ handle, ObjectKind kind);
HGDIOBJ HandleOf(const GdiObject* object);

// The stock object of a GetStockObject index, or null.
GdiObject* StockObject(int index);
// The 1x1 bitmap a new memory DC starts with.
GdiObject* DefaultBitmap();

// DC states take and drop a hold on the objects they refer to.
void Retain(GdiObject* object);
void Drop(GdiObject* object);

// A fresh slot of the kind, with no data yet, or null when memory runs out.
GdiObject* NewObject(ObjectKind kind);
GdiObject* NewBitmapObject(int width, int height);

// Device contexts count as GDI objects too.
void CountDeviceContextCreated();
void CountDeviceContextDeleted();

}  // namespace tarnwick::gdi

#endif
