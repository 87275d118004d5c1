#include "qt_window.h"

#include <QPainter>
#include <QPaintEvent>

#include "qt_background.h"

QtCanvasWidget::QtCanvasWidget(const std::vector<PageFigure>& figures)
    : page_(figures), image_(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kCanvasWidth, kCanvasHeight);
    image_.fill(Qt::white);
}

void QtCanvasWidget::MoveFeedback(const QPoint& to) {
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(anchor_, end_);
    painter.drawLine(anchor_, to);
    painter.end();
    QRect changed = QRect(anchor_, end_).normalized() | QRect(anchor_, to).normalized();
    end_ = to;
    update(changed.adjusted(-1, -1, 1, 1));
}

void QtCanvasWidget::RepaintPage() {
    QPainter painter(&image_);
    PaintQtBackground(painter);
    page_.Paint(painter);
    painter.end();
    update();
}

void QtCanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& area : event->region()) painter.drawImage(area, image_, area);
}
