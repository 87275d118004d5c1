// The host callback of every drawing tool, called from inside the canvas's
// mouse handling with the finished figure (lent for the call).
#include "application.h"

int ObjectFinished(DrawObject* object) {
    Application& application = TheApplication();
    if (application.pageObjects != nullptr && object != nullptr) {
        // The list takes its own reference; the tool drops its creation
        // reference once this returns.
        application.pageObjects->AddTail(object);
        application.SaveObject(object);
    }
    return InvalidateRect(application.canvasWindow, nullptr, TRUE);
}
