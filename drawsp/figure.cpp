#include "figure.h"

void Figure::AddPoint(int x, int y) {
    const int before = xs_.GetCount();
    xs_.Append(&x);
    if (xs_.GetCount() == before) return;
    ys_.Append(&y);
    if (ys_.GetCount() == before) xs_.RemoveAt(before);
}

void Figure::SetText(const char* text) {
    if (text == nullptr || text[0] == '\0') text = " ";
    text_.Assign(text);
}
