#include "qt_page.h"

#include <QFont>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kScale = static_cast<double>(kCanvasWidth) / kPageWidth;

QColor ToColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

Qt::PenStyle ToPenStyle(int style) {
    switch (style) {
        case PS_DASH: return Qt::DashLine;
        case PS_DOT: return Qt::DotLine;
        case PS_DASHDOT: return Qt::DashDotLine;
        case PS_DASHDOTDOT: return Qt::DashDotDotLine;
        default: return Qt::SolidLine;
    }
}

// The pens the port layer makes, as a Win32 program gets them: a one-pixel
// pen is cosmetic with flat ends and keeps its dashes; a wider pen is
// geometric, solid, with round ends and joins.
QPen MakePen(COLORREF colour, int penStyle, int penWidth) {
    const int pixels = PenPixels(penWidth);
    QPen pen(ToColor(colour));
    if (pixels == 1) {
        pen.setWidth(0);
        pen.setStyle(ToPenStyle(penStyle));
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setWidth(pixels);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

QFont MakeFont(int fontHeight) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontHeight * kScale))));
    return font;
}

QRect Box(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()) - 1, std::max(a.y(), b.y()) - 1));
}

}  // namespace

QPoint ToPixels(int x, int y) {
    return QPoint(static_cast<int>(std::lround(x * kScale)), static_cast<int>(std::lround(-y * kScale)));
}

int PenPixels(int penWidth) {
    return std::max(1, static_cast<int>(std::lround(penWidth * kScale)));
}

QtPage::QtPage(const std::vector<PageFigure>& figures) {
    std::vector<int> heights;
    for (const PageFigure& f : figures) {
        Prepared p;
        p.kind = f.kind;
        p.pen = MakePen(f.colour, f.penStyle, f.penWidth);
        p.brush = f.fillOn ? QBrush(ToColor(f.fillColour)) : QBrush(Qt::NoBrush);
        auto found = std::find(heights.begin(), heights.end(), f.fontHeight);
        p.fontIndex = static_cast<int>(found - heights.begin());
        if (found == heights.end()) {
            heights.push_back(f.fontHeight);
            fonts_.push_back(MakeFont(f.fontHeight));
        }
        for (const POINT& point : f.points) p.points.push_back(ToPixels(point.x, point.y));
        if (f.kind == 6) p.box = Box(p.points[0], p.points[1]);
        if (f.kind == 4) {
            const POINT c = f.points[0], r = f.points[1];
            p.box = Box(ToPixels(c.x - r.x, c.y - r.y), ToPixels(c.x + r.x, c.y + r.y));
        }
        p.text = QString::fromUtf8(f.text.c_str());
        figures_.push_back(std::move(p));
    }
}

void QtPage::Paint(QImage& image) const {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Prepared& f : figures_) {
        painter.setPen(f.pen);
        painter.setBrush(f.brush);
        switch (f.kind) {
            case 1: painter.drawLine(f.points[0], f.points[1]); break;
            case 3: painter.drawPolygon(f.points.data(), static_cast<int>(f.points.size())); break;
            case 4: painter.drawEllipse(f.box); break;
            case 6: painter.drawRect(f.box); break;
            case 7:
                painter.setFont(fonts_[f.fontIndex]);
                painter.drawText(f.points[0], f.text);
                break;
        }
    }
}

void QtPage::PaintBackground(QImage& image) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(MakePen(0x000000, PS_SOLID, 0));
    painter.setBrush(ToColor(0xE6FFFF));
    painter.drawRect(Box(ToPixels(0, 0), ToPixels(kPageWidth, kPageBottom)));
    painter.setPen(MakePen(0xFFE6E6, PS_SOLID, 0));
    for (int y = -40; y > kPageBottom; y -= 40) painter.drawLine(ToPixels(2, y), ToPixels(2157, y));
    for (int x = 40; x < kPageWidth; x += 40) painter.drawLine(ToPixels(x, -2), ToPixels(x, -2792));
    painter.setPen(MakePen(0xC8C8FF, PS_SOLID, 0));
    painter.drawLine(ToPixels(1759, 0), ToPixels(1759, kPageBottom));
}
