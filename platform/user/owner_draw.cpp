#include "user/owner_draw.h"

#include <QComboBox>

#include "gdi/device_context.h"

namespace tarnwick::user {
namespace {

ULONG_PTR ItemDataOf(const Window* control, int index) {
    auto* combo = qobject_cast<QComboBox*>(control->widget);
    if (combo == nullptr || index < 0 || index >= combo->count()) return 0;
    return static_cast<ULONG_PTR>(combo->itemData(index).toULongLong());
}

}  // namespace

void DrawOwnerItem(Window* control, int index, UINT state, const QRect& area, QPainter& painter,
                   const QColor& background) {
    if (control == nullptr || control->parent == nullptr || area.isEmpty()) return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    QImage item(ToDevice(area.width(), ratio), ToDevice(area.height(), ratio), QImage::Format_RGB32);
    if (item.isNull()) return;
    item.fill(background);
    const int dpi = WindowDpi(control);
    HDC dc = gdi::CreateImageDeviceContext(&item, dpi, dpi);
    if (dc == nullptr) return;
    // The item's DC starts with the control's font, the dialog's.
    Window* dialog = DialogOf(control);
    if (dialog != nullptr && dialog->dialog->font != nullptr) SelectObject(dc, dialog->dialog->font);
    DRAWITEMSTRUCT draw{ODT_COMBOBOX,
                        static_cast<UINT>(control->id),
                        static_cast<UINT>(index),
                        ODA_DRAWENTIRE,
                        state,
                        control->handle,
                        dc,
                        RECT{0, 0, item.width(), item.height()},
                        ItemDataOf(control, index)};
    SendMessageA(control->parent->handle, WM_DRAWITEM, static_cast<WPARAM>(control->id),
                 reinterpret_cast<LPARAM>(&draw));
    DeleteDC(dc);
    item.setDevicePixelRatio(ratio);
    painter.drawImage(area.topLeft(), item);
}

}  // namespace tarnwick::user
