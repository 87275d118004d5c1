// Growth one element early in steps of 8, removal and resizing.
#include <gtest/gtest.h>

#include <cstdint>

#include "element_array.h"

namespace {

std::int32_t ValueAt(const ElementArray& array, int index) {
    return *static_cast<const std::int32_t*>(array.GetAt(index));
}

void AppendValues(ElementArray& array, std::initializer_list<std::int32_t> values) {
    for (std::int32_t value : values) array.Append(&value);
}

TEST(ElementArray, StartsEmptyWithoutStorage) {
    ElementArray array;
    EXPECT_EQ(array.GetCount(), 0);
    EXPECT_EQ(array.GetData(), nullptr);
    EXPECT_EQ(array.GetAt(0), nullptr);
    EXPECT_EQ(array.GetElementSize(), 1);
    ElementArray negative(-4);
    EXPECT_EQ(negative.GetElementSize(), 1) << "sizes below 1 become 1";
}

TEST(ElementArray, GrowsOneElementEarlyInStepsOfEight) {
    struct Case {
        int appends;
        int capacityBytes;
    } cases[] = {
        {1, 32},   // the first append allocates 8 elements
        {7, 32},   //
        {8, 60},   // 28 of 32 bytes used: one element of room left, so grow
        {14, 60},  //
        {15, 88},  // grows to 22 elements
        {22, 116},
    };
    for (const Case& c : cases) {
        ElementArray array(4);
        for (std::int32_t i = 0; i < c.appends; ++i) array.Append(&i);
        EXPECT_EQ(array.GetCapacity(), c.capacityBytes) << c.appends << " appends";
        EXPECT_EQ(array.GetCount(), c.appends);
        EXPECT_EQ(ValueAt(array, c.appends - 1), c.appends - 1);
    }
}

TEST(ElementArray, AddressesOnlyElementsInUse) {
    ElementArray array(4);
    AppendValues(array, {10, 20, 30});
    EXPECT_EQ(array.GetCount(), 3);
    EXPECT_EQ(ValueAt(array, 1), 20);
    EXPECT_EQ(array.GetAt(3), nullptr);
    EXPECT_EQ(array.GetAt(-1), nullptr);
}

TEST(ElementArray, RemoveAtShiftsTheRestDown) {
    ElementArray array(4);
    AppendValues(array, {10, 20, 30});
    array.RemoveAt(5);
    array.RemoveAt(-1);
    EXPECT_EQ(array.GetCount(), 3);
    array.RemoveAt(0);
    ASSERT_EQ(array.GetCount(), 2);
    EXPECT_EQ(ValueAt(array, 0), 20);
    EXPECT_EQ(ValueAt(array, 1), 30);
    EXPECT_EQ(array.GetCapacity(), 32) << "capacity is unchanged";
}

TEST(ElementArray, ResizeShrinksGrowsAndFrees) {
    ElementArray array(4);
    AppendValues(array, {10, 20, 30});
    EXPECT_EQ(array.Resize(2), 1);
    EXPECT_EQ(array.GetCount(), 2);
    EXPECT_EQ(array.GetCapacity(), 8);
    EXPECT_EQ(ValueAt(array, 1), 20);
    EXPECT_EQ(array.Resize(10), 1);
    EXPECT_EQ(array.GetCount(), 2) << "growing never changes the count";
    EXPECT_EQ(array.Resize(0), 1);
    EXPECT_EQ(array.GetCount(), 0);
    EXPECT_EQ(array.GetData(), nullptr);
    EXPECT_EQ(array.GetCapacity(), 0);
}

TEST(ElementArray, RefusesASizeBeyondThe32BitCapacity) {
    ElementArray array(8);
    std::int64_t wide = 1;
    array.Append(&wide);
    EXPECT_EQ(array.Resize(0x7FFFFFFF), 0);
    EXPECT_EQ(array.GetCount(), 1) << "nothing changed";
    EXPECT_EQ(array.GetCapacity(), 64);
}

}  // namespace
