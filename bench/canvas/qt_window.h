// The raw-Qt baseline: a widget with its own image of the page, as the
// program's canvas has, drawn and shown with QPainter and update(rect)
// alone. What is left to measure against it is the program's path.
#ifndef TARNWICK_BENCH_CANVAS_QT_WINDOW_H
#define TARNWICK_BENCH_CANVAS_QT_WINDOW_H

#include <QImage>
#include <QWidget>

#include "qt_page.h"

class QtCanvasWidget : public QWidget {
public:
    explicit QtCanvasWidget(const std::vector<PageFigure>& figures);

    // The line tool's feedback to (x, y): the last line inverted away, the
    // new one inverted in, only their area shown again.
    void MoveFeedback(const QPoint& to);
    // The whole page drawn again and shown.
    void RepaintPage();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QtPage page_;
    QImage image_;
    QPoint anchor_{200, 200};
    QPoint end_{200, 200};
};

#endif
