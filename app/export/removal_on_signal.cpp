#include "removal_on_signal.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The handler may use only what is safe in a signal handler: the path is
// kept in static storage, written before the handler is installed.
char pendingPath[4096];
constexpr std::size_t kSignalCount = sizeof kSignals / sizeof kSignals[0];
struct sigaction previous[kSignalCount];
bool caught[kSignalCount] = {};

void RemoveAndEnd(int signalNumber) {
    unlink(pendingPath);
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}

}  // namespace

void RemoveOnSignal(const char* path) {
    ForgetRemovalOnSignal();
    if (std::strlen(path) >= sizeof pendingPath) return;
    std::strcpy(pendingPath, path);
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kSignals) sigaddset(&action.sa_mask, signalNumber);
    // A signal the process ignores (SIGHUP under nohup) stays ignored.
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        caught[i] = sigaction(kSignals[i], nullptr, &previous[i]) == 0 && previous[i].sa_handler != SIG_IGN &&
                    sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

void ForgetRemovalOnSignal() {
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        if (caught[i]) sigaction(kSignals[i], &previous[i], nullptr);
        caught[i] = false;
    }
}
