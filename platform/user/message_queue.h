// The thread's message queue and the input that reaches it.
//
// While the program's loop waits inside GetMessageA, input from the window
// system (key presses meant for the program's windows, and the canvas's
// mouse) is taken into the queue, so the loop sees every key before any
// control does and can run its accelerators first. At any other time (a
// modal loop runs, or no loop runs at all) input is handled at once.
#ifndef TARNWICK_PLATFORM_USER_MESSAGE_QUEUE_H
#define TARNWICK_PLATFORM_USER_MESSAGE_QUEUE_H

#include <QKeyEvent>

#include <memory>

#include "user/window.h"
#include "windows.h"

namespace tarnwick::user {

// Whether input goes into the queue now.
bool InputGoesToQueue();

// Queues input from the window system. A key press keeps its Qt event and
// widget, so that dispatching it can hand the key on to the control, and
// whether an open list (a dropped-down combo box) had it first.
void QueueInput(const MSG& message, Qt::KeyboardModifiers modifiers);
void QueueKey(MSG message, std::unique_ptr<QKeyEvent> key, QObject* target, bool forOpenList);

// Whether a queued key press was meant for a list that was open when the
// key came, though the key may have closed it since.
bool KeyWasForOpenList(const MSG& message);

// A modal loop (a message box, a modal dialog) holds one of these while it
// runs its own loop, so its keys reach its controls directly.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    int savedWaiting_;
};

// The keyboard modifiers when the message being handled was generated.
Qt::KeyboardModifiers MessageModifiers();
void SetMessageModifiers(Qt::KeyboardModifiers modifiers);

// Hands the key press of the message being dispatched to `window` on to the
// widget it was meant for. False when there is none (the message did not
// come from the keyboard, or was sent rather than dispatched).
bool ReplayDispatchedKey(const Window* window);

// Whether a key event is one the layer itself is handing on, which must not
// be taken into the queue again.
bool IsReplaying();

// Milliseconds since the layer started, for MSG.time.
DWORD MessageTime();

// Starts taking keys into the queue (once, when the first window is made).
void InstallKeyCapture();

}  // namespace tarnwick::user

#endif
