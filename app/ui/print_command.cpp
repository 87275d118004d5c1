// "&Print": the figures of the page on screen, at their true size, on one
// sheet of the printer the user picks. The sheet, the ruling, the margin
// line and any shape under way belong to the screen and are not printed,
// and nothing on screen changes. Cancelling the page setup dialog ends the
// command quietly; a print that fails after it tells the user what failed,
// in a message box owned by the main window, so nobody walks to the
// printer for a sheet that never comes.
#include <cstdio>
#include <cstring>

#include "application.h"
#include "canvas.h"
#include "dialog_commands.h"

namespace {

// The paper and orientation chosen in the dialog are not used: the
// printer prints with its own defaults.
constexpr DWORD kSetupFlags =
    PSD_MINMARGINS | PSD_INHUNDREDTHSOFMILLIMETERS | PSD_DISABLEMARGINS | PSD_DISABLEPAGEPAINTING;

constexpr char kDocumentName[] = "Tarnwick Page";
constexpr char kFailureCaption[] = "Print";

// How a print ended, in the order of its steps.
enum class PrintOutcome {
    Printed,
    Cancelled,         // the dialog was cancelled: nothing to say
    NoPrinter,         // the dialog failed, or chose no printer
    PrinterNotOpened,  // no printer DC
    DocumentRefused,   // StartDocA
    PageRefused,       // StartPage or EndPage
    JobRefused,        // EndDoc: the queue refused the job, or the file was not written whole
};

// What the user is told, with "%s" for the printer's name, or for the
// file's when the printer writes one.
struct FailureText {
    PrintOutcome outcome;
    const char* printerText;
    const char* fileText;
};

constexpr FailureText kFailureTexts[] = {
    {PrintOutcome::NoPrinter, "Nothing was printed: the printer could not be set up.",
     "Nothing was printed: the printer could not be set up."},
    {PrintOutcome::PrinterNotOpened, "Nothing was printed: the printer \"%s\" could not be opened.",
     "Nothing was printed: the file \"%s\" could not be written."},
    {PrintOutcome::DocumentRefused, "Nothing was printed: the printer \"%s\" did not accept the document.",
     "Nothing was printed: the file \"%s\" could not be written."},
    {PrintOutcome::PageRefused, "Nothing was printed: the printer \"%s\" did not accept the page.",
     "Nothing was printed: the file \"%s\" could not be written."},
    {PrintOutcome::JobRefused, "Nothing was printed: the printer \"%s\" refused the print job.",
     "Nothing was printed: the file \"%s\" could not be written whole."},
};

// The chosen printer's name and file, kept for the message.
struct ChosenPrinter {
    char device[256] = "";
    char output[1024] = "";
};

// The printer DC of the chosen printer's names, which it frees.
HDC OpenPrinter(HGLOBAL names, ChosenPrinter& chosen) {
    HDC printer = nullptr;
    if (const auto* block = static_cast<const char*>(GlobalLock(names))) {
        const auto* offsets = reinterpret_cast<const DEVNAMES*>(block);
        std::snprintf(chosen.device, sizeof chosen.device, "%s", block + offsets->wDeviceOffset);
        std::snprintf(chosen.output, sizeof chosen.output, "%s", block + offsets->wOutputOffset);
        printer = CreateDCA(block + offsets->wDriverOffset, block + offsets->wDeviceOffset,
                            block + offsets->wOutputOffset, nullptr);
        GlobalUnlock(names);
    }
    GlobalFree(names);
    return printer;
}

// A cancelled dialog leaves no extended error; a failed one does.
PrintOutcome ChoosePrinter(HWND mainWindow, ChosenPrinter& chosen, HDC& printer) {
    PAGESETUPDLGA setup{};
    setup.lStructSize = sizeof(setup);
    setup.hwndOwner = mainWindow;
    setup.Flags = kSetupFlags;
    if (!PageSetupDlgA(&setup)) return CommDlgExtendedError() == 0 ? PrintOutcome::Cancelled : PrintOutcome::NoPrinter;
    if (setup.hDevMode != nullptr) GlobalFree(setup.hDevMode);
    if (setup.hDevNames == nullptr) return PrintOutcome::NoPrinter;
    printer = OpenPrinter(setup.hDevNames, chosen);
    return printer != nullptr ? PrintOutcome::Printed : PrintOutcome::PrinterNotOpened;
}

// One sheet with the page's figures. A job whose document or page was
// refused is not ended but abandoned when its DC goes.
PrintOutcome PrintSheet(HDC printer) {
    DOCINFOA document{sizeof(document), kDocumentName, nullptr, "", 0};
    if (StartDocA(printer, &document) <= 0) return PrintOutcome::DocumentRefused;
    if (StartPage(printer) <= 0) return PrintOutcome::PageRefused;
    TheApplication().DrawPageObjects(printer);
    if (EndPage(printer) <= 0) return PrintOutcome::PageRefused;
    return EndDoc(printer) > 0 ? PrintOutcome::Printed : PrintOutcome::JobRefused;
}

void TellFailure(HWND mainWindow, PrintOutcome outcome, const ChosenPrinter& chosen) {
    for (const FailureText& entry : kFailureTexts) {
        if (entry.outcome != outcome) continue;
        const bool toFile = chosen.output[0] != '\0';
        char text[1536];
        std::snprintf(text, sizeof text, toFile ? entry.fileText : entry.printerText, toFile ? chosen.output : chosen.device);
        MessageBoxA(mainWindow, text, kFailureCaption, MB_OK | MB_ICONERROR);
    }
}

}  // namespace

// Page coordinates are tenths of a millimetre with y up and the page top at
// 0, so under MM_LOMETRIC the figures land at their true size, placed from
// the printable area's top-left corner.
void PrintCurrentPage(HWND mainWindow) {
    ChosenPrinter chosen;
    HDC printer = nullptr;
    PrintOutcome outcome = ChoosePrinter(mainWindow, chosen, printer);
    if (printer != nullptr) {
        PrepareDC(mainWindow, printer, 0);
        outcome = PrintSheet(printer);
        FinishDC(0);
        DeleteDC(printer);
    }
    TellFailure(mainWindow, outcome, chosen);
}
