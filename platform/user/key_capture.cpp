// Takes key presses meant for the program's windows into the message queue
// while the program's loop waits for messages, so its accelerators and
// dialog keys act before any control sees the key. The key goes on to its
// widget when the message is dispatched.
#include <QApplication>
#include <QKeyEvent>

#include "user/message_queue.h"
#include "user/virtual_keys.h"

namespace tarnwick::user {
namespace {

// Win32's key message lParam: repeat count 1, the scan code, the context
// bit while Alt is down, and whether the key was already down.
LPARAM KeyLParam(const QKeyEvent& event, bool alt) {
    DWORD lParam = 1u | ((event.nativeScanCode() & 0xFFu) << 16);
    if (alt) lParam |= 1u << 29;
    if (event.isAutoRepeat()) lParam |= 1u << 30;
    return static_cast<LPARAM>(lParam);
}

bool IsInOpenPopup(QObject* object) {
    QWidget* popup = QApplication::activePopupWidget();
    auto* widget = qobject_cast<QWidget*>(object);
    return popup != nullptr && widget != nullptr && (widget == popup || popup->isAncestorOf(widget));
}

class KeyCapture : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        // Before a key press comes, Qt offers the key to its target and the
        // target's parents: an open list takes Enter and Esc right then and
        // closes, so the press that follows must still count as the list's.
        if (event->type() == QEvent::ShortcutOverride) {
            const int offered = static_cast<QKeyEvent*>(event)->key();
            if (IsInOpenPopup(object)) {
                listKey_ = offered;
            } else if (offered != listKey_) {
                listKey_ = 0;
            }
            return false;
        }
        if (event->type() != QEvent::KeyPress || !object->isWidgetType()) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool forOpenList = listKey_ == key->key() || IsInOpenPopup(object);
        listKey_ = 0;
        if (IsReplaying() || !InputGoesToQueue()) return false;
        Window* window = WindowOfWidget(object);
        if (window == nullptr) return false;
        UINT virtualKey = VirtualKeyOf(*key);
        if (virtualKey == 0) return false;  // keys Win32 has no name for stay with Qt
        bool alt = key->modifiers() & Qt::AltModifier;
        const UINT keyMessage = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
        MSG message{window->handle, keyMessage, virtualKey,
                    KeyLParam(*key, alt), MessageTime(), {0, 0}, 0};
        QueueKey(message, std::unique_ptr<QKeyEvent>(key->clone()), object, forOpenList);
        return true;
    }

private:
    int listKey_ = 0;  // the Qt key an open list was offered last
};

}  // namespace

void InstallKeyCapture() {
    static KeyCapture* capture = nullptr;
    if (capture != nullptr || QCoreApplication::instance() == nullptr) return;
    capture = new (std::nothrow) KeyCapture;
    if (capture != nullptr) QCoreApplication::instance()->installEventFilter(capture);
}

}  // namespace tarnwick::user
