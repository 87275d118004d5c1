// Controls made from a dialog template's items: one row per class with its
// class procedure and widget, and the text every control shows.
#include "user/controls.h"

#include <strings.h>

#include "user/control_widgets.h"

namespace tarnwick::user {
namespace {

struct ControlClass {
    const char* name;
    WindowClass windowClass;
    WNDPROC procedure;
};

constexpr ControlClass kControlClasses[] = {
    {"STATIC", WindowClass::Static, StaticProc},      // text, or a window of its own pixels
    {"BUTTON", WindowClass::Button, ButtonProc},      // push button or check box
    {"EDIT", WindowClass::Edit, EditProc},            // one line, or many with ES_MULTILINE
    {"COMBOBOX", WindowClass::ComboBox, ComboBoxProc},  // drop-down list, maybe owner-drawn
};

const ControlClass* ClassNamed(const char* name) {
    if (name == nullptr) return nullptr;
    for (const ControlClass& entry : kControlClasses) {
        if (strcasecmp(name, entry.name) == 0) return &entry;
    }
    return nullptr;
}

QWidget* MakeWidget(Window* control, QWidget* parent, int templateHeight) {
    switch (control->windowClass) {
        case WindowClass::Static: return MakeStaticWidget(control, parent);
        case WindowClass::Button: return MakeButtonWidget(control, parent);
        case WindowClass::Edit: return MakeEditWidget(control, parent);
        case WindowClass::ComboBox: return MakeComboWidget(control, parent, templateHeight);
        default: return nullptr;
    }
}

QRect LogicalArea(const QRect& device, qreal ratio) {
    return QRectF(ToLogical(device.x(), ratio), ToLogical(device.y(), ratio),
                  ToLogical(device.width(), ratio), ToLogical(device.height(), ratio))
        .toRect();
}

}  // namespace

Window* CreateControl(Window* dialog, const DialogItemResource& item, const QRect& area) {
    const ControlClass* controlClass = ClassNamed(item.className);
    if (controlClass == nullptr || !dialog->widget) return nullptr;
    Window* control = NewWindow(controlClass->windowClass, item.style | WS_CHILD, item.id,
                                dialog->instance, dialog, controlClass->procedure);
    if (control == nullptr) return nullptr;
    QWidget* widget = MakeWidget(control, dialog->widget, area.height());
    AttachWidget(control, widget);
    widget->setFont(dialog->dialog->qtFont);
    QRect logical = LogicalArea(area, PixelRatio(dialog));
    widget->move(logical.topLeft());
    // A combo box's template height is its dropped-down height; closed, it
    // is as high as one item and its frame.
    const bool combo = control->windowClass == WindowClass::ComboBox;
    widget->resize(logical.width(), combo ? widget->height() : logical.height());
    widget->setEnabled(!(item.style & WS_DISABLED));
    control->text = QByteArray(item.text ? item.text : "");
    ShowText(control);
    widget->setVisible(item.style & WS_VISIBLE);
    return control;
}

void ShowText(Window* window) {
    if (!window->widget) return;
    switch (window->windowClass) {
        case WindowClass::Dialog:
            if (window->parent == nullptr) window->widget->setWindowTitle(QString::fromUtf8(window->text));
            break;
        case WindowClass::Static: InvalidateRect(window->handle, nullptr, TRUE); break;
        case WindowClass::Button: ShowButtonText(window); break;
        case WindowClass::Edit: ShowEditText(window); break;
        case WindowClass::ComboBox: break;
    }
}

int CopyTextOut(const QByteArray& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    int length = std::min(static_cast<int>(text.size()), size - 1);
    // Never end inside a character: step back over continuation bytes.
    if (length < text.size()) {
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    }
    std::copy(text.constData(), text.constData() + length, buffer);
    buffer[length] = '\0';
    return length;
}

}  // namespace tarnwick::user
