// The text tool against a recording surface: the box that follows the
// pointer, one object per left click, and the text kept across clicks.
#include <vector>

#include "recording_fixture.h"

namespace {

class TextToolTest : public RecordingToolsTest {
protected:
    void SetUp() override {
        RecordingToolsTest::SetUp();
        text_ = Tool(kText);
    }

    DrawTool* text_ = nullptr;
};

TEST_F(TextToolTest, EachLeftClickPlacesTheSameText) {
    text_->SetText("Memo");
    text_->Click(100, -200, 0);
    text_->Click(300, -400, 0);
    ASSERT_EQ(figures_.size(), 2u);
    for (const RecordedFigure& figure : figures_) {
        EXPECT_EQ(figure.kind, 7);
        EXPECT_EQ(figure.text, "Memo");
    }
    EXPECT_EQ(figures_[0].points, (std::vector<int>{100, -200}));
    EXPECT_EQ(figures_[1].points, (std::vector<int>{300, -400}));
    EXPECT_EQ(referencesAtCallback, (std::vector<int>{1, 1}));
}

TEST_F(TextToolTest, ClickBeforeAnyTextPlacesTheEmptyText) {
    text_->Click(5, 6, 0);
    ASSERT_EQ(figures_.size(), 1u);
    EXPECT_TRUE(figures_[0].hasText);
    EXPECT_EQ(figures_[0].text, "");
}

TEST_F(TextToolTest, ResetKeepsTheTextAndThePosition) {
    text_->SetText("kept");
    text_->MouseMove(3, 4);
    EXPECT_EQ(text_->Reset(), 0);
    text_->Redraw();
    EXPECT_EQ(Calls(), "DrawStringBox(3,4,kept,2) DrawStringBox(3,4,kept,2)");
    text_->Click(8, 9, 0);
    ASSERT_EQ(figures_.size(), 1u);
    EXPECT_EQ(figures_[0].text, "kept");
}

TEST_F(TextToolTest, BoxFollowsThePointerWithoutAnyClick) {
    text_->SetText("ab");
    text_->MouseMove(1, 2);
    EXPECT_EQ(Calls(), "DrawStringBox(1,2,ab,2)") << "nothing to erase the first time";
    text_->MouseMove(3, 4);
    EXPECT_EQ(Calls(), "DrawStringBox(1,2,ab,2) DrawStringBox(3,4,ab,2)");
    text_->SetText("abc");
    EXPECT_EQ(Calls(), "") << "a new text neither erases nor redraws";
    text_->Click(3, 4, 0);
    EXPECT_EQ(Calls(), "") << "placing draws nothing";
    text_->MouseMove(5, 6);
    EXPECT_EQ(Calls(), "DrawStringBox(5,6,abc,2)") << "after placing, the repaint owns the old box";
}

TEST_F(TextToolTest, RedrawShowsTheBoxEvenBeforeAnyClick) {
    text_->Redraw();
    EXPECT_EQ(Calls(), "DrawStringBox(0,0,,2)");
}

TEST_F(TextToolTest, RightClicksAndTheTemporarySwitchDoNothing) {
    text_->SetTemporary(1);
    text_->Click(1, 1, 1);
    EXPECT_TRUE(figures_.empty());
    EXPECT_EQ(Calls(), "");
    text_->Click(1, 1, 0);
    ASSERT_EQ(figures_.size(), 1u);
    EXPECT_EQ(figures_[0].kind, 7);
}

TEST_F(TextToolTest, NoObjectFromTheSurfacePlacesNothing) {
    surface_.refuseObjects = true;
    text_->Click(1, 1, 0);
    surface_.refuseObjects = false;
    EXPECT_TRUE(figures_.empty());
    text_->Finish();
    EXPECT_TRUE(figures_.empty()) << "back to following: nothing left to place";
}

}  // namespace
