// The vector takes over the references it is given and releases them in
// index order when it goes.
#include <string>
#include <vector>

#include "counting_component.h"
#include "utilities_fixture.h"
#include "zvector.h"

namespace {

class VectorTest : public UtilitiesTest {
protected:
    void SetUp() override {
        vector_ = Make<ZVectorCOM>("ZVectorCOM");
        ASSERT_NE(vector_, nullptr);
    }
    void TearDown() override {
        if (vector_ != nullptr) vector_->Release();
        UtilitiesTest::TearDown();
    }

    void AddAll() {
        for (ComponentInterface* item : items_) vector_->Add(&item);
    }

    std::vector<std::string> releaseLog_;
    CountingComponent a_{&releaseLog_, "A"}, b_{&releaseLog_, "B"}, c_{&releaseLog_, "C"};
    ComponentInterface* items_[3] = {&a_, &b_, &c_};
    ZVectorCOM* vector_ = nullptr;
};

TEST_F(VectorTest, AddTakesOverWithoutAddRef) {
    AddAll();
    EXPECT_EQ(vector_->GetCount(), 3);
    ASSERT_NE(vector_->GetAt(2), nullptr);
    EXPECT_EQ(*vector_->GetAt(2), &c_);
    EXPECT_EQ(vector_->GetData()[0], &a_);
    EXPECT_EQ(vector_->GetAt(3), nullptr);
    EXPECT_EQ(vector_->GetAt(-1), nullptr);
    EXPECT_EQ(a_.addRefs + b_.addRefs + c_.addRefs, 0);
}

TEST_F(VectorTest, LastReleaseReleasesElementsInIndexOrder) {
    AddAll();
    vector_->Release();
    vector_ = nullptr;
    EXPECT_EQ(releaseLog_, (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(VectorTest, NullAddressAndReservedChangeNothing) {
    vector_->Add(nullptr);
    vector_->Reserved(12345);
    EXPECT_EQ(vector_->GetCount(), 0);
    EXPECT_EQ(vector_->GetData(), nullptr);
}

TEST_F(VectorTest, ResizeDropsElementsWithoutReleasingThem) {
    AddAll();
    EXPECT_EQ(vector_->Resize(1), 1);
    EXPECT_EQ(vector_->GetCount(), 1);
    EXPECT_EQ(*vector_->GetAt(0), &a_);
    EXPECT_EQ(b_.releases + c_.releases, 0);
    EXPECT_EQ(vector_->Resize(0), 1);
    EXPECT_EQ(vector_->GetCount(), 0);
    EXPECT_EQ(vector_->GetData(), nullptr);
    EXPECT_EQ(a_.releases, 0);
}

TEST_F(VectorTest, HoldsManyPointersIntact) {
    std::vector<CountingComponent> many(50);
    for (CountingComponent& item : many) {
        ComponentInterface* pointer = &item;
        vector_->Add(&pointer);
    }
    ASSERT_EQ(vector_->GetCount(), 50);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(*vector_->GetAt(i), &many[i]);
    vector_->Release();
    vector_ = nullptr;
    for (CountingComponent& item : many) EXPECT_EQ(item.releases, 1);
}

}  // namespace
