#include "core/modal_hook.h"

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

}  // namespace

int AskModalHook(const ModalRequest& request) {
    const Hook& hook = TheHook();
    return hook.answer ? hook.answer(&request, hook.context) : 0;
}

}  // namespace tarnwick::port

void SetModalAnswerHook(ModalAnswerHook hook, void* context) {
    tarnwick::port::TheHook() = {hook, context};
}
