// The objData text of a figure, as the page store keeps it:
//   header: kind;colour;penStyle;penWidth;fillColour;fillOn;tag;fontHeight;
//   kinds 1 to 6 and 8: x;y; of every point
//   kind 7: x;y; of the anchor, the text written raw, then ";"
//   other kinds: the header alone.
// Every value is a signed decimal. A text may itself contain ";": its field
// runs from the anchor's y to the record's final ";".
#ifndef TARNWICK_DRAWSP_OBJDATA_CODEC_H
#define TARNWICK_DRAWSP_OBJDATA_CODEC_H

#include "figure.h"

// The buffer size to ask callers for: 40 + 20 per point + the text's length,
// the figure the store and its callers are used to, unless the actual text
// (NUL included) is longer, as with values far outside a page. Beyond the
// range of int the result is -1: such a figure cannot be encoded.
int ObjDataLength(const Figure& figure);

// Writes the NUL-terminated objData text. The buffer holds at least
// ObjDataLength(figure) bytes, and the text never needs more.
void WriteObjData(const Figure& figure, char* buffer);

// A figure drawn by hand has a few hundred points at most; a row with more
// than this is damage or mischief, and drawing it whole on every repaint
// would freeze the window.
inline constexpr int kMostDecodedPoints = 65536;

// Reads an objData text into the figure, cutting the text up in place. It
// never fails: it stops at the first missing field, keeping what it read;
// points are added to those the figure already has, up to
// kMostDecodedPoints in all.
void ReadObjData(char* text, Figure& figure);

#endif
