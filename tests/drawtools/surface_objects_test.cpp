// The objects the tools make on the real surface, read back through their
// objData text: points, kind, text, and the settings the surface had when
// each object was created.
#include <string>
#include <vector>

#include "surface_fixture.h"

namespace {

class SurfaceObjectsTest : public SurfaceToolsTest {
protected:
    void SetUp() override {
        SurfaceToolsTest::SetUp();
        surface_->SetAttributes(255, PS_SOLID, 10, 0xFFFFFF, 1, 42);
    }
};

// The settings above as the header prints them after the kind.
const std::string kSettings = "255;0;10;16777215;1;0;42;";

TEST_F(SurfaceObjectsTest, EachToolMakesItsFigure) {
    struct Row {
        int tool;
        std::vector<int> clicks;  // x, y, rightButton, ...
        std::string objData;
    };
    const Row rows[] = {
        // Line: both ends as clicked.
        {kLine, {10, -20, 0, 30, -40, 0}, "1;" + kSettings + "10;-20;30;-40;"},
        // Rectangle: corners as clicked, not normalised.
        {kRectangle, {50, -10, 0, 20, -60, 0}, "6;" + kSettings + "50;-10;20;-60;"},
        // Ellipse: the centre, then the signed radii.
        {kEllipse, {10, -20, 0, 30, -40, 0}, "4;" + kSettings + "10;-20;20;-20;"},
        // Text before any SetText: the object keeps one space.
        {kText, {5, 6, 0}, "7;" + kSettings + "5;6; ;"},
        // Polygon: the right click ends it and is not a vertex.
        {kPolygon, {0, 0, 0, 100, 0, 0, 100, -100, 0, 5, -5, 1}, "3;" + kSettings + "0;0;100;0;100;-100;"},
    };
    for (const Row& row : rows) {
        DrawTool* tool = Tool(row.tool);
        for (std::size_t i = 0; i + 2 < row.clicks.size(); i += 3) {
            tool->MouseMove(row.clicks[i], row.clicks[i + 1]);
            tool->Click(row.clicks[i], row.clicks[i + 1], row.clicks[i + 2]);
        }
        ASSERT_EQ(encoded_.size(), 1u) << tool->GetName();
        EXPECT_EQ(encoded_[0], row.objData) << tool->GetName();
        encoded_.clear();
    }
}

TEST_F(SurfaceObjectsTest, TemporaryLineAndPlacedTexts) {
    Tool(kLine)->SetTemporary(1);
    Tool(kLine)->Click(1, -1, 0);
    Tool(kLine)->Click(2, -2, 0);
    Tool(kText)->SetText("Memo");
    Tool(kText)->Click(100, -200, 0);
    Tool(kText)->Reset();
    Tool(kText)->Click(300, -400, 0);
    EXPECT_EQ(encoded_, (std::vector<std::string>{
                            "8;" + kSettings + "1;-1;2;-2;",
                            "7;" + kSettings + "100;-200;Memo;",
                            "7;" + kSettings + "300;-400;Memo;",
                        }));
}

// The object takes the settings of the moment it is made, that is of the
// click that completes it, not of the click that started it.
TEST_F(SurfaceObjectsTest, SettingsAreThoseAtTheFinishingClick) {
    Tool(kRectangle)->Click(0, 0, 0);
    surface_->SetAttributes(RGB(0, 128, 0), PS_DASH, 0, RGB(1, 2, 3), 0, 28);
    Tool(kRectangle)->Click(10, -10, 0);
    surface_->SetAttributes(0, 0, 0, 0, 0, 8);
    ASSERT_EQ(encoded_.size(), 1u);
    EXPECT_EQ(encoded_[0], "6;32768;1;0;197121;0;0;28;0;0;10;-10;");
}

// The host keeps an object by appending it to its page list; the tool's
// own reference is gone by then, so the list is the only owner.
TEST_F(SurfaceObjectsTest, HostKeepsTheObjectByTakingItsOwnReference) {
    static ZLinklistCOM* pageObjects = nullptr;
    pageObjects = static_cast<ZLinklistCOM*>(
        loader_.CreateComponent("ZUtilitiesCOM.DLL", "ZLinklistCOM", 100));
    ASSERT_NE(pageObjects, nullptr);
    Tool(kEllipse)->Attach(surface_, [](DrawObject* object) {
        pageObjects->AddTail(object);
        return 0;
    });
    Tool(kEllipse)->Click(300, -300, 0);
    Tool(kEllipse)->Click(380, -340, 0);
    DrawObject* kept = static_cast<DrawObject*>(pageObjects->First());
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->GetKind(), 4);
    EXPECT_EQ(EncodeObject(kept), "4;" + kSettings + "300;-300;80;-40;");
    pageObjects->Release();  // the last reference: the object goes with the list
    pageObjects = nullptr;
}

}  // namespace
