#include "core/test_hook_state.h"

namespace tarnwick::port {
namespace {

struct Hook {
    ModalAnswerHook answer = nullptr;
    void* context = nullptr;
};

Hook& TheHook() {
    static Hook hook;
    return hook;
}

struct Observer {
    PaintObserver observer = nullptr;
    void* context = nullptr;
};

Observer& TheObserver() {
    static Observer observer;
    return observer;
}

}  // namespace

int AskModalHook(const ModalRequest& request) {
    const Hook& hook = TheHook();
    return hook.answer ? hook.answer(&request, hook.context) : 0;
}

void TellPaintObserver(HWND window) {
    const Observer& observer = TheObserver();
    if (observer.observer) observer.observer(window, observer.context);
}

}  // namespace tarnwick::port

void SetPaintObserver(PaintObserver observer, void* context) {
    tarnwick::port::TheObserver() = {observer, context};
}

void SetModalAnswerHook(ModalAnswerHook hook, void* context) {
    tarnwick::port::TheHook() = {hook, context};
}
