// Bringing 64-bit results back into int.
#include <gtest/gtest.h>

#include <climits>

#include "saturated_int.h"

namespace {

TEST(SaturatedInt, StopsAtTheEndsOfInt) {
    struct Case {
        long long value;
        int expected;
    } const cases[] = {
        {0, 0},
        {-12345, -12345},
        {INT_MAX, INT_MAX},                               // the ends themselves stay
        {INT_MIN, INT_MIN},
        {static_cast<long long>(INT_MAX) + 1, INT_MAX},   // just beyond
        {static_cast<long long>(INT_MIN) - 1, INT_MIN},
        {-static_cast<long long>(INT_MIN), INT_MAX},      // the lowest int negated
        {LLONG_MAX, INT_MAX},
        {LLONG_MIN, INT_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(SaturatedInt(c.value), c.expected) << c.value;
}

}  // namespace
