#include "figure.h"

#include "point_pairs.h"

void Figure::AddPoint(int x, int y) { AppendPair(xs_, ys_, x, y); }

void Figure::SetText(const char* text) {
    if (text == nullptr || text[0] == '\0') text = " ";
    text_.Assign(text);
}
