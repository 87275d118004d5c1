#include "user/message_queue.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>

#include <deque>

#include "core/qt_application.h"

namespace tarnwick::user {
namespace {

// A key press waiting in the queue: the window system's event and the
// widget it was meant for, found again through MSG.lPrivate.
struct QueuedKey {
    DWORD serial = 0;
    std::unique_ptr<QKeyEvent> event;
    QPointer<QObject> target;
    bool forOpenList = false;
};

struct QueuedMessage {
    MSG message;
    Qt::KeyboardModifiers modifiers;
};

// Keys taken but never dispatched (an accelerator ate them) are forgotten
// after this many newer ones.
constexpr std::size_t kKeptKeys = 64;

struct Queue {
    std::deque<QueuedMessage> messages;
    std::deque<QueuedKey> keys;
    bool quitPosted = false;
    int quitCode = 0;
    int waiting = 0;    // GetMessageA or PeekMessageA is letting the window system run
    int replaying = 0;  // a key is being handed on to its widget
    DWORD nextSerial = 1;
    Qt::KeyboardModifiers modifiers;
    HWND dispatchedWindow = nullptr;
    DWORD dispatchedSerial = 0;
};

Queue& TheQueue() {
    static Queue queue;
    return queue;
}

void WakeUp() {
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR ||
           message == WM_SYSCHAR;
}

Qt::KeyboardModifiers ModifiersOfMouse(WPARAM flags) {
    Qt::KeyboardModifiers modifiers;
    if (flags & MK_SHIFT) modifiers |= Qt::ShiftModifier;
    if (flags & MK_CONTROL) modifiers |= Qt::ControlModifier;
    return modifiers;
}

bool Matches(const MSG& message, HWND window, UINT filterMin, UINT filterMax) {
    if (window != nullptr && message.hwnd != window) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return message.message >= filterMin && message.message <= filterMax;
}

// Takes (or looks at) the first queued message that matches.
bool TakePosted(LPMSG out, HWND window, UINT filterMin, UINT filterMax, bool remove) {
    Queue& queue = TheQueue();
    for (auto it = queue.messages.begin(); it != queue.messages.end(); ++it) {
        if (!Matches(it->message, window, filterMin, filterMax)) continue;
        *out = it->message;
        queue.modifiers = it->modifiers;
        if (remove) queue.messages.erase(it);
        return true;
    }
    return false;
}

bool TakeQuit(LPMSG out, bool remove) {
    Queue& queue = TheQueue();
    if (!queue.quitPosted) return false;
    *out = MSG{};
    out->message = WM_QUIT;
    out->wParam = static_cast<WPARAM>(queue.quitCode);
    out->time = MessageTime();
    if (remove) queue.quitPosted = false;
    return true;
}

// Lets the window system deliver what it has (waiting for it when asked),
// with input going into the queue meanwhile.
void RunWindowSystem(bool wait) {
    if (!platform::EnsureQtApplication()) return;
    Queue& queue = TheQueue();
    ++queue.waiting;
    // Windows destroyed earlier are freed here, where no handler of theirs runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    --queue.waiting;
}

QueuedKey* FindKey(DWORD serial) {
    if (serial == 0) return nullptr;
    for (QueuedKey& key : TheQueue().keys) {
        if (key.serial == serial) return &key;
    }
    return nullptr;
}

void ForgetKey(DWORD serial) {
    std::deque<QueuedKey>& keys = TheQueue().keys;
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        if (it->serial == serial) {
            keys.erase(it);
            return;
        }
    }
}

void PushFront(const MSG& message) {
    Queue& queue = TheQueue();
    queue.messages.push_front({message, queue.modifiers});
}

}  // namespace

bool InputGoesToQueue() { return TheQueue().waiting > 0; }

bool IsReplaying() { return TheQueue().replaying > 0; }

void QueueInput(const MSG& message, Qt::KeyboardModifiers modifiers) {
    std::deque<QueuedMessage>& messages = TheQueue().messages;
    // A pointer move not yet taken is replaced by a newer one, as Win32
    // keeps only the latest.
    if (message.message == WM_MOUSEMOVE && !messages.empty() &&
        messages.back().message.message == WM_MOUSEMOVE && messages.back().message.hwnd == message.hwnd) {
        messages.back() = {message, modifiers};
    } else {
        messages.push_back({message, modifiers});
    }
    WakeUp();
}

void QueueKey(MSG message, std::unique_ptr<QKeyEvent> key, QObject* target, bool forOpenList) {
    Queue& queue = TheQueue();
    message.lPrivate = queue.nextSerial++;
    if (queue.nextSerial == 0) queue.nextSerial = 1;
    Qt::KeyboardModifiers modifiers = key->modifiers();
    if (queue.keys.size() == kKeptKeys) queue.keys.pop_front();
    queue.keys.push_back({message.lPrivate, std::move(key), target, forOpenList});
    QueueInput(message, modifiers);
}

