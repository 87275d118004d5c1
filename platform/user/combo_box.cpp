// Combo boxes as drop-down lists over QComboBox. Owner-drawn ones keep no
// text: each item's data is what CB_ADDSTRING gave, and the dialog draws
// the items and the closed face (ODS_COMBOBOXEDIT) itself. Setting the
// selection sends nothing; the user's pick sends CBN_SELCHANGE.
#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QProxyStyle>
#include <QStylePainter>

#include "user/control_widgets.h"
#include "user/controls.h"
#include "user/owner_draw.h"

namespace tarnwick::user {
namespace {

constexpr int kFrameHeight = 8;  // a closed box is one item and its frame high

bool IsOwnerDrawn(DWORD style) { return (style & CBS_OWNERDRAWFIXED) && !(style & CBS_HASSTRINGS); }

QColor ListBackground(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

// A Win32 drop-down list drops below its box, as many items high as its
// template allows, with a scroll bar for the rest; some Qt styles would
// open it as a menu over the box instead.
class DropDownStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

QStyle* SharedDropDownStyle() {
    static DropDownStyle* style = new (std::nothrow) DropDownStyle;
    return style;
}

class OwnerDrawDelegate : public QAbstractItemDelegate {
public:
    OwnerDrawDelegate(HWND combo, int itemHeight, QObject* parent)
        : QAbstractItemDelegate(parent), combo_(combo), itemHeight_(itemHeight) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        UINT state = 0;
        if (option.state & QStyle::State_Selected) state |= ODS_SELECTED;
        if (option.state & QStyle::State_HasFocus) state |= ODS_FOCUS;
        DrawOwnerItem(WindowOf(combo_), index.row(), state, option.rect, *painter,
                      option.palette.color(QPalette::Base));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), itemHeight_);
    }

private:
    HWND combo_;
    int itemHeight_;  // logical pixels
};

class ComboWidget : public QComboBox {
public:
    ComboWidget(QWidget* parent, bool ownerDrawn) : QComboBox(parent), ownerDrawn_(ownerDrawn) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!ownerDrawn_) {
            QComboBox::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        UINT state = ODS_COMBOBOXEDIT | (hasFocus() ? ODS_SELECTED | ODS_FOCUS : 0);
        DrawOwnerItem(WindowOfWidget(this), currentIndex(), state, field, painter, ListBackground(this));
    }

private:
    bool ownerDrawn_;
};

QComboBox* ComboOf(const Window* window) { return qobject_cast<QComboBox*>(window->widget); }

void NotifySelectionChanged(HWND handle) {
    Window* combo = WindowOf(handle);
    if (combo == nullptr || combo->parent == nullptr) return;
    SendMessageA(combo->parent->handle, WM_COMMAND, MAKEWPARAM(combo->id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(handle));
}

// Adding an item leaves the selection as it was; Qt would select the first.
LRESULT AddString(Window* window, QComboBox* combo, LPARAM lParam) {
    const int selected = combo->currentIndex();
    if (IsOwnerDrawn(window->style)) {
        // Without CBS_HASSTRINGS the value is the item's data, never read as text.
        combo->addItem(QString(), QVariant::fromValue(static_cast<qulonglong>(lParam)));
    } else {
        const char* text = reinterpret_cast<const char*>(lParam);
        combo->addItem(QString::fromUtf8(text ? text : ""));
    }
    if (combo->currentIndex() != selected) combo->setCurrentIndex(selected);
    return combo->count() - 1;
}

// An index out of range clears the selection, as on Win32.
LRESULT SetSelection(QComboBox* combo, WPARAM wParam) {
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    if (index < 0 || index >= combo->count()) {
        combo->setCurrentIndex(-1);
        return CB_ERR;
    }
    combo->setCurrentIndex(index);
    return index;
}

LRESULT ItemData(QComboBox* combo, WPARAM wParam) {
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    if (index < 0 || index >= combo->count()) return CB_ERR;
    return static_cast<LRESULT>(combo->itemData(index).toULongLong());
}

}  // namespace

int ComboItemHeight(const Window* combo) {
    const Window* dialog = DialogOf(const_cast<Window*>(combo));
    return (dialog && dialog->dialog->baseUnitY > 0) ? dialog->dialog->baseUnitY : 13;
}

bool IsComboListShown(const Window* window) {
    QComboBox* combo = window ? ComboOf(window) : nullptr;
    return combo != nullptr && combo->view() != nullptr && combo->view()->isVisible();
}

QWidget* MakeComboWidget(Window* control, QWidget* parent, int templateHeight) {
    const bool ownerDrawn = IsOwnerDrawn(control->style);
    auto* combo = new ComboWidget(parent, ownerDrawn);
    if (QStyle* style = SharedDropDownStyle()) combo->setStyle(style);
    const qreal ratio = PixelRatio(DialogOf(control));
    const int itemHeight = ComboItemHeight(control);  // device pixels
    if (ownerDrawn) {
        combo->setItemDelegate(new OwnerDrawDelegate(control->handle, qRound(ToLogical(itemHeight, ratio)), combo));
    }
    combo->setFixedHeight(qRound(ToLogical(itemHeight + kFrameHeight, ratio)));
    combo->setMaxVisibleItems(std::max(1, (templateHeight - itemHeight - kFrameHeight) / itemHeight));
    combo->setFocusPolicy((control->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    HWND handle = control->handle;
    QObject::connect(combo, &QComboBox::activated, combo, [handle] { NotifySelectionChanged(handle); });
    return combo;
}

LRESULT ComboBoxProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = WindowOf(handle);
    QComboBox* combo = window ? ComboOf(window) : nullptr;
    if (combo == nullptr) return DefWindowProcA(handle, message, wParam, lParam);
    switch (message) {
        case CB_ADDSTRING: return AddString(window, combo, lParam);
        case CB_GETCOUNT: return combo->count();
        case CB_GETCURSEL: return combo->currentIndex() < 0 ? CB_ERR : combo->currentIndex();
        case CB_SETCURSEL: return SetSelection(combo, wParam);
        case CB_GETITEMDATA: return ItemData(combo, wParam);
        case CB_RESETCONTENT: combo->clear(); return 0;
        case CB_SHOWDROPDOWN:
            if (wParam) combo->showPopup(); else combo->hidePopup();
            return TRUE;
        default: return DefWindowProcA(handle, message, wParam, lParam);
    }
}

}  // namespace tarnwick::user
