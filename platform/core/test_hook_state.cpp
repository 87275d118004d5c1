#include "core/test_hook_state.h"

namespace tarnwick::port {
namespace {

// A hook a test set, with the context it gets back.
template <class Function>
struct Registered {
    Function function = nullptr;
    void* context = nullptr;
};

Registered<ModalAnswerHook>& TheHook() {
    static Registered<ModalAnswerHook> hook;
    return hook;
}

Registered<PaintObserver>& TheObserver() {
    static Registered<PaintObserver> observer;
    return observer;
}

}  // namespace

int AskModalHook(const ModalRequest& request) {
    const auto& hook = TheHook();
    return hook.function ? hook.function(&request, hook.context) : 0;
}

void TellPaintObserver(HWND window) {
    const auto& observer = TheObserver();
    if (observer.function) observer.function(window, observer.context);
}

}  // namespace tarnwick::port

void SetPaintObserver(PaintObserver observer, void* context) {
    tarnwick::port::TheObserver() = {observer, context};
}

void SetModalAnswerHook(ModalAnswerHook hook, void* context) {
    tarnwick::port::TheHook() = {hook, context};
}
