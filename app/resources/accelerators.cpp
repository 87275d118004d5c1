// Accelerator table 106: the keys of the main window. All are virtual-key
// entries; the message loop tries them before any control sees the key, so
// they work whichever box has the focus.
#include "resource_ids.h"
#include "resource_parts.h"

namespace {

constexpr BYTE kPlain = FVIRTKEY | FNOINVERT;
constexpr BYTE kCtrl = FVIRTKEY | FNOINVERT | FCONTROL;
constexpr BYTE kCtrlShift = FVIRTKEY | FNOINVERT | FCONTROL | FSHIFT;

const ACCEL kEntries[] = {
    {kCtrl, '1', ID_LINE_TOOL},
    {kCtrl, '2', ID_RECTANGLE_TOOL},
    {kCtrl, '3', ID_ELLIPSE_TOOL},
    {kCtrl, '4', ID_TEXT_TOOL},       // the text tool without asking for text
    {kCtrl, '5', ID_POLYGON_TOOL},
    {kCtrl, 'G', IDC_GOTO_PAGE},      // as the "..." button
    {kPlain, 'T', ID_ENTER_TEXT},
    {kPlain, VK_DELETE, ID_DELETE_TEMPORARY},
    {kCtrl, VK_DELETE, ID_DELETE_PAGE},
    {kPlain, VK_END, ID_SCROLL_DOWN},
    {kPlain, VK_HOME, ID_SCROLL_UP},
    {kPlain, VK_ESCAPE, ID_NO_TOOL},
    {kPlain, VK_F1, ID_HELP},         // as the "&Help" button
    {kPlain, VK_NEXT, ID_NEXT_PAGE},  // Page Down
    {kPlain, VK_PRIOR, ID_PREVIOUS_PAGE},  // Page Up
    {kCtrl, 'Z', ID_UNDO},
    {kCtrl, 'Y', ID_REDO},
    {kCtrlShift, 'Z', ID_REDO},
    {kPlain, 'E', ID_ERASE},          // Alt+E stays the "&Exit" button's
};

}  // namespace

const AcceleratorResource kMainAccelerators = {kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
