// The polygon tool against a recording surface: vertices in click order,
// the moving point left out of the object, right clicks that complete only
// with three vertices, and the switch from a feedback line to a polygon.
#include <vector>

#include "recording_fixture.h"

namespace {

class PolygonToolTest : public RecordingToolsTest {
protected:
    void SetUp() override {
        RecordingToolsTest::SetUp();
        polygon_ = Tool(kPolygon);
    }

    void LeftClicks(const std::vector<int>& points) {
        for (std::size_t i = 0; i + 1 < points.size(); i += 2) polygon_->Click(points[i], points[i + 1], 0);
    }

    DrawTool* polygon_ = nullptr;
};

TEST_F(PolygonToolTest, RightClickCompletesWithTheFixedVerticesOnly) {
    LeftClicks({0, 0, 100, 0, 100, -100});
    polygon_->MouseMove(40, -70);
    polygon_->Click(5, -5, 1);
    ASSERT_EQ(figures_.size(), 1u);
    EXPECT_EQ(figures_[0].kind, 3);
    EXPECT_EQ(figures_[0].points, (std::vector<int>{0, 0, 100, 0, 100, -100}))
        << "neither the moving point nor the right click is a vertex";
    EXPECT_EQ(referencesAtCallback, std::vector<int>{1});
    Calls();
    polygon_->MouseMove(1, 1);
    polygon_->Redraw();
    EXPECT_EQ(Calls(), "") << "idle afterwards";
}

TEST_F(PolygonToolTest, RightClickNeedsThreeVertices) {
    struct {
        int leftClicks;
        std::size_t objects;
    } const rows[] = {
        {0, 0},  // idle: nothing happens
        {1, 0},  // a single vertex stays open
        {2, 0},  // two vertices stay open
        {3, 1},  // a triangle
        {4, 1},  // a quadrilateral
    };
    for (const auto& row : rows) {
        for (int i = 0; i < row.leftClicks; ++i) polygon_->Click(i * 10, i * i, 0);
        polygon_->Click(99, 99, 1);
        EXPECT_EQ(figures_.size(), row.objects) << row.leftClicks << " left clicks";
        if (row.objects == 1) {
            EXPECT_EQ(figures_[0].points.size(), 2u * row.leftClicks);
        }
        figures_.clear();
        polygon_->Reset();
    }
}

TEST_F(PolygonToolTest, OpenPolygonGrowsPastAFailedRightClick) {
    LeftClicks({0, 0, 10, 0});
    polygon_->Click(0, 0, 1);
    LeftClicks({10, 10});
    polygon_->Click(0, 0, 1);
    ASSERT_EQ(figures_.size(), 1u);
    EXPECT_EQ(figures_[0].points, (std::vector<int>{0, 0, 10, 0, 10, 10}));
}

TEST_F(PolygonToolTest, FourClicksWithoutMovesGiveFourVerticesAtTheClicks) {
    LeftClicks({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(Calls(), "") << "nothing was on the screen, so nothing is drawn";
    polygon_->Click(0, 0, 1);
    ASSERT_EQ(figures_.size(), 1u);
    EXPECT_EQ(figures_[0].points, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(PolygonToolTest, FeedbackTurnsFromLineToPolygonAtTheSecondVertex) {
    polygon_->Click(0, 0, 0);
    EXPECT_EQ(Calls(), "");
    polygon_->MouseMove(50, 0);
    EXPECT_EQ(Calls(), "DrawLine(0,0,50,0,2)");
    polygon_->MouseMove(100, 0);
    EXPECT_EQ(Calls(), "DrawLine(0,0,50,0,2) DrawLine(0,0,100,0,2)");
    polygon_->Click(100, 0, 0);
    EXPECT_EQ(Calls(), "DrawLine(0,0,100,0,2)") << "the line is taken away";
    polygon_->MouseMove(100, -100);
    EXPECT_EQ(Calls(), "DrawPolygon(0,0,100,0,100,-100,2)") << "nothing left to erase";
    polygon_->MouseMove(50, -50);
    EXPECT_EQ(Calls(), "DrawPolygon(0,0,100,0,100,-100,2) DrawPolygon(0,0,100,0,50,-50,2)");
    polygon_->Click(50, -50, 0);
    EXPECT_EQ(Calls(), "") << "later vertices leave the feedback as it is";
    polygon_->MouseMove(0, -60);
    EXPECT_EQ(Calls(),
              "DrawPolygon(0,0,100,0,50,-50,50,-50,2) DrawPolygon(0,0,100,0,50,-50,0,-60,2)");
    polygon_->Redraw();
    EXPECT_EQ(Calls(), "DrawPolygon(0,0,100,0,50,-50,0,-60,2)");
}

TEST_F(PolygonToolTest, ResetEmptiesTheVerticesAndTheNextClickStartsAgain) {
    LeftClicks({0, 0, 10, 0, 10, 10});
    polygon_->MouseMove(5, 5);
    Calls();
    EXPECT_EQ(polygon_->Reset(), 0);
    EXPECT_EQ(Calls(), "") << "the feedback is left to the next repaint";
    polygon_->Click(0, 0, 1);
    EXPECT_TRUE(figures_.empty()) << "nothing left to complete";
    polygon_->Click(50, 50, 0);
    polygon_->MouseMove(60, 50);
    EXPECT_EQ(Calls(), "DrawLine(50,50,60,50,2)") << "a new polygon from the new click";
}

TEST_F(PolygonToolTest, NoObjectFromTheSurfaceKeepsThePolygonOpen) {
    LeftClicks({0, 0, 10, 0, 10, 10});
    surface_.refuseObjects = true;
    polygon_->Click(0, 0, 1);
    EXPECT_TRUE(figures_.empty());
    surface_.refuseObjects = false;
    polygon_->Click(0, 0, 1);
    ASSERT_EQ(figures_.size(), 1u);
    EXPECT_EQ(figures_[0].points, (std::vector<int>{0, 0, 10, 0, 10, 10}));
}

}  // namespace
