#include "qt_print_page.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

#include "page_pixels.h"
#include "qt_fills.h"
#include "qt_pens.h"

namespace {

constexpr int kKindLine = 1, kKindPolygon = 3, kKindEllipse = 4, kKindRectangle = 6, kKindText = 7;
constexpr int kUnitsPerInch = 254;  // tenths of a millimetre
constexpr double kScale = static_cast<double>(kPrintDpi) / kUnitsPerInch;

// Halves go up, as the printer DC rounds.
int Rounded(double value) { return static_cast<int>(std::floor(value + 0.5)); }

// A page point as a device pixel: the sheet's top-left corner at 0, 0 and
// y turned to point down.
QPoint ToDevice(int x, int y) {
    return QPoint(Rounded(static_cast<double>(x) * kPrintDpi / kUnitsPerInch),
                  Rounded(static_cast<double>(y) * -kPrintDpi / kUnitsPerInch));
}

// The pixels of a box between two page corners: the lower corner's row and
// column are left out.
QRect DeviceBox(POINT a, POINT b) {
    const QPoint p = ToDevice(a.x, a.y), q = ToDevice(b.x, b.y);
    return QRect(QPoint(std::min(p.x(), q.x()), std::min(p.y(), q.y())),
                 QPoint(std::max(p.x(), q.x()) - 1, std::max(p.y(), q.y()) - 1));
}

// A pen width in page units as device pixels; 0 is the one-pixel pen.
int PrinterPenPixels(int penWidth) {
    if (penWidth <= 0) return 1;
    return static_cast<int>(std::clamp(std::round(penWidth * kScale), 1.0, 32767.0));
}

// The font of a character height in page units, at the printer's resolution.
QFont MakeFont(int fontHeight) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleStrategy(QFont::PreferMatch);
    font.setPixelSize(static_cast<int>(std::clamp(std::round(fontHeight * kScale), 1.0, 16384.0)));
    return font;
}

// Qt's ellipse in the box, through the centres of the edge pixels for a
// wide pen, on pixel coordinates for a one-pixel one.
QRectF EllipseIn(const QRect& box, int penPixels) {
    const qreal offset = penPixels > 1 ? 0.5 : 0.0;
    return QRectF(box.left() + offset, box.top() + offset, box.width() - 1, box.height() - 1);
}

}  // namespace

QtPrintPage::Figure QtPrintPage::Prepare(const PageFigure& f) {
    Figure q{};
    q.kind = f.kind;
    q.colour = ToColor(f.colour);
    q.penPixels = PrinterPenPixels(f.penWidth);
    q.pen = MakePen(f.colour, f.penStyle, q.penPixels);
    q.dashed = IsDashed(f.penStyle, q.penPixels);
    q.filled = f.fillOn != 0;
    q.fill = ToColor(f.fillColour);
    q.brush = q.filled ? QBrush(q.fill) : QBrush(Qt::NoBrush);
    q.text = QString::fromUtf8(f.text.c_str());
    const std::vector<POINT>& p = f.points;
    switch (f.kind) {
        case kKindLine:
            q.from = ToDevice(p[0].x, p[0].y);
            q.to = ToDevice(p[1].x, p[1].y);
            break;
        case kKindRectangle:
            q.box = DeviceBox(POINT{std::min(p[0].x, p[1].x), std::min(p[0].y, p[1].y)},
                              POINT{std::max(p[0].x, p[1].x), std::max(p[0].y, p[1].y)});
            break;
        case kKindEllipse:  // centre and radii
            q.box = DeviceBox(POINT{p[0].x - p[1].x, p[0].y - p[1].y}, POINT{p[0].x + p[1].x, p[0].y + p[1].y});
            break;
        case kKindPolygon:
            for (const POINT& point : p) q.polygon << ToDevice(point.x, point.y);
            q.centred = QPolygonF(q.polygon).translated(0.5, 0.5);
            break;
        case kKindText:
            q.baseline = QPointF(std::round(p[0].x * kScale), std::round(p[0].y * -kScale));
            break;
    }
    return q;
}

QtPrintPage::QtPrintPage(const std::vector<PageFigure>& figures) {
    std::vector<int> heights;
    for (const PageFigure& f : figures) {
        Figure q = Prepare(f);
        if (f.kind == kKindText) {
            auto found = std::find(heights.begin(), heights.end(), f.fontHeight);
            q.fontIndex = static_cast<int>(found - heights.begin());
            if (found == heights.end()) {
                heights.push_back(f.fontHeight);
                fonts_.push_back(MakeFont(f.fontHeight));
            }
        }
        figures_.push_back(std::move(q));
    }
}

void QtPrintPage::Paint(QPainter& painter) const {
    for (const Figure& f : figures_) {
        switch (f.kind) {
            case kKindLine:
                if (f.from == f.to) break;
                if (f.penPixels == 1 && !f.dashed && FillLineSpan(painter, f.from, f.to, f.colour)) break;
                painter.setPen(f.pen);
                painter.drawLine(f.from, f.to);
                break;
            case kKindRectangle:
                if (f.box.isEmpty()) break;
                if (!f.dashed) {
                    FillFramedBox(painter, f.box, f.penPixels, f.colour, f.filled ? &f.fill : nullptr);
                    break;
                }
                // A dashed frame is one stroke round a filled inside.
                if (f.filled && !f.box.adjusted(1, 1, -1, -1).isEmpty())
                    painter.fillRect(f.box.adjusted(1, 1, -1, -1), f.fill);
                painter.setPen(f.pen);
                painter.drawPolyline(QPolygon({f.box.topLeft(), f.box.topRight(), f.box.bottomRight(),
                                               f.box.bottomLeft(), f.box.topLeft()}));
                break;
            case kKindEllipse:
                if (f.box.isEmpty()) break;
                painter.setPen(f.pen);
                painter.setBrush(f.brush);
                painter.drawEllipse(EllipseIn(f.box, f.penPixels));
                break;
            case kKindPolygon:
                painter.setPen(f.pen);
                painter.setBrush(f.brush);
                if (f.penPixels > 1) painter.drawPolygon(f.centred, Qt::OddEvenFill);
                else painter.drawPolygon(f.polygon, Qt::OddEvenFill);
                break;
            case kKindText:
                painter.setFont(fonts_[f.fontIndex]);
                painter.setPen(f.colour);
                painter.drawText(f.baseline, f.text);
                break;
        }
    }
}

bool QtPrintPage::Print(const std::string& path) const {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setTitle(QStringLiteral("Tarnwick Page"));
    writer.setResolution(kPrintDpi);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    Paint(painter);
    return painter.end();
}
