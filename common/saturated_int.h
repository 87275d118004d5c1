// A 64-bit result brought back into int: values beyond int's range stop at
// its ends instead of wrapping. Coordinates far outside any page reach GDI
// this way without overflowing on the way.
#ifndef TARNWICK_COMMON_SATURATED_INT_H
#define TARNWICK_COMMON_SATURATED_INT_H

#include <algorithm>
#include <climits>

inline int SaturatedInt(long long value) {
    return static_cast<int>(std::clamp(value, static_cast<long long>(INT_MIN),
                                       static_cast<long long>(INT_MAX)));
}

#endif
