// A figure's objData text, as it is stored.
#ifndef TARNWICK_APP_CORE_FIGURE_TEXT_H
#define TARNWICK_APP_CORE_FIGURE_TEXT_H

#include "draw_object.h"
#include "owned_text.h"

// Null when the figure has no encoding (no points) or memory runs out.
OwnedText EncodeFigure(DrawObject* figure);

#endif
