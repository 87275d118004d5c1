// What the window system the program runs on leaves to the program. On X11
// (and offscreen) the program places and sizes its top-level windows and
// knows where they are; under a Wayland compositor it does neither: the
// compositor places every top-level window, maximises it to the area its
// own panels leave, and shows surfaces of one pixel per unit enlarged to
// the screen's scale.
#ifndef TARNWICK_PLATFORM_WINDOW_SYSTEM_H
#define TARNWICK_PLATFORM_WINDOW_SYSTEM_H

namespace tarnwick::platform {

// True under a Wayland compositor.
bool CompositorPlacesWindows();

}  // namespace tarnwick::platform

#endif
