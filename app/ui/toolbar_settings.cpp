#include "toolbar_settings.h"

#include "resource_ids.h"
#include "toolbar_values.h"

namespace {

LRESULT Selection(HWND mainWindow, int boxId) {
    return SendDlgItemMessageA(mainWindow, boxId, CB_GETCURSEL, 0, 0);
}

}  // namespace

ToolbarSettings ReadToolbar(HWND mainWindow) {
    ToolbarSettings settings{};
    settings.temporary =
        SendDlgItemMessageA(mainWindow, IDC_TEMPORARY, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    // Temporary lines are always drawn one pixel wide.
    settings.penWidth =
        settings.temporary ? 0 : EntryOf(kLineWidths, Selection(mainWindow, IDC_LINE_WIDTH));
    settings.colour = EntryOf(kColours, Selection(mainWindow, IDC_LINE_COLOUR));
    settings.penStyle = EntryOf(kPenStyles, Selection(mainWindow, IDC_LINE_STYLE));
    settings.fontHeight =
        FontHeightOfPoints(EntryOf(kFontPoints, Selection(mainWindow, IDC_FONT_SIZE)));
    const LRESULT fill = Selection(mainWindow, IDC_FILL_COLOUR);
    if (fill > 0 && fill < kFillEntryCount) {
        settings.fillColour = kColours[fill - 1];
        settings.fillOn = 1;
    }
    return settings;
}
