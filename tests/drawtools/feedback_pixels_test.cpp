// Feedback on real pixels: the tools draw their shapes inverted, so after
// any run of moves one more drawing of the shape (Redraw over the shape on
// the screen) must give back exactly the pixels that were there before.
#include <vector>

#include "surface_fixture.h"

namespace {

struct Step {
    char action;  // 'c' left click, 'r' right click, 'm' move, 'd' redraw
    int x, y;
};

class FeedbackPixelsTest : public SurfaceToolsTest {
protected:
    void SetUp() override {
        SurfaceToolsTest::SetUp();
        // A sheet that is not all one colour, so every inversion shows.
        canvas_.Fill(RECT{0, 40, kCanvasWidth, 70}, RGB(200, 210, 90));
        canvas_.Fill(RECT{70, 0, 75, kCanvasHeight}, RGB(20, 30, 160));
        surface_->SetAttributes(RGB(0, 0, 255), PS_SOLID, 10, RGB(255, 200, 0), 1, 42);
        original_ = canvas_.Pixels();
    }

    void Run(DrawTool* tool, const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            switch (step.action) {
                case 'c': tool->Click(step.x, step.y, 0); break;
                case 'r': tool->Click(step.x, step.y, 1); break;
                case 'm': tool->MouseMove(step.x, step.y); break;
                case 'd': tool->Redraw(); break;
            }
        }
    }

    // Writes the canvas for a look when a check fails.
    int Changed() const {
        RECT box;
        int changed = canvas_.CountChanged(original_, &box);
        if (changed != 0) {
            const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
            canvas_.WritePpm(std::string(test->name()) + ".ppm");
        }
        return changed;
    }

    std::vector<COLORREF> original_;
};

// Each row moves the feedback about; the Redraw at the end removes it.
TEST_F(FeedbackPixelsTest, FinalEraseGivesBackTheOriginalPixels) {
    const std::vector<Step> wander = {
        {'m', 600, -500}, {'m', 1200, -900}, {'m', 1900, -1500}, {'m', 300, -1400}, {'m', 1500, -300}};
    struct {
        int tool;
        std::vector<Step> start;
    } const rows[] = {
        {kLine, {{'c', 200, -200}}},                 // a line from a fixed end
        {kRectangle, {{'c', 200, -200}}},            // a filled rectangle, fill inverted too
        {kEllipse, {{'c', 1000, -800}}},             // an ellipse about a fixed centre
        {kText, {}},                                 // the text box, no click needed
        {kPolygon, {{'c', 200, -200}}},              // still a line: one vertex
        {kPolygon, {{'c', 200, -200}, {'m', 900, -400}, {'c', 900, -400}}},  // a triangle
    };
    Tool(kText)->SetText("Tarnwick 42");
    for (const auto& row : rows) {
        SCOPED_TRACE(Tool(row.tool)->GetName());
        Run(Tool(row.tool), row.start);
        Run(Tool(row.tool), wander);
        EXPECT_GT(Changed(), 0) << "the feedback shows";
        Tool(row.tool)->Redraw();
        EXPECT_EQ(Changed(), 0) << "stray pixels after the final erase";
        Tool(row.tool)->Reset();
    }
}

TEST_F(FeedbackPixelsTest, PolygonSwitchFromLineToPolygonLeavesNoStrayPixels) {
    DrawTool* polygon = Tool(kPolygon);
    Run(polygon, {{'c', 200, -200}, {'m', 800, -300}, {'m', 900, -400}, {'c', 900, -400}});
    EXPECT_EQ(Changed(), 0) << "the second vertex takes the line away";
    Run(polygon, {{'m', 1500, -900}, {'m', 1400, -1000}, {'c', 1400, -1000},
                  {'m', 500, -1400}, {'m', 400, -1300}});
    EXPECT_GT(Changed(), 0);
    polygon->Redraw();
    EXPECT_EQ(Changed(), 0);
}

TEST_F(FeedbackPixelsTest, PolygonClicksWithoutMovesDrawNothing) {
    DrawTool* polygon = Tool(kPolygon);
    Run(polygon, {{'c', 200, -200}, {'c', 800, -200}, {'c', 800, -800}, {'c', 200, -800}});
    EXPECT_EQ(Changed(), 0);
    Run(polygon, {{'m', 500, -1200}, {'m', 600, -1300}});
    EXPECT_GT(Changed(), 0);
    polygon->Redraw();
    EXPECT_EQ(Changed(), 0);
}

// After a repaint the host calls Redraw on a fresh sheet; the next move must
// then take that shape away before drawing the new one.
TEST_F(FeedbackPixelsTest, MovesAfterARepaintEraseWhatRedrawDrew) {
    DrawTool* line = Tool(kLine);
    Run(line, {{'c', 100, -100}, {'m', 700, -700}});
    canvas_.Fill(RECT{0, 0, kCanvasWidth, kCanvasHeight}, RGB(255, 255, 255));  // the repaint
    original_ = canvas_.Pixels();
    line->Redraw();
    Run(line, {{'m', 1800, -300}, {'m', 1000, -1100}});
    line->Redraw();
    EXPECT_EQ(Changed(), 0);
}

}  // namespace
