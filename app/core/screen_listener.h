// How the record and its page store tell the screen what changed, without
// knowing windows: the window side implements this and hands it over when
// the main window is made.
#ifndef TARNWICK_APP_CORE_SCREEN_LISTENER_H
#define TARNWICK_APP_CORE_SCREEN_LISTENER_H

#include "draw_object.h"

class ScreenListener {
public:
    // What lies under the page's figures or the figures themselves changed
    // as a whole (a page shown, deleted, a change undone): draw it all again.
    virtual void PageChanged() = 0;
    // One figure joined the top of the page on screen.
    virtual void FigureAdded(DrawObject* figure) = 0;
    // The figure at the top of the page on screen went; the rest is as it
    // was.
    virtual void TopFigureRemoved() = 0;
    // What the store could not do changed; the caption says it.
    virtual void CaptionChanged(const char* caption) = 0;

protected:
    ~ScreenListener() = default;
};

#endif
