// What the canvas paints under the figures, in page units, for both sides
// of the comparison: the sheet (a framed, filled box the size of the page),
// the ruling (a rule every 40 units across and down, inset 2 units from the
// sheet's edges) and the margin line.
#ifndef TARNWICK_BENCH_DRAWSP_PAGE_BACKGROUND_H
#define TARNWICK_BENCH_DRAWSP_PAGE_BACKGROUND_H

#include "page_figures.h"

inline constexpr COLORREF kSheetFrameColour = 0x000000;
inline constexpr COLORREF kSheetColour = 0xE6FFFF;
inline constexpr COLORREF kRuleColour = 0xFFE6E6;
inline constexpr COLORREF kMarginColour = 0xC8C8FF;
inline constexpr int kRuleSpacing = 40;
inline constexpr int kRuleInset = 2;
inline constexpr int kMarginX = 1759;

// Calls line(x1, y1, x2, y2) for each rule: the horizontal ones top down,
// then the vertical ones left to right.
template <class Line>
void ForEachRule(Line line) {
    for (int y = -kRuleSpacing; y > kPageBottom; y -= kRuleSpacing)
        line(kRuleInset, y, kPageWidth - kRuleInset, y);
    for (int x = kRuleSpacing; x < kPageWidth; x += kRuleSpacing)
        line(x, -kRuleInset, x, kPageBottom + kRuleInset);
}

#endif
