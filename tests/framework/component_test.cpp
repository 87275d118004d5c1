// The reference-counting contract every component follows, checked on a
// minimal component and on a real one made by a library.
#include <gtest/gtest.h>

#include "component.h"
#include "component_loader.h"
#include "counting_component.h"
#include "zlinklist.h"

namespace {

int destroyedWidgets = 0;

class Widget final : public ComponentObject<Widget, ComponentInterface> {
public:
    explicit Widget(ComponentInterface* outer) : ComponentObject(outer) {}

private:
    friend class ComponentObject<Widget, ComponentInterface>;
    ~Widget() { ++destroyedWidgets; }
};

TEST(ComponentObject, TakesOneReferenceOnItsOuterAtConstruction) {
    CountingComponent outer;
    auto* widget = new Widget(&outer);
    EXPECT_EQ(outer.addRefs, 1);
    EXPECT_EQ(outer.releases, 0);
    EXPECT_EQ(widget->ReferenceCount(), 1u);
    widget->Release();
}

TEST(ComponentObject, ForwardsEveryReferenceAndGivesAllBack) {
    CountingComponent outer;
    destroyedWidgets = 0;
    auto* widget = new Widget(&outer);
    const int extra = 3;
    for (int i = 0; i < extra; ++i) widget->AddRef();
    EXPECT_EQ(outer.addRefs, extra + 1);
    for (int i = 0; i < extra; ++i) widget->Release();
    EXPECT_EQ(destroyedWidgets, 0) << "destroyed before its last reference";
    EXPECT_EQ(outer.Outstanding(), 1) << "the construction reference stays until the end";
    widget->Release();
    EXPECT_EQ(destroyedWidgets, 1);
    EXPECT_EQ(outer.addRefs, extra + 1);
    EXPECT_EQ(outer.releases, extra + 1);
}

TEST(ComponentObject, WithoutOuterGoesAtFirstRelease) {
    destroyedWidgets = 0;
    auto* widget = new Widget(nullptr);
    widget->Release();
    EXPECT_EQ(destroyedWidgets, 1);
}

// A component from a real library, made with a counting outer through the
// library's own export, follows the same contract.
TEST(ComponentObject, LibraryComponentForwardsToTheOuterItWasGiven) {
    ComponentLoader loader;
    ComponentInterface* loadedThrough = loader.CreateComponent("ZUtilitiesCOM.DLL", "ZLinklistCOM", 100);
    ASSERT_NE(loadedThrough, nullptr);
    loadedThrough->Release();
    LoadedLibrary* record = loader.FindLibrary("ZUtilitiesCOM.DLL");
    ASSERT_NE(record, nullptr);
    CountingComponent outer;
    auto* list = static_cast<ZLinklistCOM*>(record->Entry()("ZLinklistCOM", 100, &outer));
    ASSERT_NE(list, nullptr);
    list->AddRef();
    list->Release();
    EXPECT_EQ(outer.Outstanding(), 1);
    list->Release();
    EXPECT_EQ(outer.addRefs, 2);
    EXPECT_EQ(outer.releases, 2);
    loader.UnloadAll(0);
}

}  // namespace
