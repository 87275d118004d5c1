// A module's resources written down in C++, as a resource script would
// state them: dialog templates, accelerator tables, icons and cursors. The
// program hands its table to the layer once, before it loads any of them;
// LoadCursorA, LoadIconA, LoadAcceleratorsA and CreateDialogParamA then find
// them by module and numeric id (MAKEINTRESOURCEA).
#ifndef TARNWICK_PLATFORM_RESOURCE_SCRIPT_H
#define TARNWICK_PLATFORM_RESOURCE_SCRIPT_H

#include "windef.h"
#include "winuser.h"

#define RT_CURSOR 1
#define RT_ICON 3
#define RT_DIALOG 5
#define RT_ACCELERATOR 9

// One control of a dialog template. Classes are "STATIC", "BUTTON", "EDIT"
// and "COMBOBOX"; positions and sizes are dialog units. WS_CHILD is implied.
struct DialogItemResource {
    const char* className;
    const char* text;  // UTF-8, may be null
    WORD id;           // 0xFFFF for controls without an id
    DWORD style;
    short x, y, cx, cy;
};

// A dialog template: style, size in dialog units, caption, and the font the
// dialog units are measured in (with DS_SETFONT).
struct DialogResource {
    DWORD style;
    short x, y, cx, cy;
    const char* caption;
    WORD pointSize;
    const char* faceName;
    const DialogItemResource* items;
    int itemCount;
};

struct AcceleratorResource {
    const ACCEL* entries;
    int count;
};

// A picture as rows of characters, one a pixel. Icons name their colours in
// a palette of entries "k RRGGBB" (the character, a space, the colour as red,
// green and blue in hex); '.' is transparent. Cursors are monochrome: '.'
// transparent, '#' black, 'o' white, 'x' inverts the screen under it.
struct PictureResource {
    int width;
    int height;
    const char* const* rows;
    const char* const* palette;  // icons only; null-terminated
    int hotSpotX;                // cursors only
    int hotSpotY;
};

struct ResourceEntry {
    WORD type;  // RT_DIALOG, RT_ACCELERATOR, RT_ICON or RT_CURSOR
    WORD id;
    const void* data;  // DialogResource, AcceleratorResource or PictureResource
};

extern "C++" {

// Hands a module's resources to the layer; the table must outlive the
// module's windows. A second call for the same module replaces the first.
WINAPI_EXPORT BOOL RegisterModuleResources(HMODULE module, const ResourceEntry* entries, int count);

}  // extern "C++"

#endif
