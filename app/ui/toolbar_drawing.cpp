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

HGDIOBJ DrawWidthItem(const DRAWITEMSTRUCT& item, int index) {
    HPEN pen = CreatePen(PS_SOLID, kLineWidths[index], 0x000000);
    LineAcross(item.hDC, item.rcItem, pen);
    return pen;
}

HGDIOBJ DrawColourItem(const DRAWITEMSTRUCT& item, int index) {
    HBRUSH brush = CreateSolidBrush(kColours[index]);
    SelectObject(item.hDC, GetStockObject(NULL_PEN));
    Patch(item.hDC, item.rcItem, brush);
    return brush;
}

HGDIOBJ DrawStyleItem(const DRAWITEMSTRUCT& item, int index) {
    HPEN pen = CreatePen(kPenStyles[index], 0, 0x000000);
    // The gaps of a broken line keep the item's own background.
    SetBkMode(item.hDC, TRANSPARENT);
    LineAcross(item.hDC, item.rcItem, pen);
    return pen;
}

HGDIOBJ DrawFillItem(const DRAWITEMSTRUCT& item, int index) {
    if (index == 0) {
        SelectObject(item.hDC, GetStockObject(NULL_BRUSH));
        RECT box = item.rcItem;
        DrawTextA(item.hDC, "NONE", 4, &box, DT_CENTER | DT_VCENTER);
        return nullptr;
    }
    // Unlike the line colours, the DC's own pen outlines the patch.
    HBRUSH brush = CreateSolidBrush(kColours[index - 1]);
    Patch(item.hDC, item.rcItem, brush);
    return brush;
}

// Entry 0 is the blank "no tool" item; entry k is the icon of the tool at
// position k - 1, which the factory draws, saving and restoring the DC
// itself.
HGDIOBJ DrawToolItem(const DRAWITEMSTRUCT& item, int index) {
    ZToolFactory* factory = TheApplication().toolFactory;
    if (index == 0 || factory == nullptr) return nullptr;
    DRAWITEMSTRUCT lent = item;
    factory->DrawToolIcon(index - 1, &lent);
    return nullptr;
}

const ToolbarBox kBoxes[] = {
    {IDC_LINE_WIDTH, EntryCount(kLineWidths), DrawWidthItem, false},
    {IDC_LINE_COLOUR, kLineColourCount, DrawColourItem, false},
    {IDC_FILL_COLOUR, kFillEntryCount, DrawFillItem, false},
    {IDC_LINE_STYLE, EntryCount(kPenStyles), DrawStyleItem, false},
    {IDC_TOOL, kToolEntryCount, DrawToolItem, true},
};

}  // namespace

const std::span<const ToolbarBox> kToolbarBoxes = kBoxes;

// Items beyond a box's entries (and below 0) stay blank.
BOOL DrawToolbarItem(const DRAWITEMSTRUCT* item) {
    if (item == nullptr) return FALSE;
    const int index = ItemIndex(*item);
    for (const ToolbarBox& box : kBoxes) {
        if (static_cast<int>(item->CtlID) != box.id) continue;
        if (index < 0 || index >= box.entries) return TRUE;
        const int saved = box.savesDc ? 0 : SaveDC(item->hDC);
        HGDIOBJ made = box.paint(*item, index);
        if (!box.savesDc) RestoreDC(item->hDC, saved);
        if (made != nullptr) DeleteObject(made);
        return TRUE;
    }
    return FALSE;
}
