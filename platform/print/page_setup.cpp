// PageSetupDlgA: checks the caller's structure, starts from the printer and
// settings the caller gave (or the default printer's), lets a test hook or
// the user choose, and hands the choice back as new DEVNAMES and DEVMODE
// blocks in movable global memory, freeing any the caller passed in.
#include <cstring>

#include "core/qt_application.h"
#include "core/test_hook_state.h"
#include "print/devmode.h"
#include "print/page_choice.h"
#include "print/printers.h"
#include "test_hooks.h"

namespace tarnwick::print {
namespace {

constexpr char kDriverName[] = "winspool";

DWORD lastError = 0;

BOOL Fail(DWORD error) {
    lastError = error;
    return FALSE;
}

// The string at a DEVNAMES offset, bounded by the block's size.
QString DevNamesString(const char* block, std::size_t size, WORD offset) {
    if (offset >= size) return QString();
    return QString::fromUtf8(block + offset, static_cast<qsizetype>(strnlen(block + offset, size - offset)));
}

void ReadDevNames(HGLOBAL handle, PageChoice& choice) {
    const std::size_t size = GlobalSize(handle);
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(handle));
    if (names == nullptr) return;
    if (size >= sizeof(DEVNAMES)) {
        const char* block = reinterpret_cast<const char*>(names);
        choice.device = DevNamesString(block, size, names->wDeviceOffset);
        choice.output = DevNamesString(block, size, names->wOutputOffset);
    }
    GlobalUnlock(handle);
}

void ReadDevMode(HGLOBAL handle, PageChoice& choice) {
    const auto* block = static_cast<const DEVMODEA*>(GlobalLock(handle));
    if (block == nullptr) return;
    const DeviceSettings settings = DecodeDevMode(block, GlobalSize(handle));
    GlobalUnlock(handle);
    if (settings.paper) choice.paper = *settings.paper;
    if (settings.landscape) choice.landscape = *settings.landscape;
}

// The printer and settings the caller passed in, else the default printer's.
PageChoice StartingChoice(const PAGESETUPDLGA& setup, const QStringList& printers) {
    PageChoice choice;
    if (setup.hDevNames != nullptr) ReadDevNames(setup.hDevNames, choice);
    if (!printers.contains(choice.device)) choice.device = DefaultPrinterName();
    choice.paper = DefaultPaperOf(choice.device);
    if (setup.hDevMode != nullptr) ReadDevMode(setup.hDevMode, choice);
    return choice;
}

void CopyOut(const QString& text, char* out, std::size_t size) {
    QByteArray bytes = text.toUtf8().left(static_cast<qsizetype>(size - 1));
    std::memcpy(out, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    out[bytes.size()] = '\0';
}

// 0 lets the user choose; IDOK takes the hook's choice, anything else cancels.
int AskHook(const PAGESETUPDLGA& setup, PageChoice& choice) {
    PageSetupChoice offered{};
    CopyOut(choice.device, offered.device, sizeof offered.device);
    CopyOut(choice.output, offered.output, sizeof offered.output);
    offered.landscape = choice.landscape;
    ModalRequest request{ModalRequest::PageSetup, setup.hwndOwner, "Page Setup", nullptr, 0, nullptr, &offered};
    const int answer = port::AskModalHook(request);
    if (answer == IDOK) {
        offered.device[sizeof offered.device - 1] = '\0';
        offered.output[sizeof offered.output - 1] = '\0';
        const QString device = QString::fromUtf8(offered.device);
        if (device != choice.device) choice.paper = DefaultPaperOf(device);
        choice.device = device;
        choice.output = QString::fromUtf8(offered.output);
        choice.landscape = offered.landscape;
    }
    return answer;
}

HGLOBAL NewDevNames(const PageChoice& choice) {
    const QByteArray device = choice.device.toUtf8();
    const QByteArray output = choice.output.toUtf8();
    const std::size_t driverAt = sizeof(DEVNAMES), deviceAt = driverAt + sizeof kDriverName;
    const std::size_t outputAt = deviceAt + static_cast<std::size_t>(device.size()) + 1;
    const std::size_t size = outputAt + static_cast<std::size_t>(output.size()) + 1;
    if (outputAt > 0xFFFF) return nullptr;  // offsets are WORDs
    HGLOBAL handle = GlobalAlloc(GHND, size);
    auto* block = static_cast<char*>(GlobalLock(handle));
    if (block == nullptr) return GlobalFree(handle);
    auto* names = reinterpret_cast<DEVNAMES*>(block);
    names->wDriverOffset = static_cast<WORD>(driverAt);
    names->wDeviceOffset = static_cast<WORD>(deviceAt);
    names->wOutputOffset = static_cast<WORD>(outputAt);
    names->wDefault = IsDefaultPrinter(choice.device) ? DN_DEFAULTPRN : 0;
    std::memcpy(block + driverAt, kDriverName, sizeof kDriverName);
    std::memcpy(block + deviceAt, device.constData(), static_cast<std::size_t>(device.size()) + 1);
    std::memcpy(block + outputAt, output.constData(), static_cast<std::size_t>(output.size()) + 1);
    GlobalUnlock(handle);
    return handle;
}

HGLOBAL NewDevMode(const PageChoice& choice) {
    HGLOBAL handle = GlobalAlloc(GHND, sizeof(DEVMODEA));
    auto* block = static_cast<DEVMODEA*>(GlobalLock(handle));
    if (block == nullptr) return GlobalFree(handle);
    EncodeDevMode(choice.device, choice.paper, choice.landscape, *block);
    GlobalUnlock(handle);
    return handle;
}

// The paper's size in the units the caller asked for, turned with the sheet.
POINT PaperSizeOf(const PageChoice& choice, DWORD flags) {
    const bool inches = flags & PSD_INTHOUSANDTHSOFINCHES;
    const QSizeF size = choice.paper.size(inches ? QPageSize::Inch : QPageSize::Millimeter);
    const double scale = inches ? 1000.0 : 100.0;
    POINT paper{static_cast<LONG>(size.width() * scale + 0.5), static_cast<LONG>(size.height() * scale + 0.5)};
    if (choice.landscape) std::swap(paper.x, paper.y);
    return paper;
}

BOOL Deliver(PAGESETUPDLGA& setup, const PageChoice& choice) {
    HGLOBAL names = NewDevNames(choice);
    HGLOBAL settings = NewDevMode(choice);
    if (names == nullptr || settings == nullptr) {
        if (names != nullptr) GlobalFree(names);
        if (settings != nullptr) GlobalFree(settings);
        return Fail(CDERR_MEMALLOCFAILURE);
    }
    if (setup.hDevNames != nullptr) GlobalFree(setup.hDevNames);
    if (setup.hDevMode != nullptr) GlobalFree(setup.hDevMode);
    setup.hDevNames = names;
    setup.hDevMode = settings;
    setup.ptPaperSize = PaperSizeOf(choice, setup.Flags);
    if (!(setup.Flags & PSD_MARGINS)) setup.rtMargin = (setup.Flags & PSD_MINMARGINS) ? setup.rtMinMargin : RECT{};
    return TRUE;
}

// Hooks and custom templates are not offered by this layer.
DWORD CheckRequest(const PAGESETUPDLGA* setup) {
    if (setup == nullptr || setup->lStructSize != sizeof(PAGESETUPDLGA)) return CDERR_STRUCTSIZE;
    if (setup->Flags & (PSD_ENABLEPAGESETUPHOOK | PSD_ENABLEPAGEPAINTHOOK)) return CDERR_NOHOOK;
    if (setup->Flags & (PSD_ENABLEPAGESETUPTEMPLATE | PSD_ENABLEPAGESETUPTEMPLATEHANDLE)) return CDERR_NOTEMPLATE;
    if ((setup->Flags & PSD_RETURNDEFAULT) && (setup->hDevNames != nullptr || setup->hDevMode != nullptr))
        return PDERR_RETDEFFAILURE;
    return 0;
}

}  // namespace
}  // namespace tarnwick::print

using namespace tarnwick::print;

BOOL PageSetupDlgA(LPPAGESETUPDLGA setup) {
    lastError = 0;
    if (DWORD error = CheckRequest(setup)) return Fail(error);
    if (!tarnwick::platform::EnsureQtApplication()) return Fail(CDERR_INITIALIZATION);
    // The system is asked for its printers once per call.
    const QStringList printers = PrinterNames();
    PageChoice choice = StartingChoice(*setup, printers);
    if (!(setup->Flags & PSD_RETURNDEFAULT)) {
        const int answer = AskHook(*setup, choice);
        if (answer != 0 && answer != IDOK) return FALSE;
        if (answer == 0 && !AskUser(setup->hwndOwner, choice, setup->Flags, printers)) return FALSE;
        if (!IsComplete(choice, printers)) return Fail(CDERR_DIALOGFAILURE);
    }
    return Deliver(*setup, choice);
}

DWORD CommDlgExtendedError() { return lastError; }
