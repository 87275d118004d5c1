// Cursors and icons. Monochrome cursors invert the screen under them on
// Win32; X11 and Wayland cannot, so an inverting pixel is drawn dark with a
// light edge around the figure, which shows on every background.
#include "user/cursors_icons.h"

#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cmath>

#include "core/handle_table.h"
#include "core/module_resources.h"
#include "core/qt_application.h"
#include "core/window_system.h"
#include "test_hooks.h"

namespace tarnwick::user {
namespace {

using port::HandleKind;

struct CursorObject {
    QCursor cursor;
};

struct IconObject {
    QPixmap pixmap;
};

struct LoopCursor {
    HCURSOR current = nullptr;
    QWidget* target = nullptr;
};

LoopCursor& Pointer() {
    static LoopCursor pointer;
    return pointer;
}

char PixelAt(const PictureResource& picture, int x, int y) {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return '.';
    const char* row = picture.rows[y];
    for (int i = 0; i < x; ++i) {
        if (row[i] == '\0') return '.';
    }
    return row[x] == '\0' ? '.' : row[x];
}

bool NextToInverting(const PictureResource& picture, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (PixelAt(picture, x + dx, y + dy) == 'x') return true;
        }
    }
    return false;
}

QRgb CursorPixel(const PictureResource& picture, int x, int y) {
    switch (PixelAt(picture, x, y)) {
        case '#':
        case 'x': return qRgba(0, 0, 0, 255);
        case 'o': return qRgba(255, 255, 255, 255);
        default: return NextToInverting(picture, x, y) ? qRgba(255, 255, 255, 255) : qRgba(0, 0, 0, 0);
    }
}

QImage CursorImage(const PictureResource& picture) {
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) image.setPixel(x, y, CursorPixel(picture, x, y));
    }
    return image;
}

// The colour of a palette character, or transparent.
QRgb PaletteColour(const char* const* palette, char key) {
    for (; palette != nullptr && *palette != nullptr; ++palette) {
        const char* entry = *palette;
        if (entry[0] != key || entry[1] != ' ') continue;
        bool ok = false;
        uint rgb = QByteArray(entry + 2, 6).toUInt(&ok, 16);
        if (ok) return 0xFF000000u | rgb;
    }
    return qRgba(0, 0, 0, 0);
}

QImage IconImage(const PictureResource& picture) {
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x)
            image.setPixel(x, y, PaletteColour(picture.palette, PixelAt(picture, x, y)));
    }
    return image;
}

// Win32 stretches a cursor to the system's cursor size, which grows with
// the screen's resolution. A compositor does that itself: it enlarges a
// cursor of one pixel per unit to its screen's scale. X11 shows the picture
// pixel for pixel, so there it is enlarged by the screen's pixel ratio
// (rounded up to whole pixels), its hot spot with it.
QCursor ScaledCursor(const PictureResource& picture) {
    QImage image = CursorImage(picture);
    const QScreen* screen = QGuiApplication::primaryScreen();
    int scale = screen ? static_cast<int>(std::ceil(screen->devicePixelRatio())) : 1;
    if (platform::CompositorPlacesWindows() || scale < 1) scale = 1;
    if (scale > 1) image = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return QCursor(QPixmap::fromImage(image), picture.hotSpotX * scale, picture.hotSpotY * scale);
}

bool ValidPicture(const PictureResource* picture) {
    return picture != nullptr && picture->rows != nullptr && picture->width > 0 &&
           picture->height > 0 && picture->width <= 256 && picture->height <= 256;
}

HCURSOR ArrowCursor() {
    static HCURSOR arrow = [] {
        auto* object = new (std::nothrow) CursorObject{QCursor(Qt::ArrowCursor)};
        return object ? static_cast<HCURSOR>(port::AddHandle(HandleKind::Cursor, object, false)) : nullptr;
    }();
    return arrow;
}

void* MakeIcon(const void* data) {
    const auto* picture = static_cast<const PictureResource*>(data);
    if (!ValidPicture(picture)) return nullptr;
    return new (std::nothrow) IconObject{QPixmap::fromImage(IconImage(*picture))};
}

