// Where a figure can show on the page: the box its drawn points span, grown
// by its pen, or for a text a generous bound on its size. A click is looked
// at only against figures whose box comes near it, so a full page is never
// drawn whole for one click; what is hit is then decided by drawing.
//
// Boxes are in page units, saturated to 16 bits. Saturating keeps order, so
// a box saturated the same way as the place asked about still meets every
// place it covers: a box may be too large, never too small.
#ifndef TARNWICK_APP_CORE_FIGURE_BOX_H
#define TARNWICK_APP_CORE_FIGURE_BOX_H

#include <cstddef>
#include <cstdint>

struct FigureBox {
    // Empty until something is in it; y grows upwards, as on the page.
    std::int16_t left = 1, bottom = 1, right = 0, top = 0;

    bool Empty() const { return left > right || bottom > top; }
    bool Meets(const FigureBox& other) const {
        return !Empty() && !other.Empty() && left <= other.right && other.left <= right &&
               bottom <= other.top && other.bottom <= top;
    }
};

// The box from x0..x1 and y0..y1 (any order), saturated.
FigureBox BoxBetween(long long x0, long long y0, long long x1, long long y1);

// The box of the figure an objData text decodes to; empty when it draws
// nothing. A text of unknown size (font height 0) gets the largest box.
FigureBox BoxOfObjData(const char* objData);

// The anchor and text of a text figure's objData; false for other kinds.
// `text` points into objData and runs for `length` bytes.
bool TextOfObjData(const char* objData, int& x, int& y, const char*& text, std::size_t& length);

#endif
