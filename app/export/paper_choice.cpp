#include "paper_choice.h"

#include <strings.h>

#include <vector>

#include "windows.h"

namespace {

constexpr int kPaperNameBytes = 64;

}  // namespace

short PaperCodeNamed(const char* name, std::string& known) {
    const int count = DeviceCapabilitiesA(PDF_PRINTER_NAME, nullptr, DC_PAPERS, nullptr, nullptr);
    if (count <= 0) return 0;
    std::vector<WORD> codes(static_cast<std::size_t>(count));
    std::vector<char> names(static_cast<std::size_t>(count) * kPaperNameBytes);
    if (DeviceCapabilitiesA(PDF_PRINTER_NAME, nullptr, DC_PAPERS, reinterpret_cast<LPSTR>(codes.data()), nullptr) != count ||
        DeviceCapabilitiesA(PDF_PRINTER_NAME, nullptr, DC_PAPERNAMES, names.data(), nullptr) != count)
        return 0;
    known.clear();
    for (int i = 0; i < count; ++i) {
        const char* paperName = names.data() + static_cast<std::size_t>(i) * kPaperNameBytes;
        if (name != nullptr && strcasecmp(name, paperName) == 0) return static_cast<short>(codes[static_cast<std::size_t>(i)]);
        if (i > 0) known += i + 1 == count ? " or " : ", ";
        known += paperName;
    }
    return 0;
}
