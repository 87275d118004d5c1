#include "tool_icons.h"

#include <algorithm>
#include <climits>

namespace {

// Where an icon goes inside its item: a margin of 2 at the left and right.
struct IconFrame {
    int left, top, right, bottom;  // the item itself
    int l, r, t, b;                // the drawing area
    int midX, midY;
};

// Item edges are kept within half the range of int, so the margins, the
// handles and the midpoints computed from them cannot overflow; every real
// item lies well inside and is left as it is.
constexpr LONG kFarthestEdge = INT_MAX / 2;

LONG Bounded(LONG edge) { return std::clamp(edge, -kFarthestEdge, kFarthestEdge); }

RECT BoundedItem(const RECT& item) {
    return RECT{Bounded(item.left), Bounded(item.top), Bounded(item.right), Bounded(item.bottom)};
}

IconFrame FrameOf(const RECT& item) {
    IconFrame f;
    f.left = item.left;
    f.top = item.top;
    f.right = item.right;
    f.bottom = item.bottom;
    f.l = item.left + 2;
    f.r = item.right - 2;
    f.t = item.top;
    f.b = item.bottom;
    f.midY = (item.top + item.bottom) / 2;
    f.midX = (f.l + f.r) / 2;
    return f;
}

// A handle is a small filled square in the icon's pen and brush.
void Handle(HDC dc, int left, int top) { Rectangle(dc, left, top, left + 6, top + 6); }

void Hollow(HDC dc) { SelectObject(dc, GetStockObject(NULL_BRUSH)); }

void DrawLineIcon(HDC dc, const IconFrame& f, const RECT&) {
    Handle(dc, f.l, f.midY - 3);
    Handle(dc, f.r - 6, f.midY - 3);
    MoveToEx(dc, f.l + 3, f.midY, nullptr);
    LineTo(dc, f.r - 3, f.midY);
}

void DrawRectangleIcon(HDC dc, const IconFrame& f, const RECT&) {
    Handle(dc, f.l, f.t);
    Handle(dc, f.r - 6, f.b - 6);
    Hollow(dc);
    Rectangle(dc, f.l + 3, f.t + 3, f.r - 3, f.b - 3);
}

void DrawEllipseIcon(HDC dc, const IconFrame& f, const RECT&) {
    Handle(dc, f.midX - 3, f.midY - 3);  // the centre
    Handle(dc, f.r - 6, f.t);            // a corner of the bounding box
    Hollow(dc);
    Ellipse(dc, f.l + 3, f.t + 3, f.r - 3, f.b - 3);
}

// The word takes the DC's own text colour and background mode.
void DrawTextIcon(HDC dc, const IconFrame& f, const RECT& item) {
    Handle(dc, f.midX - 20, f.b - 10);
    Hollow(dc);
    RECT box = item;
    DrawTextA(dc, "TEXT", 4, &box, DT_CENTER | DT_VCENTER);
}

// The arrow-like outline uses the item's own edges, not the margins.
void DrawPolygonIcon(HDC dc, const IconFrame& f, const RECT&) {
    const POINT vertices[] = {
        {f.left + 3, f.top + 3},      {f.left + 3, f.bottom - 3}, {f.right - 12, f.bottom - 3},
        {f.right, f.midY},            {f.right - 12, f.top + 3},  {f.left + 12, f.midY},
    };
    for (const POINT& vertex : vertices) Handle(dc, vertex.x - 3, vertex.y - 3);
    Hollow(dc);
    Polygon(dc, vertices, 6);
}

typedef void (*IconPainter)(HDC dc, const IconFrame& frame, const RECT& item);

// In the order of the tool list.
const IconPainter kIconPainters[kToolCount] = {
    DrawLineIcon,     // 0 Line Tool
    DrawRectangleIcon,// 1 Retangle Tool
    DrawEllipseIcon,  // 2 Ellipse Tool
    DrawTextIcon,     // 3 Text Tool
    DrawPolygonIcon,  // 4 Polygon Tool
};

}  // namespace

int DrawToolIconInto(HDC dc, const RECT& rawItem, int index) {
    int saved = SaveDC(dc);
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(0, 64, 128));
    HBRUSH brush = CreateSolidBrush(RGB(200, 0, 0));
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    bool known = index >= 0 && index < kToolCount;
    if (known) {
        const RECT item = BoundedItem(rawItem);
        // The polygon's tip and its handle sit on the item's right edge and
        // would spill into whatever lies beside the item; the clip keeps
        // every icon inside its own item. The DC keeps a copy of the region.
        HRGN clip = CreateRectRgn(item.left, item.top, item.right, item.bottom);
        SelectClipRgn(dc, clip);
        DeleteObject(clip);
        kIconPainters[index](dc, FrameOf(item), item);
    }
    // Restoring puts the DC's own pen, brush and clip back, so both can go.
    RestoreDC(dc, saved);
    DeleteObject(pen);
    DeleteObject(brush);
    return known ? 1 : 0;
}
