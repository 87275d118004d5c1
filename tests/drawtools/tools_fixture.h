// Loads ZDrawTools.DLL and ZUtilitiesCOM.DLL through the loader as the host
// does, lets the factory fill a list with the tools, and checks at the end
// that every component made during the test was released again.
#ifndef TARNWICK_TESTS_DRAWTOOLS_TOOLS_FIXTURE_H
#define TARNWICK_TESTS_DRAWTOOLS_TOOLS_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "component_loader.h"
#include "draw_tool.h"
#include "zlinklist.h"
#include "ztoolfactory.h"

// List positions of the tools.
enum ToolIndex { kLine = 0, kRectangle = 1, kEllipse = 2, kText = 3, kPolygon = 4 };

class ToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        factory_ = static_cast<ZToolFactory*>(
            loader_.CreateComponent("ZDrawTools.DLL", "ZToolFactory", 100));
        tools_ = static_cast<ZLinklistCOM*>(
            loader_.CreateComponent("ZUtilitiesCOM.DLL", "ZLinklistCOM", 100));
        ASSERT_NE(factory_, nullptr);
        ASSERT_NE(tools_, nullptr);
        factory_->CreateTools(tools_);
    }

    void TearDown() override {
        if (tools_ != nullptr) tools_->Release();
        if (factory_ != nullptr) factory_->Release();
        for (const char* file : {"ZDrawTools.DLL", "ZUtilitiesCOM.DLL", "ZDrawSp.DLL"}) {
            LoadedLibrary* record = loader_.FindLibrary(file);
            if (record != nullptr) {
                EXPECT_EQ(record->ReferenceCount(), 1u) << file << " still in use";
            }
        }
        loader_.UnloadAll(0);
    }

    // Borrowed from the list, which owns the tools.
    DrawTool* Tool(int index) {
        ComponentInterface* item = tools_->First();
        for (int i = 0; i < index && item != nullptr; ++i) item = tools_->Next();
        return static_cast<DrawTool*>(item);
    }

    ComponentLoader loader_;
    ZToolFactory* factory_ = nullptr;
    ZLinklistCOM* tools_ = nullptr;
};

#endif
