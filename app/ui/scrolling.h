// Scrolling moves the page under the canvas in steps of 16 mm, from the
// page's top edge at the top of the canvas down to its bottom edge 60 mm
// below the top.
#ifndef TARNWICK_APP_UI_SCROLLING_H
#define TARNWICK_APP_UI_SCROLLING_H

#include <algorithm>

constexpr int kScrollStep = 160;
constexpr int kHighestOriginY = 0;
constexpr int kLowestOriginY = -2194;

// The origin a scroll by this step leads to: at either end, the same.
constexpr int OriginAfterScroll(int originY, int step) {
    return std::clamp(originY + step, kLowestOriginY, kHighestOriginY);
}

#endif
