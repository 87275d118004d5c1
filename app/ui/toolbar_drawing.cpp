// Each item draws into the DC the box lends it: the DC's state is saved and
// restored around the drawing, and the pen or brush made for the item is
// deleted afterwards. No highlight or focus frame is drawn, and the item's
// background is left as the box painted it.
#include "toolbar_drawing.h"

#include "application.h"
#include "resource_ids.h"
#include "toolbar_values.h"

namespace {

// The item to draw: the box's face shows its current selection.
int ItemIndex(const DRAWITEMSTRUCT& item) {
    if (item.itemState & ODS_COMBOBOXEDIT) {
        return static_cast<int>(SendMessageA(item.hwndItem, CB_GETCURSEL, 0, 0));
    }
    return static_cast<int>(item.itemID);
}

int MiddleOf(const RECT& r) { return (r.top + r.bottom) / 2; }

// A line across the item at half its height, inside a margin of 2.
void LineAcross(HDC dc, const RECT& r, HPEN pen) {
    SelectObject(dc, pen);
    MoveToEx(dc, r.left + 2, MiddleOf(r), nullptr);
    LineTo(dc, r.right - 2, MiddleOf(r));
}

// A patch of colour inside a margin of 1, outlined with the DC's pen.
void Patch(HDC dc, const RECT& r, HBRUSH brush) {
    SelectObject(dc, brush);
    Rectangle(dc, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
}

// Each painter returns the pen or brush it made (or null), for deletion once
// the DC has let go of it.
HGDIOBJ DrawWidthItem(HDC dc, const RECT& r, int index) {
    HPEN pen = CreatePen(PS_SOLID, kLineWidths[index], 0x000000);
    LineAcross(dc, r, pen);
    return pen;
}

HGDIOBJ DrawColourItem(HDC dc, const RECT& r, int index) {
    HBRUSH brush = CreateSolidBrush(kColours[index]);
    SelectObject(dc, GetStockObject(NULL_PEN));
    Patch(dc, r, brush);
    return brush;
}

HGDIOBJ DrawStyleItem(HDC dc, const RECT& r, int index) {
    HPEN pen = CreatePen(kPenStyles[index], 0, 0x000000);
    // The gaps of a broken line keep the item's own background.
    SetBkMode(dc, TRANSPARENT);
    LineAcross(dc, r, pen);
    return pen;
}

HGDIOBJ DrawFillItem(HDC dc, const RECT& r, int index) {
    if (index == 0) {
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        RECT box = r;
        DrawTextA(dc, "NONE", 4, &box, DT_CENTER | DT_VCENTER);
        return nullptr;
    }
    // Unlike the line colours, the DC's own pen outlines the patch.
    HBRUSH brush = CreateSolidBrush(kColours[index - 1]);
    Patch(dc, r, brush);
    return brush;
}

// The tool factory saves and restores the DC itself.
void DrawToolItem(const DRAWITEMSTRUCT& item, int index) {
    ZToolFactory* factory = TheApplication().toolFactory;
    if (factory == nullptr) return;
    DRAWITEMSTRUCT lent = item;
    factory->DrawToolIcon(index - 1, &lent);
}

typedef HGDIOBJ (*ItemPainter)(HDC dc, const RECT& r, int index);

// The boxes whose items are drawn by a painter; items beyond `count` (and
// below 0) stay blank.
struct PaintedBox {
    int id;
    int count;
    ItemPainter paint;
};

const PaintedBox kPaintedBoxes[] = {
    {IDC_LINE_WIDTH, EntryCount(kLineWidths), DrawWidthItem},
    {IDC_LINE_COLOUR, kLineColourCount, DrawColourItem},
    {IDC_LINE_STYLE, EntryCount(kPenStyles), DrawStyleItem},
    {IDC_FILL_COLOUR, kFillEntryCount, DrawFillItem},
};

// Entry 0 is the blank "no tool" item; entries up to 9 go to the factory,
// which draws nothing for a position it has no tool for.
constexpr int kToolIconEnd = 10;

}  // namespace

BOOL DrawToolbarItem(const DRAWITEMSTRUCT* item) {
    if (item == nullptr) return FALSE;
    const int index = ItemIndex(*item);
    if (item->CtlID == IDC_TOOL) {
        if (index >= 1 && index < kToolIconEnd) DrawToolItem(*item, index);
        return TRUE;
    }
    for (const PaintedBox& box : kPaintedBoxes) {
        if (static_cast<int>(item->CtlID) != box.id) continue;
        if (index >= 0 && index < box.count) {
            const int saved = SaveDC(item->hDC);
            HGDIOBJ made = box.paint(item->hDC, item->rcItem, index);
            RestoreDC(item->hDC, saved);
            if (made != nullptr) DeleteObject(made);
        }
        return TRUE;
    }
    return FALSE;
}
