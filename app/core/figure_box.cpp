#include "figure_box.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "field_reader.h"

namespace {

constexpr int kHeaderFields = 8;
// A decoded figure keeps no more points than this; more are never drawn.
constexpr int kMostPoints = 65536;
// A text is never wider than this many font heights per byte, nor taller
// than this many per line (accents above, descenders below included).
constexpr long long kTextEmsPerByte = 2;
constexpr long long kTextEmsPerLine = 2;
// Keeps products of sizes well inside 64 bits.
constexpr long long kLargestSize = 1LL << 24;

std::int16_t Saturated(long long value) {
    return static_cast<std::int16_t>(std::clamp<long long>(value, INT16_MIN, INT16_MAX));
}

// The header fields in stored order: kind, colour, penStyle, penWidth,
// fillColour, fillOn, tag, fontHeight. A header cut short leaves the figure
// without points, so it draws nothing.
bool ReadHeader(FieldWalker& fields, int (&header)[kHeaderFields]) {
    for (int& value : header) {
        const char* field = fields.Next();
        if (field == nullptr) return false;
        value = FieldReader::Value(field);
    }
    return true;
}

enum Field { kKind = 0, kPenWidth = 3, kFontHeight = 7 };

// The points a kind draws: how many of the first ones (0: all) and how
// many it needs before it draws anything.
struct DrawnPoints {
    int kind;
    int used;
    int needed;
};

constexpr DrawnPoints kDrawnPoints[] = {
    {1, 2, 2},  // line: its two ends
    {3, 0, 3},  // polygon: every vertex
    {4, 2, 2},  // ellipse: centre, then the radii
    {6, 2, 2},  // rectangle: opposite corners
    {8, 2, 2},  // temporary line
};

const DrawnPoints* DrawnPointsOf(int kind) {
    for (const DrawnPoints& points : kDrawnPoints) {
        if (points.kind == kind) return &points;
    }
    return nullptr;
}

struct Span {
    long long low = LLONG_MAX, high = LLONG_MIN;
    void Take(long long value) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
};

FigureBox GrownBox(const Span& xs, const Span& ys, long long by) {
    if (xs.low > xs.high) return FigureBox{};
    return BoxBetween(xs.low - by, ys.low - by, xs.high + by, ys.high + by);
}

// Wide pens are centred on the outline with round ends and joins, so half
// their width reaches past the points; a unit more covers rounding.
long long PenReach(int kind, int penWidth) {
    if (kind == 8 || penWidth <= 0) return 1;
    return penWidth / 2 + 1;
}

FigureBox BoxOfPoints(FieldWalker& fields, const DrawnPoints& drawn, int penWidth) {
    long long xs[2] = {0, 0}, ys[2] = {0, 0};
    Span xSpan, ySpan;
    int count = 0;
    const int used = drawn.used == 0 ? kMostPoints : drawn.used;
    for (const char* x = fields.Next(); x != nullptr && count < used; x = fields.Next()) {
        const char* y = fields.Next();
        if (y == nullptr) break;
        if (count < 2) {
            xs[count] = FieldReader::Value(x);
            ys[count] = FieldReader::Value(y);
        }
        xSpan.Take(FieldReader::Value(x));
        ySpan.Take(FieldReader::Value(y));
        ++count;
    }
    if (count < drawn.needed) return FigureBox{};
    const long long reach = PenReach(drawn.kind, penWidth);
    if (drawn.kind != 4) return GrownBox(xSpan, ySpan, reach);
    // The ellipse's box is its centre give or take its radii, either sign.
    return GrownBox(Span{xs[0] - std::llabs(xs[1]), xs[0] + std::llabs(xs[1])},
                    Span{ys[0] - std::llabs(ys[1]), ys[0] + std::llabs(ys[1])}, reach);
}

FigureBox BoxOfText(long long x, long long y, const char* text, std::size_t length, int fontHeight) {
    // A height of 0 is the font's default size, which does not follow the
    // page's scale: no bound holds, so it is a candidate everywhere.
    if (fontHeight == 0) return BoxBetween(LLONG_MIN / 2, LLONG_MIN / 2, LLONG_MAX / 2, LLONG_MAX / 2);
    const long long em = std::min<long long>(std::llabs(static_cast<long long>(fontHeight)), kLargestSize);
    const long long bytes = std::min<long long>(static_cast<long long>(length), kLargestSize) + 1;
    const long long lines = std::min<long long>(std::count(text, text + length, '\n'), kLargestSize) + 1;
    return BoxBetween(x - em, y - lines * kTextEmsPerLine * em, x + bytes * kTextEmsPerByte * em,
                      y + lines * kTextEmsPerLine * em);
}

}  // namespace

FigureBox BoxBetween(long long x0, long long y0, long long x1, long long y1) {
    FigureBox box;
    box.left = Saturated(std::min(x0, x1));
    box.right = Saturated(std::max(x0, x1));
    box.bottom = Saturated(std::min(y0, y1));
    box.top = Saturated(std::max(y0, y1));
    return box;
}

FigureBox BoxOfObjData(const char* objData) {
    if (objData == nullptr) return FigureBox{};
    FieldWalker fields(objData);
    int header[kHeaderFields];
    if (!ReadHeader(fields, header)) return FigureBox{};
    if (const DrawnPoints* drawn = DrawnPointsOf(header[kKind])) {
        return BoxOfPoints(fields, *drawn, header[kPenWidth]);
    }
    int x = 0, y = 0;
    const char* text = nullptr;
    std::size_t length = 0;
    if (!TextOfObjData(objData, x, y, text, length)) return FigureBox{};
    return BoxOfText(x, y, text, length, header[kFontHeight]);
}

// The text runs from after the anchor to the record's final ";", and may
// hold separators itself.
bool TextOfObjData(const char* objData, int& x, int& y, const char*& text, std::size_t& length) {
    if (objData == nullptr) return false;
    FieldWalker fields(objData);
    int header[kHeaderFields];
    if (!ReadHeader(fields, header) || header[kKind] != 7) return false;
    const char* xField = fields.Next();
    const char* yField = xField != nullptr ? fields.Next() : nullptr;
    if (yField == nullptr) return false;
    x = FieldReader::Value(xField);
    y = FieldReader::Value(yField);
    text = fields.Rest();
    length = std::strlen(text);
    if (length > 0 && text[length - 1] == ';') --length;
    return true;
}
