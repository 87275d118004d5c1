// "&Print": the figures of the page on screen, at their true size, on one
// sheet of the printer the user picks. The sheet, the ruling, the margin
// line and any shape under way belong to the screen and are not printed.
// Every failure ends the command quietly, and nothing on screen changes.
#include "application.h"
#include "canvas.h"
#include "dialog_commands.h"

namespace {

// The paper and orientation chosen in the dialog are not used: the
// printer prints with its own defaults.
constexpr DWORD kSetupFlags =
    PSD_MINMARGINS | PSD_INHUNDREDTHSOFMILLIMETERS | PSD_DISABLEMARGINS | PSD_DISABLEPAGEPAINTING;

// The printer DC of the chosen printer's names, which it frees.
HDC OpenPrinter(HGLOBAL names) {
    HDC printer = nullptr;
    if (const auto* block = static_cast<const char*>(GlobalLock(names))) {
        const auto* offsets = reinterpret_cast<const DEVNAMES*>(block);
        printer = CreateDCA(block + offsets->wDriverOffset, block + offsets->wDeviceOffset,
                            block + offsets->wOutputOffset, nullptr);
        GlobalUnlock(names);
    }
    GlobalFree(names);
    return printer;
}

HDC ChoosePrinter(HWND mainWindow) {
    PAGESETUPDLGA setup{};
    setup.lStructSize = sizeof(setup);
    setup.hwndOwner = mainWindow;
    setup.Flags = kSetupFlags;
    if (!PageSetupDlgA(&setup)) {
        CommDlgExtendedError();
        return nullptr;
    }
    if (setup.hDevMode != nullptr) GlobalFree(setup.hDevMode);
    return setup.hDevNames != nullptr ? OpenPrinter(setup.hDevNames) : nullptr;
}

}  // namespace

// Page coordinates are tenths of a millimetre with y up and the page top at
// 0, so under MM_LOMETRIC the figures land at their true size, placed from
// the printable area's top-left corner.
void PrintCurrentPage(HWND mainWindow) {
    HDC printer = ChoosePrinter(mainWindow);
    if (printer == nullptr) return;
    PrepareDC(mainWindow, printer, 0);
    DOCINFOA document{sizeof(document), "Tarnwick Page", nullptr, "", 0};
    StartDocA(printer, &document);
    StartPage(printer);
    TheApplication().DrawPageObjects(printer);
    EndPage(printer);
    EndDoc(printer);
    FinishDC(0);
    DeleteDC(printer);
}
