// Each primitive borrows the DC: it creates its pen, brush and font for the
// one call and gives the DC back exactly as it found it, and without a DC it
// does nothing at all.
#include <climits>

#include "drawsp_fixture.h"
#include "memory_canvas.h"
#include "primitive_table.h"

namespace {

DWORD LiveGdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

// The DC state a primitive could disturb.
struct DcState {
    int rop2;
    COLORREF textColour;
    int backgroundMode;
    UINT textAlign;
    HGDIOBJ pen, brush, font;

    static DcState Of(HDC dc) {
        return {GetROP2(dc),
                GetTextColor(dc),
                GetBkMode(dc),
                GetTextAlign(dc),
                GetCurrentObject(dc, OBJ_PEN),
                GetCurrentObject(dc, OBJ_BRUSH),
                GetCurrentObject(dc, OBJ_FONT)};
    }
    bool operator==(const DcState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const DcState& s) {
    return out << "{rop2 " << s.rop2 << ", text colour " << s.textColour << ", bk mode " << s.backgroundMode
               << ", align " << s.textAlign << ", pen " << s.pen << ", brush " << s.brush << ", font "
               << s.font << "}";
}

class SurfaceResourcesTest : public DrawSpTest {
protected:
    void SetUp() override {
        DrawSpTest::SetUp();
        ASSERT_TRUE(canvas_.ok()) << "memory DCs are not available";
    }
    MemoryCanvas canvas_{40, 30};
};

TEST_F(SurfaceResourcesTest, WithoutADcNothingIsDrawnOrCreated) {
    canvas_.FillStripes();
    const auto before = canvas_.Pixels();
    const DWORD objects = LiveGdiObjects();
    for (int fillOn : {0, 1}) {
        surface_->SetAttributes(RGB(255, 0, 0), PS_DASH, 3, RGB(0, 255, 0), fillOn, 12);
        for (const Primitive& p : kPrimitives) {
            for (int mode : {0, 1, 2, 3}) p.draw(surface_, mode);
            EXPECT_EQ(LiveGdiObjects(), objects) << p.name;
        }
    }
    // Detaching again also stops drawing.
    EXPECT_EQ(surface_->SetDC(canvas_.dc()), canvas_.dc());
    EXPECT_EQ(surface_->SetDC(nullptr), nullptr);
    for (const Primitive& p : kPrimitives) p.draw(surface_, 3);
    EXPECT_EQ(canvas_.Pixels(), before);
    EXPECT_EQ(LiveGdiObjects(), objects);
}

TEST_F(SurfaceResourcesTest, EveryPrimitiveReturnsTheDcAsItFoundIt) {
    HDC dc = canvas_.dc();
    HPEN ownPen = CreatePen(PS_SOLID, 2, RGB(1, 2, 3));
    HBRUSH ownBrush = CreateSolidBrush(RGB(4, 5, 6));
    HFONT ownFont = CreateFontA(-9, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ oldPen = SelectObject(dc, ownPen);
    HGDIOBJ oldBrush = SelectObject(dc, ownBrush);
    HGDIOBJ oldFont = SelectObject(dc, ownFont);
    SetROP2(dc, R2_MERGEPEN);
    SetTextColor(dc, RGB(7, 8, 9));
    SetBkMode(dc, OPAQUE);
    SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
    const DcState before = DcState::Of(dc);
    const DWORD objects = LiveGdiObjects();
    EXPECT_GT(objects, 0u);

    surface_->SetDC(dc);
    for (int fillOn : {0, 1}) {
        surface_->SetAttributes(RGB(255, 0, 0), PS_DOT, 0, RGB(0, 0, 255), fillOn, 10);
        for (const Primitive& p : kPrimitives) {
            for (int mode : {-1, 0, 1, 2, 3, 77}) {
                p.draw(surface_, mode);
                EXPECT_EQ(DcState::Of(dc), before) << p.name << ", mode " << mode << ", fill " << fillOn;
                EXPECT_EQ(LiveGdiObjects(), objects) << p.name << ", mode " << mode << ", fill " << fillOn;
            }
        }
    }
    surface_->SetDC(nullptr);

    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldFont);
    DeleteObject(ownPen);
    DeleteObject(ownBrush);
    DeleteObject(ownFont);
}

TEST_F(SurfaceResourcesTest, ObjectsDrawWithinTheSameRules) {
    surface_->SetDC(canvas_.dc());
    const DWORD objects = LiveGdiObjects();
    const DcState before = DcState::Of(canvas_.dc());
    const char* records[] = {
        "1;255;1;2;0;0;0;8;1;1;30;20;",          // dashed line
        "3;0;0;1;65280;1;0;8;2;2;30;4;16;25;",   // filled polygon
        "4;0;0;1;16711680;1;0;8;20;15;8;6;",     // filled ellipse
        "6;0;0;3;0;0;0;8;5;5;25;20;",            // wide rectangle
        "7;0;0;1;0;1;0;12;3;20;Hi;",             // text
        "8;255;4;6;255;1;0;30;0;0;39;29;",       // temporary line
    };
    for (const char* record : records) {
        DrawObject* object = Decoded(record);
        object->Draw();
        object->Release();
        EXPECT_EQ(LiveGdiObjects(), objects) << record;
        EXPECT_EQ(DcState::Of(canvas_.dc()), before) << record;
    }
    surface_->SetDC(nullptr);
}

// Stored figures may hold any 32-bit values; drawing them must stay defined
// (the sanitizers of the test build stop at the first overflow).
TEST_F(SurfaceResourcesTest, ExtremeStoredValuesDrawWithoutOverflow) {
    surface_->SetDC(canvas_.dc());
    const DWORD objects = LiveGdiObjects();
    const char* records[] = {
        "4;0;0;1;0;1;0;8;0;0;-2147483648;-2147483648;",            // ellipse radii at the lowest int
        "4;0;0;1;0;1;0;8;2147483647;-2147483648;-2147483648;5;",   // and a centre at the edges
        "7;0;0;1;0;0;0;-2147483648;3;20;Hi;",                      // text of the lowest font height
    };
    for (const char* record : records) {
        DrawObject* object = Decoded(record);
        object->Draw();
        object->Release();
        EXPECT_EQ(LiveGdiObjects(), objects) << record;
    }
    // The text box measures in the same font.
    surface_->SetAttributes(0, 0, 1, 0, 0, INT_MIN);
    surface_->DrawStringBox(3, 20, "Hi", 2);
    EXPECT_EQ(LiveGdiObjects(), objects);
    surface_->SetDC(nullptr);
}

// Missing coordinate arrays or a null text are not followed.
TEST_F(SurfaceResourcesTest, MissingArraysAndTextsDrawNothing) {
    canvas_.FillStripes();
    const auto before = canvas_.Pixels();
    const DWORD objects = LiveGdiObjects();
    surface_->SetDC(canvas_.dc());
    surface_->SetAttributes(RGB(255, 0, 0), PS_SOLID, 1, RGB(0, 255, 0), 1, 12);
    surface_->DrawPolygon(nullptr, nullptr, 4, 3);
    surface_->DrawPolygon(kPolygonXs, nullptr, 4, 3);
    surface_->DrawPolygon(nullptr, kPolygonYs, 4, 3);
    surface_->DrawString(3, 22, nullptr, 3);
    surface_->DrawStringBox(3, 22, nullptr, 3);
    surface_->SetDC(nullptr);
    EXPECT_EQ(canvas_.Pixels(), before);
    EXPECT_EQ(LiveGdiObjects(), objects);
}

}  // namespace
