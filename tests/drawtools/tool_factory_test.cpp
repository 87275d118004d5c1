// The factory as the host meets it: made by name from ZDrawTools.DLL, the
// five tools in their list order, and who owns what afterwards.
#include <string>

#include "counting_component.h"
#include "recording_surface.h"
#include "tools_fixture.h"

namespace {

using ToolFactoryTest = ToolsTest;

int IgnoreObject(DrawObject*) { return 0; }

TEST_F(ToolFactoryTest, AnswersOnlyItsExactNameUpToVersion100) {
    struct {
        const char* name;
        DWORD version;
        bool made;
    } const rows[] = {
        {"ZToolFactory", 0, true},     // the lowest version
        {"ZToolFactory", 100, true},   // the highest version
        {"ZToolFactory", 101, false},  // too new
        {"ztoolfactory", 100, false},  // names are compared with case
        {"ZDrawSp", 100, false},       // another library's component
        {"LineTool", 100, false},      // tools are made only by the factory
    };
    for (const auto& row : rows) {
        ComponentInterface* made = loader_.CreateComponent("ZDrawTools.DLL", row.name, row.version);
        EXPECT_EQ(made != nullptr, row.made) << row.name << " " << row.version;
        if (made != nullptr) made->Release();
    }
}

TEST_F(ToolFactoryTest, FillsTheListWithTheFiveToolsInOrder) {
    const char* const names[] = {"Line Tool", "Retangle Tool", "Ellipse Tool", "Text Tool",
                                 "Polygon Tool"};
    int count = 0;
    for (ComponentInterface* item = tools_->First(); item != nullptr; item = tools_->Next()) {
        ASSERT_LT(count, 5);
        EXPECT_STREQ(static_cast<DrawTool*>(item)->GetName(), names[count]);
        ++count;
    }
    EXPECT_EQ(count, 5);
}

TEST_F(ToolFactoryTest, NullListChangesNothing) {
    factory_->CreateTools(nullptr);
    int count = 0;
    for (ComponentInterface* item = tools_->First(); item != nullptr; item = tools_->Next()) ++count;
    EXPECT_EQ(count, 5);
}

// Every tool holds the surface once, so the surface's count shows how many
// tools are alive: releasing the list must free all five.
TEST_F(ToolFactoryTest, TheListIsTheOnlyOwnerOfEachTool) {
    RecordingSurface surface;
    for (int index = kLine; index <= kPolygon; ++index) {
        Tool(index)->Attach(&surface, IgnoreObject);
        Tool(index)->Attach(&surface, IgnoreObject);  // the same surface again
    }
    EXPECT_EQ(surface.references, 5) << "attaching one surface twice keeps one reference";
    factory_->Release();
    factory_ = nullptr;
    EXPECT_EQ(surface.references, 5) << "the factory keeps no tool";
    tools_->Release();
    tools_ = nullptr;
    EXPECT_EQ(surface.references, 0) << "every tool went with the list";
}

TEST_F(ToolFactoryTest, AttachingAnotherOrNoSurfaceLetsTheOldOneGo) {
    RecordingSurface first, second;
    DrawTool* line = Tool(kLine);
    line->Attach(&first, IgnoreObject);
    line->Attach(&second, IgnoreObject);
    EXPECT_EQ(first.references, 0);
    EXPECT_EQ(second.references, 1);
    line->Attach(nullptr, IgnoreObject);
    EXPECT_EQ(second.references, 0);
}

// Without a surface every tool ignores all input: once a surface is back,
// each tool carries on exactly where it was before it lost its surface.
TEST_F(ToolFactoryTest, ToolWithoutSurfaceIgnoresEverything) {
    const char* const afterwards[] = {
        "DrawLine(10,10,30,30,2)",                // still anchored at the third click
        "DrawRectangle(10,10,30,30,2)",           // likewise
        "DrawEllipse(10,10,20,20,2)",             // likewise
        "DrawStringBox(30,30,x,2)",               // following; nothing was on the screen
        "DrawPolygon(0,0,10,0,10,10,30,30,2)",    // three vertices, none added since
    };
    RecordingSurface surface;
    for (int index = kLine; index <= kPolygon; ++index) {
        DrawTool* tool = Tool(index);
        tool->Attach(&surface, IgnoreObject);
        tool->SetText("x");
        tool->Click(0, 0, 0);
        tool->Click(10, 0, 0);
        tool->Click(10, 10, 0);
        tool->Attach(nullptr, IgnoreObject);
        EXPECT_EQ(surface.references, 0);
        tool->MouseMove(5, 5);
        tool->Click(20, 20, 0);
        tool->Click(20, 20, 1);
        tool->Redraw();
        tool->Finish();
        surface.TakeCalls();
        int objectsBefore = surface.liveObjects;
        tool->Attach(&surface, IgnoreObject);
        tool->MouseMove(30, 30);
        EXPECT_EQ(surface.TakeCalls(), afterwards[index]) << tool->GetName();
        EXPECT_EQ(surface.liveObjects, objectsBefore);
        tool->Attach(nullptr, nullptr);
    }
    EXPECT_EQ(surface.references, 0);
    EXPECT_EQ(surface.liveObjects, 0);
}

TEST_F(ToolFactoryTest, KeepReferenceHoldsOneComponentAtATime) {
    CountingComponent a, b;
    factory_->KeepReference(&a);
    factory_->KeepReference(&a);
    EXPECT_EQ(a.Outstanding(), 1) << "keeping the same one again";
    factory_->KeepReference(&b);
    EXPECT_EQ(a.Outstanding(), 0);
    EXPECT_EQ(b.Outstanding(), 1);
    factory_->KeepReference(nullptr);
    EXPECT_EQ(b.Outstanding(), 0);
    factory_->KeepReference(&a);
    factory_->Release();
    factory_ = nullptr;
    EXPECT_EQ(a.Outstanding(), 0) << "released with the factory";
}

}  // namespace
