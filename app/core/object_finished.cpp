// The host callback of every drawing tool, called from inside the canvas's
// mouse handling with the finished figure (lent for the call).
#include "application.h"

int ObjectFinished(DrawObject* object) {
    TheApplication().AddFinishedFigure(object);
    return 1;
}
