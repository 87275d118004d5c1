#include "qt_canvas.h"

#include "page_figures.h"

namespace {

QImage WhiteImage() {
    QImage image(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

QtCanvas::QtCanvas() : image_(WhiteImage()), painter_(&image_) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

const QImage& QtCanvas::Finish() {
    if (painter_.isActive()) painter_.end();
    return image_;
}
