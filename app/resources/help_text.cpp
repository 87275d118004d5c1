// The text of the help dialog: plain text with CR LF line ends, lines of at
// most 54 characters for a fixed-pitch font, in numbered sections whose
// headings are underlined with 54 dashes.
#include "resource_parts.h"

const char kHelpText[] =
    "1. About Tarnwick\r\n"
    "------------------------------------------------------\r\n"
    "Tarnwick is a simple drafting program, meant to\r\n"
    "replace pads of ruled paper: lines, rectangles,\r\n"
    "ellipses, polygons and one-line texts on numbered\r\n"
    "pages.\r\n"
    "\r\n"
    "Everything you enter is stored in the local SQL\r\n"
    "database as soon as it is entered, so there is\r\n"
    "nothing to save. Pages can be printed at their true\r\n"
    "size with the Print button.\r\n"
    "\r\n"
    "2. Keyboard shortcuts\r\n"
    "------------------------------------------------------\r\n"
    "\"Ctrl+1...5\"    line/rectangle/ellipse/text/polygon\r\n"
    "\"T\"             enter a text; a click places it\r\n"
    "\"Home\"          scroll up\r\n"
    "\"End\"           scroll down\r\n"
    "\"Page Up\"       previous page\r\n"
    "\"Page Down\"     next page\r\n"
    "\"Ctrl+G\"        go to a page\r\n"
    "\"Ctrl+Delete\"   delete the current page\r\n"
    "\"Delete\"        delete the temporary lines\r\n"
    "\"F1\"            this help\r\n";
