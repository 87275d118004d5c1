// Cursors and icons behind HCURSOR and HICON, made from a module's picture
// resources.
#ifndef TARNWICK_PLATFORM_USER_CURSORS_ICONS_H
#define TARNWICK_PLATFORM_USER_CURSORS_ICONS_H

#include <QIcon>
#include <QWidget>

#include "windows.h"

namespace tarnwick::user {

// The window icon of a top-level window from its small and big icons.
QIcon WindowIconOf(HICON small, HICON big);

// While a window handles WM_SETCURSOR, SetCursor shapes the pointer over
// this widget.
class CursorTarget {
public:
    explicit CursorTarget(QWidget* widget);
    ~CursorTarget();
    CursorTarget(const CursorTarget&) = delete;
    CursorTarget& operator=(const CursorTarget&) = delete;

private:
    QWidget* saved_;
};

}  // namespace tarnwick::user

#endif
