// Text and its outline box. Both use the same font and baseline-left
// alignment, so the box is exactly where the text would go.
#include <cstring>

#include "draw_surface.h"
#include "saturated_int.h"

namespace {

constexpr UINT kBaselineLeft = TA_BASELINE | TA_LEFT | TA_NOUPDATECP;

int TextLength(const char* text) { return static_cast<int>(std::strlen(text)); }

}  // namespace

// The negative height asks for the character height, not the cell height.
// The lowest int, which has no 32-bit negative, asks for the largest height.
HFONT DrawSurface::CreateTextFont() const {
    const int height = SaturatedInt(-static_cast<long long>(fontHeight_));
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       "Arial");
}

template <class Draw>
void DrawSurface::DrawInTextFont(int mode, Draw draw) {
    BeginDraw(mode);
    HFONT font = CreateTextFont();
    HGDIOBJ oldFont = SelectObject(dc_, font);
    SetTextAlign(dc_, kBaselineLeft);
    draw();
    SelectObject(dc_, oldFont);
    DeleteObject(font);
    EndDraw();
}

void DrawSurface::DrawString(int x, int y, const char* text, int mode) {
    if (dc_ == nullptr) return;
    if (text == nullptr) text = "";
    DrawInTextFont(mode, [&] { TextOutA(dc_, x, y, text, TextLength(text)); });
}

// The box is the measured extent as it comes, signs included, and is never
// filled whatever the fill setting says.
void DrawSurface::DrawStringBox(int x, int y, const char* text, int mode) {
    if (dc_ == nullptr) return;
    if (text == nullptr) text = "";
    DrawInTextFont(mode, [&] {
        RECT extent = {0, 0, 0, 0};
        DrawTextA(dc_, text, TextLength(text), &extent, DT_CALCRECT | DT_BOTTOM);
        const long long width = static_cast<long long>(extent.right) - extent.left;
        const long long height = static_cast<long long>(extent.bottom) - extent.top;
        SelectObject(dc_, GetStockObject(NULL_BRUSH));
        Rectangle(dc_, x, SaturatedInt(y - height), SaturatedInt(x + width), y);
    });
}
