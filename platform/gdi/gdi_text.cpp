// Fonts and text: CreateFontA, TextOutA and DrawTextA. Text arrives as UTF-8.
// Font heights are logical units taken through the mapping's y scale; text is
// always drawn upright, with the text colour, ignoring the raster operation.
#include "core/qt_application.h"
#include "gdi/device_context.h"
#include "gdi/font_faces.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace tarnwick::gdi {
namespace {

// The font realised last, shared by the next font object that asks for the
// same face and size (text is drawn with a fresh font object each time).
struct RealisedCache {
    bool valid = false;
    QString family;
    int weight = 0;
    bool italic = false, underline = false, strikeOut = false;
    int deviceHeight = 0;
    QFont font;

    bool Matches(const FontData& data, int key) const {
        return valid && deviceHeight == key && weight == data.weight && italic == data.italic &&
               underline == data.underline && strikeOut == data.strikeOut && family == data.family;
    }
};

RealisedCache& LastRealised() {
    static RealisedCache cache;
    return cache;
}

constexpr int kDefaultCellHeight = 16;  // a height of 0 asks for the default size

// The font of the DC at its current mapping; cached in the font object.
const QFont& RealisedFont(const DeviceContext& context) {
    static const QFont fallback(QStringLiteral("Liberation Sans"), 12);
    if (!context.state.font->font) return fallback;  // a stock font that could not be made
    FontData& data = *context.state.font->font;
    int logical = data.height == 0 ? kDefaultCellHeight : std::abs(data.height);
    double scale = data.height == 0 ? 1.0 : std::fabs(context.transform.scaleY);
    constexpr double kMaxPixelSize = 16384.0;
    int device = static_cast<int>(std::clamp(std::round(logical * scale), 1.0, kMaxPixelSize));
    int key = data.height < 0 ? -device : device;
    if (data.realisedDeviceHeight == key) return data.realised;
    RealisedCache& cache = LastRealised();
    if (cache.Matches(data, key)) {
        data.realised = cache.font;
        data.realisedDeviceHeight = key;
        return data.realised;
    }

    QFont font(data.family);
    font.setStyleStrategy(QFont::PreferMatch);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(data.weight ? data.weight : 400, 1, 1000)));
    font.setItalic(data.italic);
    font.setUnderline(data.underline);
    font.setStrikeOut(data.strikeOut);
    font.setPixelSize(device);
    if (data.height >= 0) {
        // A positive height is the cell height (ascent + descent).
        QFontMetricsF metrics(font);
        qreal cell = metrics.ascent() + metrics.descent();
        if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(device * device / cell))));
    }
    data.realised = font;
    data.realisedDeviceHeight = key;
    cache = RealisedCache{true, data.family, data.weight, data.italic, data.underline, data.strikeOut, key, font};
    return data.realised;
}

QString Utf8Text(LPCSTR text, int length) {
    if (!text) return {};
    if (length < 0) length = static_cast<int>(std::strlen(text));
    return QString::fromUtf8(text, length);
}

// Text ignores the ROP and is drawn over a transparent or bk-filled cell.
bool PrepareText(DeviceContext& context) { return context.ApplyText(RealisedFont(context)); }

void DrawLineOfText(DeviceContext& context, const QString& text, QPointF baseline,
                    const QFontMetricsF& metrics) {
    QPainter& painter = context.ActivePainter();
    QRectF cell(baseline.x(), baseline.y() - metrics.ascent(), metrics.horizontalAdvance(text),
                metrics.ascent() + metrics.descent());
    if (context.state.bkMode == OPAQUE) painter.fillRect(cell, ToQColor(context.state.bkColour));
    // Glyphs may overhang their advance a little (italics, kerning).
    context.NoteDrawn(cell.toAlignedRect().adjusted(-2, -2, 2, 2));
    painter.drawText(baseline, text);
}

QStringList SplitLines(const QString& text, UINT format) {
    if (format & DT_SINGLELINE) return {text};
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return unified.split(QLatin1Char('\n'));
}

}  // namespace
}  // namespace tarnwick::gdi

using namespace tarnwick::gdi;

