// Renders a sample page through the port layer to a PNG for a look: the
// ruled sheet under the canvas mapping, lines in every style, filled shapes,
// inverted feedback shapes and text at a baseline.
// Usage: platform_gdi_gallery [output.png]
#include "memory_canvas.h"

#include <cstdio>
#include <cstring>

namespace {

void Line(HDC dc, int style, int width, COLORREF colour, int x1, int y1, int x2, int y2) {
    HPEN pen = CreatePen(style, width, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void PaintSheet(HDC dc) {
    PenAndBrush sheet(dc, CreatePen(PS_SOLID, 0, 0x000000), CreateSolidBrush(0xE6FFFF));
    Rectangle(dc, 0, 0, 2159, -2794);
    for (int y = -40; y > -2794; y -= 40) Line(dc, PS_SOLID, 0, 0xFFE6E6, 2, y, 2157, y);
    for (int x = 40; x < 2159; x += 40) Line(dc, PS_SOLID, 0, 0xFFE6E6, x, -2, x, -2792);
    Line(dc, PS_SOLID, 0, 0xC8C8FF, 1759, 0, 1759, -2794);
}

void PaintFigures(HDC dc) {
    const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < 5; ++i) Line(dc, styles[i], 0, 0x000000, 120, -120 - 40 * i, 700, -120 - 40 * i);
    for (int i = 0; i < 4; ++i) Line(dc, PS_SOLID, 5 + 10 * i, 0x0000FF, 120, -360 - 60 * i, 700, -520 - 60 * i);
    Line(dc, PS_DASH, 10, 0x008000, 800, -120, 1100, -600);  // wide dashed draws solid
    {
        PenAndBrush tools(dc, CreatePen(PS_SOLID, 10, 0x800000), CreateSolidBrush(0x00C8FF));
        Rectangle(dc, 160, -800, 700, -1100);
        Ellipse(dc, 800, -800, 1300, -1150);
        POINT star[] = {{1500, -800}, {1620, -1150}, {1320, -930}, {1680, -930}, {1380, -1150}};
        Polygon(dc, star, 5);
    }
    {
        PenAndBrush tools(dc, CreatePen(PS_DOT, 0, 0x000000), CreateSolidBrush(0xFFC0C0));
        Ellipse(dc, 160, -1250, 600, -1500);
        SetROP2(dc, R2_NOT);  // feedback shapes
        Rectangle(dc, 300, -1300, 1000, -1450);
        Ellipse(dc, 1100, -1250, 1600, -1500);
        SetROP2(dc, R2_COPYPEN);
    }
    HFONT font = CreateFontA(-63, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    SetTextColor(dc, 0x0000C0);
    const char* text = "Tarnwick \xE2\x80\x93 text at its baseline";
    TextOutA(dc, 160, -1700, text, static_cast<int>(std::strlen(text)));
    RECT box = {160, -1700, 160, -1700};
    DrawTextA(dc, text, -1, &box, DT_CALCRECT | DT_BOTTOM);
    {
        PenAndBrush tools(dc, CreatePen(PS_SOLID, 0, 0x000000), CreateSolidBrush(0));
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        int w = box.right - box.left, h = box.bottom - box.top;
        Rectangle(dc, 160, -1700 - h, 160 + w, -1700);
    }
    Line(dc, PS_SOLID, 0, 0x00A000, 120, -1700, 1900, -1700);  // the baseline
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

}  // namespace

int main(int argc, char** argv) {
    const char* output = argc > 1 ? argv[1] : "gdi_gallery.png";
    MemoryCanvas canvas(960, 900, 0x808080);
    HDC dc = canvas.dc();
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 2159, -2159, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetViewportExtEx(dc, 960, 960, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    PaintSheet(dc);
    PaintFigures(dc);
    if (!canvas.WritePng(output)) return 1;
    std::printf("%s\n", output);
    return 0;
}
