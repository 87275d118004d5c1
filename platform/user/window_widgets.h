// The Qt widgets of windows that are not Qt controls: dialogs, and windows
// that keep their own pixels (static controls, and so the canvas). They turn
// what the window system tells them into the window's messages.
#ifndef TARNWICK_PLATFORM_USER_WINDOW_WIDGETS_H
#define TARNWICK_PLATFORM_USER_WINDOW_WIDGETS_H

#include <QWidget>

#include "windows.h"

namespace tarnwick::user {

// A dialog: WM_SIZE when it is resized, minimised or maximised, WM_CLOSE
// when the window manager asks it to close.
class DialogWidget : public QWidget {
public:
    DialogWidget(QWidget* parent, Qt::WindowFlags flags);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void SendSize();
};

// A window with its own pixels: shows them, asks for WM_SETCURSOR and sends
// the mouse messages (in device pixels) while the pointer is inside.
class PixelWidget : public QWidget {
public:
    explicit PixelWidget(QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SendMouse(UINT message, const QMouseEvent& event);
};

}  // namespace tarnwick::user

#endif