HFONT CreateFontA(int height, int, int, int, int weight, DWORD italic, DWORD underline,
                  DWORD strikeOut, DWORD, DWORD, DWORD, DWORD, DWORD, LPCSTR faceName) {
    if (!tarnwick::platform::EnsureQtApplication()) return nullptr;
    FontData* data = new (std::nothrow)
        FontData(height, weight, italic != 0, underline != 0, strikeOut != 0, ResolveFace(faceName));
    if (!data) return nullptr;
    GdiObject* object = NewObject(ObjectKind::Font);
    if (!object) {
        delete data;
        return nullptr;
    }
    object->font = data;
    return static_cast<HFONT>(HandleOf(object));
}

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || (!text && length > 0)) return FALSE;
    DcState& state = context->state;
    bool updateCp = (state.textAlign & TA_UPDATECP) != 0;
    if (updateCp) {
        x = state.position.x;
        y = state.position.y;
    }
    if (!PrepareText(*context)) return TRUE;
    QString string = Utf8Text(text, length);
    QFontMetricsF metrics(context->ActivePainter().font());
    UINT horizontal = state.textAlign & TA_CENTER;  // TA_CENTER covers TA_RIGHT's bit
    UINT vertical = state.textAlign & TA_BASELINE;  // TA_BASELINE covers TA_BOTTOM's bit
    // Measuring costs a shaping pass: only when the alignment needs it.
    bool measure = horizontal != TA_LEFT || updateCp;
    qreal advance = measure ? metrics.horizontalAdvance(string) : 0;
    qreal deviceX = context->transform.DeviceX(x);
    qreal deviceY = context->transform.DeviceY(y);
    if (horizontal == TA_RIGHT) deviceX -= advance;
    else if (horizontal == TA_CENTER) deviceX -= advance / 2;
    if (vertical == TA_TOP) deviceY += metrics.ascent();
    else if (vertical == TA_BOTTOM) deviceY -= metrics.descent();
    DrawLineOfText(*context, string, QPointF(std::round(deviceX), std::round(deviceY)), metrics);
    if (updateCp) {
        POINT end = context->transform.ToLogical(static_cast<LONG>(std::lround(deviceX + advance)),
                                                 static_cast<LONG>(std::lround(deviceY)));
        if (horizontal == TA_LEFT) state.position.x = end.x;
    }
    return TRUE;
}

int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
    DeviceContext* context = DeviceContextOf(dc);
    if (!context || !rect || (!text && length != 0)) return 0;
    if (!PrepareText(*context) && !(format & DT_CALCRECT)) return 0;
    const QFont& font = RealisedFont(*context);
    QFontMetricsF metrics(font);
    QStringList lines = SplitLines(Utf8Text(text, length), format);
    qreal lineHeight = std::ceil(metrics.ascent() + metrics.descent());
    qreal width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    int textWidth = static_cast<int>(std::ceil(width));
    int textHeight = static_cast<int>(lineHeight) * static_cast<int>(lines.size());

    POINT origin = context->transform.ToDevice(rect->left, rect->top);
    if (format & DT_CALCRECT) {
        // The extent in logical units: under a y-up mapping the height
        // (bottom - top) comes out negative.
        POINT far = context->transform.ToLogical(origin.x + textWidth, origin.y + textHeight);
        rect->right = far.x;
        rect->bottom = far.y;
        return rect->bottom - rect->top;
    }

    POINT corner = context->transform.ToDevice(rect->right, rect->bottom);
    QRect box(QPoint(std::min(origin.x, corner.x), std::min(origin.y, corner.y)),
              QPoint(std::max(origin.x, corner.x) - 1, std::max(origin.y, corner.y) - 1));
    qreal top = box.top();
    if (format & DT_SINGLELINE) {
        // Vertical placement is a single-line feature, as on Win32.
        if (format & DT_BOTTOM) top = box.bottom() + 1 - textHeight;
        else if (format & DT_VCENTER) top = box.top() + std::floor((box.height() - textHeight) / 2.0);
    }
    if (!(format & DT_NOCLIP)) context->ClipPainterTo(box);
    for (const QString& line : lines) {
        qreal advance = metrics.horizontalAdvance(line);
        qreal left = box.left();
        if (format & DT_CENTER) left = box.left() + std::floor((box.width() - advance) / 2.0);
        else if (format & DT_RIGHT) left = box.right() + 1 - advance;
        DrawLineOfText(*context, line, QPointF(std::round(left), top + metrics.ascent()), metrics);
        top += lineHeight;
    }
    POINT extent = context->transform.ToLogical(origin.x, origin.y + textHeight);
    return extent.y - rect->top;
}