bool KeyWasForOpenList(const MSG& message) {
    const QueuedKey* key = FindKey(message.lPrivate);
    return key != nullptr && key->forOpenList;
}

ModalScope::ModalScope() : savedWaiting_(TheQueue().waiting) { TheQueue().waiting = 0; }

ModalScope::~ModalScope() { TheQueue().waiting = savedWaiting_; }

Qt::KeyboardModifiers MessageModifiers() { return TheQueue().modifiers; }

void SetMessageModifiers(Qt::KeyboardModifiers modifiers) { TheQueue().modifiers = modifiers; }

bool ReplayDispatchedKey(const Window* window) {
    Queue& queue = TheQueue();
    if (window == nullptr || queue.dispatchedWindow != window->handle) return false;
    QueuedKey* key = FindKey(queue.dispatchedSerial);
    queue.dispatchedSerial = 0;
    if (key == nullptr) return false;
    std::unique_ptr<QKeyEvent> event = std::move(key->event);
    QPointer<QObject> target = key->target;
    ForgetKey(key->serial);
    if (!event || !target) return false;
    ++queue.replaying;
    QCoreApplication::sendEvent(target, event.get());
    --queue.replaying;
    return true;
}

DWORD MessageTime() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return static_cast<DWORD>(clock.elapsed());
}

}  // namespace tarnwick::user

using namespace tarnwick::user;

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && WindowOf(window) == nullptr) return FALSE;
    MSG posted{window, message, wParam, lParam, MessageTime(), {0, 0}, 0};
    QueueInput(posted, MessageModifiers());
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    TheQueue().quitPosted = true;
    TheQueue().quitCode = exitCode;
    WakeUp();
}

// Queued messages come first, then input the window system already has,
// and only then WM_QUIT.
BOOL GetMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax) {
    if (message == nullptr || (window != nullptr && WindowOf(window) == nullptr)) return -1;
    for (bool wait = false;; wait = true) {
        if (TakePosted(message, window, filterMin, filterMax, true)) return 1;
        RunWindowSystem(false);
        if (TakePosted(message, window, filterMin, filterMax, true)) return 1;
        if (TakeQuit(message, true)) return 0;
        if (wait) RunWindowSystem(true);
    }
}

BOOL PeekMessageA(LPMSG message, HWND window, UINT filterMin, UINT filterMax, UINT remove) {
    if (message == nullptr) return FALSE;
    const bool take = remove & PM_REMOVE;
    if (TakePosted(message, window, filterMin, filterMax, take)) return TRUE;
    RunWindowSystem(false);
    if (TakePosted(message, window, filterMin, filterMax, take)) return TRUE;
    return TakeQuit(message, take) ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* message) {
    if (message == nullptr) return FALSE;
    if (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN) return FALSE;
    QueuedKey* key = FindKey(message->lPrivate);
    if (key == nullptr || !key->event || key->event->text().isEmpty()) return TRUE;
    // The character comes next, before anything queued after the key.
    UINT charMessage = message->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    MSG character{message->hwnd, charMessage, key->event->text().at(0).unicode(), message->lParam,
                  message->time, message->pt, 0};
    PushFront(character);
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* message) {
    if (message == nullptr) return 0;
    Window* window = WindowOf(message->hwnd);
    if (window == nullptr || window->procedure == nullptr) return 0;
    Queue& queue = TheQueue();
    HWND savedWindow = queue.dispatchedWindow;
    DWORD savedSerial = queue.dispatchedSerial;
    bool fromKeyboard = IsKeyMessage(message->message) && FindKey(message->lPrivate) != nullptr;
    queue.dispatchedWindow = fromKeyboard ? message->hwnd : nullptr;
    queue.dispatchedSerial = fromKeyboard ? message->lPrivate : 0;
    if (message->message >= WM_MOUSEMOVE && message->message <= WM_RBUTTONUP)
        queue.modifiers = ModifiersOfMouse(message->wParam);
    LRESULT result = CallWindowProcA(window->procedure, message->hwnd, message->message,
                                     message->wParam, message->lParam);
    if (fromKeyboard) ForgetKey(message->lPrivate);
    queue.dispatchedWindow = savedWindow;
    queue.dispatchedSerial = savedSerial;
    return result;
}

SHORT GetKeyState(int virtualKey) {
    Qt::KeyboardModifiers modifiers = MessageModifiers();
    bool down = (virtualKey == VK_SHIFT && (modifiers & Qt::ShiftModifier)) ||
                (virtualKey == VK_CONTROL && (modifiers & Qt::ControlModifier)) ||
                (virtualKey == VK_MENU && (modifiers & Qt::AltModifier));
    return down ? static_cast<SHORT>(0x8000) : 0;
}
