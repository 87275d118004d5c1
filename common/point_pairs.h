// Keeping two parallel coordinate arrays the same length. Appending a point
// touches both arrays; when the second cannot grow, the first is put back, so
// a failed append leaves no half-added point behind. Templates over the array
// type so the rollback can be checked with an array that refuses to grow.
#ifndef TARNWICK_COMMON_POINT_PAIRS_H
#define TARNWICK_COMMON_POINT_PAIRS_H

#include <cstring>

// Appends (x, y) to both arrays or to neither; true when it was added.
template <class Array>
bool AppendPair(Array& xs, Array& ys, int x, int y) {
    int xCount = xs.GetCount();
    xs.Append(&x);
    if (xs.GetCount() == xCount) return false;
    int yCount = ys.GetCount();
    ys.Append(&y);
    if (ys.GetCount() != yCount) return true;
    xs.RemoveAt(xCount);
    return false;
}

template <class Array>
void SetPair(Array& xs, Array& ys, int index, int x, int y) {
    std::memcpy(xs.GetAt(index), &x, sizeof x);
    std::memcpy(ys.GetAt(index), &y, sizeof y);
}

template <class Array>
int ValueAt(const Array& values, int index) {
    int value;
    std::memcpy(&value, values.GetAt(index), sizeof value);
    return value;
}

#endif
