// The values behind the toolbar's boxes: a box's selected index picks its
// entry. The code that fills and draws the boxes and the code that hands the
// settings to the surface both read these tables, so they cannot disagree.
#ifndef TARNWICK_APP_UI_TOOLBAR_VALUES_H
#define TARNWICK_APP_UI_TOOLBAR_VALUES_H

#include <cstddef>
#include <iterator>

#include "windows.h"
#include "ztoolfactory.h"

// Pen widths in page units; there is no 5.
inline constexpr int kLineWidths[] = {1, 2, 3, 4, 6};

// One colour table for both colour boxes. The line colour box offers the
// first kLineColourCount entries; the fill box offers "none" and then all.
inline constexpr COLORREF kColours[] = {
    0x000000,  // black
    0x0000FF,  // red
    0x00FF00,  // green
    0xFF0000,  // blue
    0x00FFFF,  // yellow
    0xFFFF00,  // cyan
    0xFF00FF,  // magenta
    0x000080,  // dark red
    0x008000,  // dark green
    0x800000,  // dark blue
    0x00A4A4,  // olive
    0x808000,  // teal
    0xA400A4,  // purple
    0xFFFFFF,  // white (fill only)
    0xC4C4C4,  // light grey (fill only)
};
inline constexpr int kLineColourCount = 13;
// Entry 0 of the fill box is "no fill"; entry k is colour k - 1.
inline constexpr int kFillEntryCount = 1 + static_cast<int>(std::size(kColours));

inline constexpr int kPenStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};

inline constexpr int kFontPoints[] = {8, 10, 12, 14, 16, 18, 20};

// Entry 0 is "no tool"; entry k is the tool at position k - 1 of the list.
inline constexpr int kToolEntryCount = 1 + kFactoryToolCount;

template <class Value, std::size_t N>
constexpr int EntryCount(const Value (&)[N]) {
    return static_cast<int>(N);
}

// Entry `index` of a table. A box without a selection answers CB_ERR; it
// then counts as its first entry instead of reading outside the table.
template <class Value, std::size_t N>
constexpr Value EntryOf(const Value (&table)[N], LRESULT index) {
    return index >= 0 && index < static_cast<LRESULT>(N) ? table[index] : table[0];
}

// A font size in points as a height in page units (0.1 mm), truncated:
// one point is 0.3528 mm.
constexpr int FontHeightOfPoints(int points) { return points * 3528 / 1000; }

#endif
