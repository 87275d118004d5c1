// GDI objects behind handles: pens, brushes, fonts, regions and bitmaps,
// each a small record registered in the layer's handle table. Fonts, regions
// and bitmaps own a further heap record.
//
// Lifetime: a device context retains every object its current and saved
// states refer to. DeleteObject of an object still held by a DC succeeds but
// only retires its handle: the handle stops being usable at once, and the
// object is freed when the last DC state lets go of it (deselected, restored
// away, or the DC deleted). Stock objects are never freed.
#ifndef TARNWICK_PLATFORM_GDI_OBJECTS_H
#define TARNWICK_PLATFORM_GDI_OBJECTS_H

#include "core/handle_table.h"
#include "windows.h"

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <utility>

namespace tarnwick::gdi {

// GDI objects share the handle table's kinds.
using ObjectKind = port::HandleKind;

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
    HGDIOBJ handle = nullptr;
    ObjectKind kind = ObjectKind::Free;
    bool stock = false;
    bool deletePending = false;  // deleted while a DC still held it
    std::int32_t uses = 0;       // DC states (current and saved) that refer to it
    PenData pen = {};
    BrushData brush = {};
    FontData* font = nullptr;
    RegionData* region = nullptr;
    BitmapData* bitmap = nullptr;
    DeviceContext* bitmapOwner = nullptr;  // the one DC a bitmap may be selected into
};

// The live object for a handle, or null for null, stale, forged or
// deleted handles and for handles of other kinds than GDI objects.
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

// A fresh object of the kind with its handle, with no data yet, or null when
// memory runs out.
GdiObject* NewObject(ObjectKind kind);
GdiObject* NewBitmapObject(int width, int height);
// DeleteObject of a non-stock object: freed now, or retired until the last
// DC state lets go of it.
void DeleteOrRetire(GdiObject* object);

}  // namespace tarnwick::gdi

#endif
