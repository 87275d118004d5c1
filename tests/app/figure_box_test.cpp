// A figure's box may be too large but never too small: every pixel the
// drawing code puts down for a figure lies inside the box read from its
// objData (give or take a pixel, which the click's reach covers). Drawn at
// one pixel a unit, for each kind, pen, fill and font size, and for rows
// no tool writes.
#include <string>

#include "app_fixture.h"
#include "figure_box.h"

namespace {

class FigureBoxTest : public AppTest {
protected:
    // The page from (-100, 100) to (700, -700), one pixel a unit.
    static constexpr int kLeft = -100, kTop = 100, kSide = 800;

    // Logical points of every pixel the figure draws, checked against the
    // box; returns how many pixels were drawn.
    int DrawnOutside(const char* objData, const FigureBox& box, int& drawn) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, kSide, kSide);
        HGDIOBJ old = SelectObject(dc, bitmap);
        const RECT all{0, 0, kSide, kSide};
        HBRUSH white = CreateSolidBrush(0xFFFFFF);
        FillRect(dc, &all, white);
        DeleteObject(white);
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, 1, -1, nullptr);
        SetViewportExtEx(dc, 1, 1, nullptr);
        SetWindowOrgEx(dc, kLeft, kTop, nullptr);
        DrawObject* figure = app.surface->CreateObject();
        std::string text = objData;
        figure->Decode(text.data());
        app.surface->SetDC(dc);
        figure->Draw();
        figure->Release();
        int outside = 0;
        drawn = 0;
        for (int y = kTop; y > kTop - kSide; --y) {
            for (int x = kLeft; x < kLeft + kSide; ++x) {
                if (GetPixel(dc, x, y) == 0xFFFFFF) continue;
                ++drawn;
                if (x < box.left - 1 || x > box.right + 1 || y < box.bottom - 1 || y > box.top + 1) ++outside;
            }
        }
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return outside;
    }
};

// Rows that draw nothing (too few points, kinds without a drawing, a cut
// header) have an empty box; a text of the default size (height 0), which
// does not follow the page's scale, and values far off the page saturate
// outward.
TEST_F(FigureBoxTest, EveryDrawnPixelLiesInTheBox) {
    const char* const figures[] = {
        "1;255;0;0;0;0;0;28;10;-10;500;-300;",             // thin line
        "1;255;0;60;0;0;0;28;100;-100;500;-100;",          // wide line, round ends
        "8;255;0;60;0;0;0;28;100;-200;500;-250;",          // temporary line: thin whatever its width
        "1;255;2;1;0;0;0;28;0;-400;600;-400;",             // dotted
        "6;255;0;40;65280;1;0;28;500;-500;100;-150;",      // filled rectangle, corners swapped
        "4;255;0;30;0;0;0;28;300;-300;-200;150;",          // ellipse with negative radii
        "4;255;0;1;65280;1;0;28;300;-300;250;250;",        // filled ellipse
        "3;255;0;50;0;0;0;28;50;-50;550;-80;80;-600;",     // wide polygon with a sharp corner
        "3;255;0;1;65280;1;0;28;50;-50;550;-80;300;-600;300;-100;",  // filled polygon crossing itself
        "7;255;0;1;0;0;0;70;20;-200;Wide Memo WWW;",       // text, 20 points
        "7;255;0;1;0;0;0;28;20;-600;gjpqy;",               // descenders
        "7;255;0;1;0;0;0;-60;20;-400;Negative height;",    // a height no tool writes
        "7;255;0;1;0;0;0;60;20;-500;two\nlines;",          // a line break no tool writes
        "7;255;0;1;0;0;0;0;20;-300;default size;",         // height 0
        "1;255;0;1;0;0;0;28;-99999999;5;99999999;5;",      // far off the page both ways
        " 1;255;;0;1;;0;0;0;28;;5;-5;400;-90",             // spelt another way
        "1;255;0;1;0;0;0;28;5;-5;",                        // nothing: one point
        "2;255;0;1;0;0;0;28;5;-5;9;-9;",                   // nothing: a kind without a drawing
        "3;255;0;1;0;0;0;28;5;-5;9;-9;",                   // nothing: a polygon of two points
        "1;255;0;1;0;0;0",                                 // nothing: a cut header
    };
    for (const char* objData : figures) {
        const FigureBox box = BoxOfObjData(objData);
        int drawn = 0;
        EXPECT_EQ(DrawnOutside(objData, box, drawn), 0) << objData;
        EXPECT_EQ(drawn > 0, !box.Empty()) << objData;
    }
}

}  // namespace
