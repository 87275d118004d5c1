// The hooks that answer modal UI and watch paints in tests (test_hooks.h).
#ifndef TARNWICK_PLATFORM_CORE_MODAL_HOOK_H
#define TARNWICK_PLATFORM_CORE_MODAL_HOOK_H

#include "test_hooks.h"

namespace tarnwick::port {

// The hook's answer, or 0 when there is no hook or it lets the UI show.
int AskModalHook(const ModalRequest& request);
// Tells the paint observer, if any, that a window has painted.
void TellPaintObserver(HWND window);

}  // namespace tarnwick::port

#endif
