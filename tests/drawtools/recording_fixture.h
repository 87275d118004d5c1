// The tools attached to a recording surface, with a callback that copies
// out each figure it is lent and notes the reference count it arrived with.
#ifndef TARNWICK_TESTS_DRAWTOOLS_RECORDING_FIXTURE_H
#define TARNWICK_TESTS_DRAWTOOLS_RECORDING_FIXTURE_H

#include "recording_surface.h"
#include "tools_fixture.h"

class RecordingToolsTest : public ToolsTest {
protected:
    void SetUp() override {
        ToolsTest::SetUp();
        received_ = &figures_;
        referencesAtCallback_ = &referencesAtCallback;
        for (int index = kLine; index <= kPolygon; ++index) Tool(index)->Attach(&surface_, Receive);
    }

    void TearDown() override {
        ToolsTest::TearDown();
        EXPECT_EQ(surface_.references, 0) << "a tool kept the surface";
        EXPECT_EQ(surface_.liveObjects, 0) << "an object was not released";
        received_ = nullptr;
    }

    static int Receive(DrawObject* object) {
        RecordingObject* recorded = static_cast<RecordingObject*>(object);
        received_->push_back(recorded->figure);
        referencesAtCallback_->push_back(recorded->references);
        return 0;
    }

    std::string Calls() { return surface_.TakeCalls(); }

    RecordingSurface surface_;
    std::vector<RecordedFigure> figures_;
    std::vector<int> referencesAtCallback;

    static inline std::vector<RecordedFigure>* received_ = nullptr;
    static inline std::vector<int>* referencesAtCallback_ = nullptr;
};

#endif
