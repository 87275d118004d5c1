// Icon 1, the program's icon: a ruled sheet with its margin line and a
// pencil across it, one character a pixel.
#include "resource_parts.h"

namespace {

// Each entry: the pixel's character, a blank, the colour as RRGGBB.
const char* const kPalette[] = {
    "k 000000",  // outline
    "w FFFFE6",  // the sheet, pale yellow as on the canvas
    "b 8080FF",  // rules, darker than on the canvas so they show when small
    "p FF8080",  // the margin line
    "y F0C000",  // pencil body
    "o F0D0A0",  // sharpened wood
    "g 404040",  // the lead
    "m A0A0A0",  // the ferrule
    "e E06080",  // the eraser
    nullptr,
};

const char* const kRows[] = {
    "................................",  // 0
    "...kkkkkkkkkkkkkkkkkkkkkk.......",  // 1
    "...kwwwwwwwwwwwwwwwpwwwwk.......",  // 2
    "...kwwwwwwwwwwwwwwwpwwwwk.......",  // 3
    "...kwwwwwwwwwwwwwwwpwwwwk.......",  // 4
    "...kwbbbbbbbbbbbbbbpbbbwk.......",  // 5
    "...kwwwwwwwwwwwwwwwpwwwwk.......",  // 6
    "...kwwwwwwwwwwwwwwwpwwwwk.......",  // 7
    "...kwwwwwwwwwwwwwwwpwwwwk.......",  // 8
    "...kwbbbbbbbbbbbbbbpbbbwk.......",  // 9
    "...kwwwwwwwwwwwwwwwpwwwwk...kk..",  // 10
    "...kwwwwwwwwwwwwwwwpwwwwk..keek.",  // 11
    "...kwwwwwwwwwwwwwwwpwwwwk.keeeek",  // 12
    "...kwbbbbbbbbbbbbbbpbbbwkkmmeek.",  // 13
    "...kwwwwwwwwwwwwwwwpwwwwkyymmk..",  // 14
    "...kwwwwwwwwwwwwwwwpwwwkyyyyk...",  // 15
    "...kwwwwwwwwwwwwwwwpwwkyyyyk....",  // 16
    "...kwbbbbbbbbbbbbbbpbkyyyyk.....",  // 17
    "...kwwwwwwwwwwwwwwwpkyyyyk......",  // 18
    "...kwwwwwwwwwwwwwwwkyyyyk.......",  // 19
    "...kwwwwwwwwwwwwwwkyyyykk.......",  // 20
    "...kwbbbbbbbbbbbbkyyyykwk.......",  // 21
    "...kwwwwwwwwwwwwkyyyykwwk.......",  // 22
    "...kwwwwwwwwwwwkyyyykwwwk.......",  // 23
    "...kwwwwwwwwwwkyyyykwwwwk.......",  // 24
    "...kwbbbbbbbbkoyyykpbbbwk.......",  // 25
    "...kwwwwwwwwwoooykwpwwwwk.......",  // 26
    "...kwwwwwwwwwgookwwpwwwwk.......",  // 27
    "...kwwwwwwwwggwkwwwpwwwwk.......",  // 28
    "...kwbbbbbbbgbbbbbbpbbbwk.......",  // 29
    "...kkkkkkkkkkkkkkkkkkkkkk.......",  // 30
    "................................",  // 31
};

}  // namespace

const PictureResource kProgramIcon = {32, 32, kRows, kPalette, 0, 0};
