// What a drawn object holds: its kind, its drawing settings (with the tag
// kept between fillOn and fontHeight, as in the objData header), its points
// and, for a text, the text. Kept apart from the component so that the
// objData codec can read and write it directly.
#ifndef TARNWICK_DRAWSP_FIGURE_H
#define TARNWICK_DRAWSP_FIGURE_H

#include "element_array.h"
#include "text_string.h"
#include "windows.h"

class Figure {
public:
    Figure() : xs_(sizeof(int)), ys_(sizeof(int)) {}

    // Appends to both coordinate arrays or, when memory runs out, to neither.
    void AddPoint(int x, int y);
    int PointCount() const { return xs_.GetCount(); }
    const int* Xs() const { return static_cast<const int*>(xs_.GetData()); }
    const int* Ys() const { return static_cast<const int*>(ys_.GetData()); }

    // An empty or missing text is kept as one space, so a text figure always
    // has something to draw and to encode.
    void SetText(const char* text);
    // Null until the first SetText.
    const char* Text() const { return text_.GetBuffer(); }
    int TextLength() const { return text_.GetLength(); }

    int kind = 0;  // set by its creator at once (SetKind or Decode)
    COLORREF colour = 0;
    int penStyle = 0;
    int penWidth = 0;
    COLORREF fillColour = 0;
    int fillOn = 0;
    int tag = 0;
    int fontHeight = 8;

private:
    Figure(const Figure&) = delete;
    Figure& operator=(const Figure&) = delete;

    ElementArray xs_;
    ElementArray ys_;
    TextString text_;
};

#endif