void FreeIcon(void* object) { delete static_cast<IconObject*>(object); }

// The cursor a widget shows is set only when it changes: the canvas asks
// for its cursor at every pointer move.
void ApplyCursor(HCURSOR cursor) {
    static constexpr char kShownCursor[] = "tarnwickCursor";
    QWidget* target = Pointer().target;
    if (target == nullptr) return;
    QVariant shown = target->property(kShownCursor);
    if (shown.isValid() && shown.value<quintptr>() == reinterpret_cast<quintptr>(cursor)) return;
    auto* object = static_cast<CursorObject*>(port::LookUpHandle(cursor, HandleKind::Cursor));
    target->setCursor(object ? object->cursor : QCursor(Qt::BlankCursor));
    target->setProperty(kShownCursor, QVariant::fromValue(reinterpret_cast<quintptr>(cursor)));
}

}  // namespace

QIcon WindowIconOf(HICON small, HICON big) {
    QIcon icon;
    for (HICON handle : {small, big}) {
        if (auto* object = static_cast<IconObject*>(port::LookUpHandle(handle, HandleKind::Icon)))
            icon.addPixmap(object->pixmap);
    }
    return icon;
}

CursorTarget::CursorTarget(QWidget* widget) : saved_(Pointer().target) { Pointer().target = widget; }

CursorTarget::~CursorTarget() { Pointer().target = saved_; }

}  // namespace tarnwick::user

using namespace tarnwick::user;
using tarnwick::port::HandleKind;

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR cursorName) {
    if (!tarnwick::platform::EnsureQtApplication()) return nullptr;
    if (instance == nullptr && cursorName == IDC_ARROW) return ArrowCursor();
    const auto* picture = static_cast<const PictureResource*>(
        tarnwick::port::FindResourceData(instance, cursorName, RT_CURSOR));
    if (!ValidPicture(picture)) return nullptr;
    auto* object = new (std::nothrow) CursorObject{ScaledCursor(*picture)};
    if (object == nullptr) return nullptr;
    HCURSOR cursor = static_cast<HCURSOR>(tarnwick::port::AddHandle(HandleKind::Cursor, object, true));
    if (cursor == nullptr) delete object;
    return cursor;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR previous = Pointer().current;
    Pointer().current = cursor;
    ApplyCursor(cursor);
    return previous;
}

BOOL DestroyCursor(HCURSOR cursor) {
    if (cursor == ArrowCursor()) return TRUE;  // shared: never destroyed
    auto* object = static_cast<CursorObject*>(tarnwick::port::LookUpHandle(cursor, HandleKind::Cursor));
    if (object == nullptr) return FALSE;
    if (Pointer().current == cursor) Pointer().current = nullptr;
    tarnwick::port::RemoveHandle(cursor);
    delete object;
    return TRUE;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR iconName) {
    if (!tarnwick::platform::EnsureQtApplication()) return nullptr;
    if (iconName == nullptr || !IS_INTRESOURCE(iconName)) return nullptr;
    // Icons of a module are made once and shared, as Win32 shares them.
    const void* picture = tarnwick::port::FindResourceData(instance, iconName, RT_ICON);
    return static_cast<HICON>(tarnwick::port::SharedResourceHandle(picture, HandleKind::Icon, MakeIcon, FreeIcon));
}

BOOL TestCursorShape(HCURSOR cursor, SIZE* pixels, POINT* hotSpot) {
    auto* object = static_cast<CursorObject*>(tarnwick::port::LookUpHandle(cursor, HandleKind::Cursor));
    if (object == nullptr || pixels == nullptr || hotSpot == nullptr) return FALSE;
    const QPixmap picture = object->cursor.pixmap();
    *pixels = SIZE{picture.width(), picture.height()};
    *hotSpot = POINT{object->cursor.hotSpot().x(), object->cursor.hotSpot().y()};
    return TRUE;
}
