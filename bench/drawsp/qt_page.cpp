#include "qt_page.h"

#include <algorithm>

#include "page_pixels.h"
#include "qt_fills.h"
#include "qt_pens.h"

namespace {

constexpr int kKindLine = 1, kKindPolygon = 3, kKindEllipse = 4, kKindRectangle = 6, kKindText = 7;

// The font the port layer realises for a character height in page units.
QFont MakeFont(int fontHeight, double scale) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleStrategy(QFont::PreferMatch);
    font.setPixelSize(std::max(1, Pixels(fontHeight, scale)));
    return font;
}

// Qt's own ellipse in the box: through the centres of the edge pixels for
// a wide pen, on pixel coordinates for a one-pixel one, as the port layer
// asks Qt for it where it cannot rasterise the ellipse itself.
QRectF EllipseIn(const QRect& box, int penPixels) {
    const qreal offset = penPixels > 1 ? 0.5 : 0.0;
    return QRectF(box.left() + offset, box.top() + offset, box.width() - 1, box.height() - 1);
}

// Where the figure goes, in pixels, in the form its kind is drawn from.
void PlaceInPixels(const PageFigure& f, QtFigure& q, double scale) {
    std::vector<QPoint> pixels;
    for (const POINT& p : f.points) pixels.push_back(ToPixels(p.x, p.y, scale));
    if (f.kind == kKindLine) {
        q.from = pixels[0];
        q.to = pixels[1];
    } else if (f.kind == kKindRectangle) {
        q.box = PixelBox(pixels[0], pixels[1]);
    } else if (f.kind == kKindPolygon) {
        q.polygon = QPolygon(QList<QPoint>(pixels.begin(), pixels.end()));
        q.centred = QPolygonF(q.polygon).translated(0.5, 0.5);
    } else if (f.kind == kKindEllipse) {
        const POINT c = f.points[0], r = f.points[1];
        q.box = PixelBox(ToPixels(c.x - r.x, c.y - r.y, scale), ToPixels(c.x + r.x, c.y + r.y, scale));
        q.ellipse = EllipseIn(q.box, q.penPixels);
    } else if (f.kind == kKindText) {
        q.baseline = pixels[0];
    }
}

QtFigure Prepare(const PageFigure& f, double scale) {
    QtFigure q{};
    q.kind = f.kind;
    q.colour = ToColor(f.colour);
    q.penPixels = PenPixels(f.penWidth, scale);
    q.pen = MakePen(f.colour, f.penStyle, q.penPixels);
    q.dashed = IsDashed(f.penStyle, q.penPixels);
    q.filled = f.fillOn != 0;
    q.fill = ToColor(f.fillColour);
    q.brush = q.filled ? QBrush(q.fill) : QBrush(Qt::NoBrush);
    q.text = QString::fromUtf8(f.text.c_str());
    PlaceInPixels(f, q, scale);
    return q;
}

void PaintLine(QPainter& painter, const QtFigure& f) {
    if (f.from == f.to) return;
    if (f.penPixels == 1 && !f.dashed && FillLineSpan(painter, f.from, f.to, f.colour)) return;
    painter.setPen(f.pen);
    painter.drawLine(f.from, f.to);
}

// A dashed frame cannot be bands: the inside is filled first, then the
// outline is stroked once round, so the dashes run on past the corners.
void PaintDashedRectangle(QPainter& painter, const QtFigure& f) {
    const QRect inside = f.box.adjusted(1, 1, -1, -1);
    if (f.filled && !inside.isEmpty()) painter.fillRect(inside, f.fill);
    const QPoint outline[] = {f.box.topLeft(), f.box.topRight(), f.box.bottomRight(), f.box.bottomLeft(),
                              f.box.topLeft()};
    painter.setPen(f.pen);
    painter.drawPolyline(outline, 5);
}

void PaintRectangle(QPainter& painter, const QtFigure& f) {
    if (f.box.isEmpty()) return;
    if (f.dashed) {
        PaintDashedRectangle(painter, f);
        return;
    }
    FillFramedBox(painter, f.box, f.penPixels, f.colour, f.filled ? &f.fill : nullptr);
}

void PaintPolygon(QPainter& painter, const QtFigure& f) {
    painter.setPen(f.pen);
    painter.setBrush(f.brush);
    if (f.penPixels > 1) painter.drawPolygon(f.centred, Qt::OddEvenFill);
    else painter.drawPolygon(f.polygon, Qt::OddEvenFill);
}

void PaintEllipse(QPainter& painter, const QtFigure& f) {
    if (f.box.isEmpty()) return;
    painter.setPen(f.pen);
    painter.setBrush(f.brush);
    painter.drawEllipse(f.ellipse);
}

}  // namespace

QtPage::QtPage(const std::vector<PageFigure>& figures, double scale) {
    std::vector<int> heights;
    for (const PageFigure& f : figures) {
        QtFigure q = Prepare(f, scale);
        if (f.kind == kKindText) {
            // One font per height, made here: fonts are costly to make and
            // the port layer keeps the one it made last.
            auto found = std::find(heights.begin(), heights.end(), f.fontHeight);
            q.fontIndex = static_cast<int>(found - heights.begin());
            if (found == heights.end()) {
                heights.push_back(f.fontHeight);
                fonts_.push_back(MakeFont(f.fontHeight, scale));
            }
        }
        figures_.push_back(std::move(q));
    }
}

void QtPage::Paint(QPainter& painter) const {
    for (const QtFigure& f : figures_) {
        switch (f.kind) {
            case kKindLine: PaintLine(painter, f); break;
            case kKindPolygon: PaintPolygon(painter, f); break;
            case kKindEllipse: PaintEllipse(painter, f); break;
            case kKindRectangle: PaintRectangle(painter, f); break;
            case kKindText: PaintText(painter, f); break;
        }
    }
}

void QtPage::PaintText(QPainter& painter, const QtFigure& f) const {
    painter.setFont(fonts_[f.fontIndex]);
    painter.setPen(f.colour);
    painter.drawText(f.baseline, f.text);
}
