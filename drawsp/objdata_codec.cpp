#include "objdata_codec.h"

#include <charconv>
#include <climits>
#include <cstring>

#include "field_reader.h"

namespace {

constexpr int kHeaderFields = 8;
constexpr long long kHeaderAllowance = 40;
constexpr long long kPointAllowance = 20;

// The header in stored order; colours travel as their signed 32-bit value.
void HeaderValues(const Figure& figure, int (&values)[kHeaderFields]) {
    values[0] = figure.kind;
    values[1] = static_cast<int>(figure.colour);
    values[2] = figure.penStyle;
    values[3] = figure.penWidth;
    values[4] = static_cast<int>(figure.fillColour);
    values[5] = figure.fillOn;
    values[6] = figure.tag;
    values[7] = figure.fontHeight;
}

void StoreHeader(const int (&values)[kHeaderFields], Figure& figure) {
    figure.kind = values[0];
    figure.colour = static_cast<COLORREF>(values[1]);
    figure.penStyle = values[2];
    figure.penWidth = values[3];
    figure.fillColour = static_cast<COLORREF>(values[4]);
    figure.fillOn = values[5];
    figure.tag = values[6];
    figure.fontHeight = values[7];
}

bool WritesEveryPoint(int kind) { return (kind >= 1 && kind <= 6) || kind == 8; }
bool IsText(int kind) { return kind == 7; }

// Characters of value followed by its separator.
long long FieldWidth(int value) {
    char digits[16];
    return std::to_chars(digits, digits + sizeof(digits), value).ptr - digits + 1;
}

long long ExactLength(const Figure& figure) {
    int header[kHeaderFields];
    HeaderValues(figure, header);
    long long length = 1;  // the NUL
    for (int value : header) length += FieldWidth(value);
    const int* xs = figure.Xs();
    const int* ys = figure.Ys();
    if (WritesEveryPoint(figure.kind)) {
        for (int i = 0; i < figure.PointCount(); ++i) length += FieldWidth(xs[i]) + FieldWidth(ys[i]);
    } else if (IsText(figure.kind) && figure.PointCount() > 0) {
        length += FieldWidth(xs[0]) + FieldWidth(ys[0]) + figure.TextLength() + 1;
    }
    return length;
}

char* AppendField(char* out, int value) {
    out = std::to_chars(out, out + 16, value).ptr;
    *out = ';';
    return out + 1;
}

// The text field of a kind-7 record: all that follows the anchor, without
// the record's final ";". The text itself may hold separators.
char* TextField(char* rest) {
    std::size_t length = std::strlen(rest);
    if (length > 0 && rest[length - 1] == ';') rest[length - 1] = '\0';
    return rest;
}

}  // namespace

int ObjDataLength(const Figure& figure) {
    long long customary =
        kHeaderAllowance + kPointAllowance * figure.PointCount() + figure.TextLength();
    long long exact = ExactLength(figure);
    long long length = exact > customary ? exact : customary;
    return length > INT_MAX ? -1 : static_cast<int>(length);
}

void WriteObjData(const Figure& figure, char* buffer) {
    int header[kHeaderFields];
    HeaderValues(figure, header);
    char* out = buffer;
    for (int value : header) out = AppendField(out, value);
    const int* xs = figure.Xs();
    const int* ys = figure.Ys();
    if (WritesEveryPoint(figure.kind)) {
        for (int i = 0; i < figure.PointCount(); ++i) {
            out = AppendField(out, xs[i]);
            out = AppendField(out, ys[i]);
        }
    } else if (IsText(figure.kind) && figure.PointCount() > 0) {
        out = AppendField(out, xs[0]);
        out = AppendField(out, ys[0]);
        const int textLength = figure.TextLength();
        if (textLength > 0) std::memcpy(out, figure.Text(), textLength);
        out += textLength;
        *out++ = ';';
    }
    *out = '\0';
}

void ReadObjData(char* text, Figure& figure) {
    FieldReader fields(text);
    // Fields that are missing keep the figure's current values.
    int header[kHeaderFields];
    HeaderValues(figure, header);
    int read = 0;
    for (; read < kHeaderFields; ++read) {
        const char* field = fields.Next();
        if (field == nullptr) break;
        header[read] = FieldReader::Value(field);
    }
    StoreHeader(header, figure);
    if (read < kHeaderFields) return;
    if (WritesEveryPoint(figure.kind)) {
        for (const char* x = fields.Next(); x != nullptr && figure.PointCount() < kMostDecodedPoints;
             x = fields.Next()) {
            const char* y = fields.Next();
            if (y == nullptr) return;  // a lone x is dropped
            figure.AddPoint(FieldReader::Value(x), FieldReader::Value(y));
        }
    } else if (IsText(figure.kind)) {
        const char* x = fields.Next();
        if (x == nullptr) return;
        const char* y = fields.Next();
        if (y == nullptr) return;
        figure.AddPoint(FieldReader::Value(x), FieldReader::Value(y));
        figure.SetText(TextField(fields.Rest()));
    }
}
