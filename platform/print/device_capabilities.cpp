// DeviceCapabilitiesA: what a printer can be asked for. Every printer of
// this layer takes every paper of its one table.
#include <QPrinterInfo>

#include <cstring>

#include "core/qt_application.h"
#include "print/papers.h"
#include "print/printers.h"

namespace tarnwick::print {
namespace {

constexpr std::size_t kPaperNameBytes = 64;

bool IsKnownPrinter(LPCSTR device) {
    if (device == nullptr) return false;
    const QString name = QString::fromUtf8(device);
    if (IsPdfPrinter(name)) return true;
    return platform::EnsureQtApplication() && !QPrinterInfo::printerInfo(name).isNull();
}

// The caller's WORD array comes as bytes, so each code is copied in.
void WritePapers(LPSTR output) {
    for (const Paper& paper : Papers()) {
        const WORD code = static_cast<WORD>(paper.code);
        std::memcpy(output, &code, sizeof code);
        output += sizeof code;
    }
}

void WritePaperNames(LPSTR output) {
    for (const Paper& paper : Papers()) {
        std::strncpy(output, paper.name, kPaperNameBytes - 1);
        output[kPaperNameBytes - 1] = '\0';
        output += kPaperNameBytes;
    }
}

}  // namespace
}  // namespace tarnwick::print

using namespace tarnwick::print;

int DeviceCapabilitiesA(LPCSTR device, LPCSTR, WORD capability, LPSTR output, const DEVMODEA*) {
    if (!IsKnownPrinter(device)) return -1;
    switch (capability) {
        case DC_PAPERS:
            if (output != nullptr) WritePapers(output);
            break;
        case DC_PAPERNAMES:
            if (output != nullptr) WritePaperNames(output);
            break;
        default: return -1;
    }
    return static_cast<int>(Papers().size());
}
