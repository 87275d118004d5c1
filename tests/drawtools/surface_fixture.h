// The tools attached to the real drawing surface from ZDrawSp.DLL, drawing
// into a memory device context under the canvas's page mapping, with a
// callback that writes down each object it is lent as its objData text.
#ifndef TARNWICK_TESTS_DRAWTOOLS_SURFACE_FIXTURE_H
#define TARNWICK_TESTS_DRAWTOOLS_SURFACE_FIXTURE_H

#include <string>
#include <vector>

#include "memory_canvas.h"
#include "tools_fixture.h"
#include "zdrawsp.h"

class SurfaceToolsTest : public ToolsTest {
protected:
    void SetUp() override {
        ToolsTest::SetUp();
        surface_ = static_cast<ZDrawSp*>(loader_.CreateComponent("ZDrawSp.DLL", "ZDrawSp", 100));
        ASSERT_NE(surface_, nullptr);
        ASSERT_TRUE(canvas_.Open(kCanvasWidth, kCanvasHeight)) << "no memory device context";
        canvas_.UsePageMapping();
        surface_->SetDC(canvas_.dc());
        received_ = &encoded_;
        for (int index = kLine; index <= kPolygon; ++index) Tool(index)->Attach(surface_, Receive);
    }

    void TearDown() override {
        if (tools_ != nullptr) tools_->Release();
        tools_ = nullptr;
        if (surface_ != nullptr) surface_->Release();
        canvas_.Close();
        received_ = nullptr;
        ToolsTest::TearDown();
    }

    // The objData text of the object, as the page store would write it.
    static std::string EncodeObject(DrawObject* object) {
        int length = 0;
        object->Encode(nullptr, &length);
        std::string text(static_cast<std::size_t>(length), '\0');
        if (object->Encode(text.data(), &length) == 0) return "(not encoded)";
        text.resize(text.find('\0'));
        return text;
    }

    static int Receive(DrawObject* object) {
        received_->push_back(EncodeObject(object));
        return 0;
    }

    static constexpr int kCanvasWidth = 160;
    static constexpr int kCanvasHeight = 120;

    ZDrawSp* surface_ = nullptr;
    MemoryCanvas canvas_;
    std::vector<std::string> encoded_;

    static inline std::vector<std::string>* received_ = nullptr;
};

#endif
