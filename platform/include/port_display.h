// Whether the program can show a window at all. The windowing toolkit under
// the layer ends the process when it cannot reach a display server, so the
// program asks here first, before it opens or creates any file, and can
// say so itself and end in order.
#ifndef TARNWICK_PLATFORM_PORT_DISPLAY_H
#define TARNWICK_PLATFORM_PORT_DISPLAY_H

#include "windef.h"

extern "C++" {

// TRUE when the layer's first window will have somewhere to go: for each
// windowing system the layer would try, in its order (the one named in
// QT_QPA_PLATFORM, or Wayland when the session is a Wayland one, then X),
// a server that accepts a client connection now; or a system that needs
// no server (offscreen, as the tests use). Makes no window and no file.
WINAPI_EXPORT BOOL PortDisplayAvailable();

}  // extern "C++"

#endif
