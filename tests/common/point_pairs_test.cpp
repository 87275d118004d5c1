// Appending to two parallel coordinate arrays (a figure's, the polygon
// tool's): both grow or neither does, even when the second array runs out
// of memory.
#include <gtest/gtest.h>

#include <vector>

#include "element_array.h"
#include "point_pairs.h"

namespace {

// An int array with ElementArray's shape that can be told to refuse growth.
class LimitedArray {
public:
    explicit LimitedArray(int limit) : limit_(limit) {}
    int GetCount() const { return static_cast<int>(values_.size()); }
    void Append(const void* element) {
        if (GetCount() < limit_) values_.push_back(*static_cast<const int*>(element));
    }
    void RemoveAt(int index) { values_.erase(values_.begin() + index); }
    void* GetAt(int index) const { return const_cast<int*>(&values_[index]); }
    std::vector<int> values_;

private:
    int limit_;
};

TEST(PointPairsTest, BothArraysGrowOrNeither) {
    struct {
        int xLimit, yLimit;
        bool added;
        std::vector<int> xs, ys;
    } const rows[] = {
        {3, 3, true, {1, 2, 9}, {5, 6, 8}},  // room in both
        {2, 3, false, {1, 2}, {5, 6}},       // xs is full: nothing touched
        {3, 2, false, {1, 2}, {5, 6}},       // ys is full: the x put back
    };
    for (const auto& row : rows) {
        LimitedArray xs(row.xLimit), ys(row.yLimit);
        AppendPair(xs, ys, 1, 5);
        AppendPair(xs, ys, 2, 6);
        EXPECT_EQ(AppendPair(xs, ys, 9, 8), row.added);
        EXPECT_EQ(xs.values_, row.xs);
        EXPECT_EQ(ys.values_, row.ys);
    }
}

TEST(PointPairsTest, WorksOnTheRealArray) {
    ElementArray xs(4), ys(4);
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(AppendPair(xs, ys, i, -i));
    SetPair(xs, ys, 19, 100, -100);
    EXPECT_EQ(xs.GetCount(), 20);
    EXPECT_EQ(ys.GetCount(), 20);
    EXPECT_EQ(ValueAt(xs, 7), 7);
    EXPECT_EQ(ValueAt(ys, 7), -7);
    EXPECT_EQ(ValueAt(xs, 19), 100);
    EXPECT_EQ(ValueAt(ys, 19), -100);
}

}  // namespace
