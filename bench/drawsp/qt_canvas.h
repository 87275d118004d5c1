// The raw-Qt side's canvas: a white image the size of the surface's canvas
// and one painter kept open on it for as long as the canvas lives, as the
// port layer keeps its painter open on a memory DC's bitmap. The painter
// draws figures aliased and text anti-aliased, as the port layer's does.
#ifndef TARNWICK_BENCH_DRAWSP_QT_CANVAS_H
#define TARNWICK_BENCH_DRAWSP_QT_CANVAS_H

#include <QImage>
#include <QPainter>

class QtCanvas {
public:
    QtCanvas();
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    QPainter& painter() { return painter_; }
    // Ends the painting and gives the image; nothing may be drawn after.
    const QImage& Finish();

private:
    QImage image_;
    QPainter painter_;
};

#endif
