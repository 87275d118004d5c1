// The small pictures of the five tools in the host's owner-drawn Tool box.
#ifndef TARNWICK_DRAWTOOLS_TOOL_ICONS_H
#define TARNWICK_DRAWTOOLS_TOOL_ICONS_H

#include "windows.h"
#include "ztoolfactory.h"

// One icon per tool the factory makes.
inline constexpr int kToolCount = kFactoryToolCount;

// Draws the icon of the tool at list position `index` (0..4) inside `item`
// on `dc`; any other index draws nothing. The DC is left as it was found
// and every pen and brush made here is deleted again. 1 when an icon was
// drawn, else 0.
int DrawToolIconInto(HDC dc, const RECT& item, int index);

#endif
