// Painting the canvas: the sheet of ruled paper, the grey beyond it, the
// figures of the page and the shape under way. The page itself is kept in
// the canvas's page layer, so a paint copies it and draws the shape under
// way on top.
#include <algorithm>

#include "application.h"
#include "canvas.h"
#include "page_layer.h"

namespace {

// The page's rules and margin, in page units.
constexpr int kRuleSpacing = 40;  // 4 mm
constexpr int kMarginX = 1759;    // 40 mm from the right edge
constexpr int kPaperFontHeight = 12;

// What the surface draws the paper with: always a solid one-pixel pen.
struct PaperInk {
    COLORREF colour;
    COLORREF fillColour;
    int fillOn;
};

constexpr PaperInk kSheetInk = {0x000000, 0xE6FFFF, 1};  // thin black edge, pale yellow
constexpr PaperInk kRuleInk = {0xFFE6E6, 0, 0};          // thin pale blue
constexpr PaperInk kMarginInk = {0xC8C8FF, 0, 0};        // thin pink

void Use(ZDrawSp* surface, const PaperInk& ink) {
    surface->SetAttributes(ink.colour, PS_SOLID, 0, ink.fillColour, ink.fillOn, kPaperFontHeight);
}

// The canvas's bottom-right corner in page units.
POINT BottomRightOnPage(HWND canvas, HDC dc) {
    RECT client{};
    GetClientRect(canvas, &client);
    POINT corner{client.right, client.bottom};
    DPtoLP(dc, &corner, 1);
    return corner;
}

// Grey from the bottom of the sheet down to the canvas's bottom edge; it
// lies outside the canvas while the sheet reaches below it.
void DrawBelowSheet(HDC dc, POINT corner) {
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, GetStockObject(GRAY_BRUSH));
    Rectangle(dc, 0, -kPageHeight, corner.x, corner.y);
}

void DrawRules(ZDrawSp* surface) {
    for (int y = -kRuleSpacing; y > -kPageHeight; y -= kRuleSpacing) {
        surface->DrawLine(2, y, kPageWidth - 2, y, kModeKeepRop);
    }
    for (int x = kRuleSpacing; x < kPageWidth; x += kRuleSpacing) {
        surface->DrawLine(x, -2, x, -(kPageHeight - 2), kModeKeepRop);
    }
}

// The canvas as a box of page units, grown by a few pixels' worth so that
// a figure whose box stays outside it cannot touch a pixel of the canvas.
FigureBox CanvasOnPage(HWND canvas, HDC dc) {
    RECT client{};
    GetClientRect(canvas, &client);
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    DPtoLP(dc, corners, 2);
    const long long margin = 3LL * kPageWidth / std::max<LONG>(client.right - client.left, 1) + 2;
    return BoxBetween(corners[0].x - margin, corners[0].y + margin, corners[1].x + margin, corners[1].y - margin);
}

// The page's figures in list order, each with its own settings, leaving
// out those the page's record places wholly off the canvas: they would
// draw nothing there. Without a record that matches the list, all are
// drawn.
void DrawFiguresOnCanvas(HWND canvas, HDC dc) {
    Application& application = TheApplication();
    const ShownFigures* shown = application.ShownFigureRecordAsListed();
    ZLinklistCOM* figures = application.pageObjects;
    if (figures == nullptr) return;
    if (shown == nullptr) {
        application.DrawPageObjects(dc);
        return;
    }
    const FigureBox canvasBox = CanvasOnPage(canvas, dc);
    application.surface->SetDC(dc);
    std::size_t position = 0;
    for (auto* figure = static_cast<DrawObject*>(figures->First()); figure != nullptr;
         figure = static_cast<DrawObject*>(figures->Next()), ++position) {
        if ((*shown)[position].box.Meets(canvasBox)) figure->Draw();
    }
}

}  // namespace

void DrawPage(HWND canvas, HDC dc, bool everyFigure) {
    Application& application = TheApplication();
    ZDrawSp* surface = application.surface;
    if (surface == nullptr) return;
    surface->SetDC(dc);
    const POINT corner = BottomRightOnPage(canvas, dc);
    Use(surface, kSheetInk);
    surface->DrawRectangle(0, 0, kPageWidth, -kPageHeight, kModeKeepRop);
    Use(surface, kRuleInk);
    DrawBelowSheet(dc, corner);
    DrawRules(surface);
    Use(surface, kMarginInk);
    surface->DrawLine(kMarginX, 0, kMarginX, -kPageHeight, kModeKeepRop);
    if (everyFigure) {
        application.DrawPageObjects(dc);
    } else {
        DrawFiguresOnCanvas(canvas, dc);
    }
}

// The shape under way is drawn with the toolbar's settings, as every mouse
// event draws it, so the next event takes it off exactly; the figures
// drawn before it leave their own settings in the surface.
void Application::PaintCanvas(HWND canvas, HDC dc) {
    if (surface == nullptr) return;
    CanvasLayer().Show(canvas, dc);
    surface->SetDC(dc);
    ApplyToolbarSettings(GetParent(canvas));
    if (currentTool != nullptr) currentTool->Redraw();
}

void Application::DrawPageObjects(HDC dc) {
    if (surface == nullptr || pageObjects == nullptr) return;
    surface->SetDC(dc);
    for (auto* object = static_cast<DrawObject*>(pageObjects->First()); object != nullptr;
         object = static_cast<DrawObject*>(pageObjects->Next())) {
        object->Draw();
    }
}
