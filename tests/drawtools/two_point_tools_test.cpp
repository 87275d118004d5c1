// The line, rectangle and ellipse tools against a recording surface: the
// exact feedback calls (erase with the old points, then draw the new), the
// figure each makes, and the state rules shared by the family.
#include <climits>
#include <vector>

#include "recording_fixture.h"

namespace {

using TwoPointToolsTest = RecordingToolsTest;

struct FamilyCase {
    int tool;
    const char* firstMove;   // after the first click and one move
    const char* secondMove;  // the next move: erase, then draw
    int kind;
    std::vector<int> points;
};

const FamilyCase kFamilyCases[] = {
    // Line: the feedback and the object use the pointer as the second end.
    {kLine, "DrawLine(10,-20,30,-40,2)",
     "DrawLine(10,-20,30,-40,2) DrawLine(10,-20,35,-45,2)", 1, {10, -20, 35, -45}},
    // Rectangle: the two corners as they are, not normalised.
    {kRectangle, "DrawRectangle(10,-20,30,-40,2)",
     "DrawRectangle(10,-20,30,-40,2) DrawRectangle(10,-20,35,-45,2)", 6, {10, -20, 35, -45}},
    // Ellipse: centred on the first click; the pointer gives signed radii.
    {kEllipse, "DrawEllipse(10,-20,20,-20,2)",
     "DrawEllipse(10,-20,20,-20,2) DrawEllipse(10,-20,25,-25,2)", 4, {10, -20, 25, -25}},
};

TEST_F(TwoPointToolsTest, FeedbackAndFigureComeFromTheSamePoints) {
    for (const FamilyCase& row : kFamilyCases) {
        SCOPED_TRACE(Tool(row.tool)->GetName());
        DrawTool* tool = Tool(row.tool);
        tool->Click(10, -20, 0);
        EXPECT_EQ(Calls(), "") << "the first click draws nothing";
        tool->MouseMove(30, -40);
        EXPECT_EQ(Calls(), row.firstMove) << "the first move erases nothing";
        tool->MouseMove(35, -45);
        EXPECT_EQ(Calls(), row.secondMove);
        tool->Click(35, -45, 0);
        EXPECT_EQ(Calls(), "") << "finishing leaves the feedback to the repaint";
        ASSERT_EQ(figures_.size(), 1u);
        EXPECT_EQ(figures_[0].kind, row.kind);
        EXPECT_EQ(figures_[0].points, row.points);
        EXPECT_FALSE(figures_[0].hasText);
        tool->MouseMove(1, 1);
        tool->Redraw();
        EXPECT_EQ(Calls(), "") << "idle again after the object";
        figures_.clear();
    }
}

TEST_F(TwoPointToolsTest, ObjectIsLentWithTheCreationReferenceAndReleasedAfter) {
    Tool(kRectangle)->Click(50, -10, 0);
    Tool(kRectangle)->Click(20, -60, 0);
    ASSERT_EQ(figures_.size(), 1u);
    EXPECT_EQ(figures_[0].points, (std::vector<int>{50, -10, 20, -60}));
    EXPECT_EQ(referencesAtCallback, std::vector<int>{1});
    EXPECT_EQ(surface_.liveObjects, 0) << "the tool let go once the callback returned";
}

TEST_F(TwoPointToolsTest, SecondClickOnTheFirstPointStillMakesAnObject) {
    const std::vector<int> expected[] = {
        {7, 8, 7, 8},  // line of no length
        {7, 8, 7, 8},  // rectangle of no size
        {7, 8, 0, 0},  // ellipse with zero radii
    };
    for (int index : {kLine, kRectangle, kEllipse}) {
        Tool(index)->Click(7, 8, 0);
        Tool(index)->Click(7, 8, 0);
        ASSERT_EQ(figures_.size(), 1u) << Tool(index)->GetName();
        EXPECT_EQ(figures_[0].points, expected[index]);
        figures_.clear();
    }
}

TEST_F(TwoPointToolsTest, RightClicksNeverFixFinishOrCancel) {
    for (int index : {kLine, kRectangle, kEllipse}) {
        SCOPED_TRACE(Tool(index)->GetName());
        DrawTool* tool = Tool(index);
        tool->Click(1, 2, 1);
        tool->MouseMove(5, 5);
        EXPECT_EQ(Calls(), "") << "a right click while idle anchors nothing";
        tool->Click(3, 4, 0);
        tool->Click(9, 9, 1);
        tool->Click(9, 9, 1);
        EXPECT_TRUE(figures_.empty()) << "a right click while anchored does not finish";
        tool->MouseMove(6, 6);
        EXPECT_NE(Calls(), "") << "still anchored after right clicks";
        tool->Click(6, 6, 0);
        ASSERT_EQ(figures_.size(), 1u);
        EXPECT_EQ(figures_[0].points[0], 3) << "anchored at the left click";
        figures_.clear();
    }
}

TEST_F(TwoPointToolsTest, LineKindIsReadAtTheSecondClick) {
    struct {
        int atFirstClick, atSecondClick, kind;
    } const rows[] = {
        {1, 0, 1},  // switched off before the end: a plain line
        {0, 1, 8},  // switched on before the end: a temporary line
        {0, 7, 8},  // any non-zero flag counts as on
    };
    DrawTool* line = Tool(kLine);
    for (const auto& row : rows) {
        line->SetTemporary(row.atFirstClick);
        line->Click(0, 0, 0);
        line->SetTemporary(row.atSecondClick);
        line->Click(1, 1, 0);
        ASSERT_EQ(figures_.size(), 1u);
        EXPECT_EQ(figures_[0].kind, row.kind);
        figures_.clear();
    }
}

TEST_F(TwoPointToolsTest, SwitchesThatBelongToOtherToolsChangeNothing) {
    Tool(kRectangle)->SetTemporary(1);
    Tool(kLine)->SetText("words");
    Tool(kRectangle)->Click(0, 0, 0);
    Tool(kRectangle)->Click(1, 1, 0);
    Tool(kLine)->Click(0, 0, 0);
    Tool(kLine)->Click(1, 1, 0);
    ASSERT_EQ(figures_.size(), 2u);
    EXPECT_EQ(figures_[0].kind, 6);
    EXPECT_EQ(figures_[1].kind, 1);
    EXPECT_FALSE(figures_[1].hasText);
}

TEST_F(TwoPointToolsTest, ResetWhileAnchoredStartsOverAtTheNextClick) {
    DrawTool* line = Tool(kLine);
    line->Click(1, 1, 0);
    line->MouseMove(5, 5);
    Calls();
    EXPECT_EQ(line->Reset(), 0);
    line->MouseMove(6, 6);
    line->Redraw();
    EXPECT_EQ(Calls(), "") << "Reset erases nothing and ends the feedback";
    line->Click(7, 7, 0);
    line->MouseMove(9, 9);
    EXPECT_EQ(Calls(), "DrawLine(7,7,9,9,2)") << "the old feedback is not erased again";
    line->Click(9, 9, 0);
    ASSERT_EQ(figures_.size(), 1u);
    EXPECT_EQ(figures_[0].points, (std::vector<int>{7, 7, 9, 9}));
}

TEST_F(TwoPointToolsTest, RedrawDrawsOnceAndCountsAsOnScreen) {
    DrawTool* ellipse = Tool(kEllipse);
    ellipse->MouseMove(3, 3);
    ellipse->Redraw();
    EXPECT_EQ(Calls(), "") << "nothing under way, nothing drawn";
    ellipse->Click(0, 0, 0);
    ellipse->Redraw();
    EXPECT_EQ(Calls(), "DrawEllipse(0,0,0,0,2)");
    ellipse->MouseMove(4, -2);
    EXPECT_EQ(Calls(), "DrawEllipse(0,0,0,0,2) DrawEllipse(0,0,4,-2,2)");
}

TEST_F(TwoPointToolsTest, NoObjectFromTheSurfaceLeavesTheToolIdle) {
    surface_.refuseObjects = true;
    Tool(kLine)->Click(0, 0, 0);
    Tool(kLine)->Click(5, 5, 0);
    EXPECT_TRUE(figures_.empty());
    surface_.refuseObjects = false;
    Tool(kLine)->MouseMove(6, 6);
    EXPECT_EQ(Calls(), "") << "idle: the failed shape is gone";
}

TEST_F(TwoPointToolsTest, EllipseRadiiBeyondTheIntRangeSaturate) {
    DrawTool* ellipse = Tool(kEllipse);
    ellipse->Click(-2000000000, 2000000000, 0);
    ellipse->MouseMove(2000000000, -2000000000);
    EXPECT_EQ(Calls(), "DrawEllipse(-2000000000,2000000000,2147483647,-2147483648,2)");
    ellipse->Click(2000000000, -2000000000, 0);
    ASSERT_EQ(figures_.size(), 1u);
    EXPECT_EQ(figures_[0].points, (std::vector<int>{-2000000000, 2000000000, INT_MAX, INT_MIN}));
}

}  // namespace
