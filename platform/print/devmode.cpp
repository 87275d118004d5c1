#include "print/devmode.h"

#include <QByteArray>

#include <cstring>

#include "print/papers.h"

namespace tarnwick::print {

DeviceSettings DecodeDevMode(const DEVMODEA* block, std::size_t size) {
    DeviceSettings settings;
    if (block == nullptr || size < sizeof(DEVMODEA)) return settings;
    if (block->dmFields & DM_PAPERSIZE) {
        if (const Paper* paper = PaperOfCode(block->dmPaperSize)) settings.paper = QPageSize(paper->size);
    }
    if (block->dmFields & DM_ORIENTATION) settings.landscape = block->dmOrientation == DMORIENT_LANDSCAPE;
    return settings;
}

void EncodeDevMode(const QString& device, const QPageSize& paper, bool landscape, DEVMODEA& block) {
    const QByteArray name = device.toUtf8().left(CCHDEVICENAME - 1);
    std::memcpy(block.dmDeviceName, name.constData(), static_cast<std::size_t>(name.size()));
    block.dmDeviceName[name.size()] = '\0';
    block.dmSpecVersion = DM_SPECVERSION;
    block.dmSize = sizeof(DEVMODEA);
    block.dmFields = DM_ORIENTATION | DM_PAPERSIZE;
    block.dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    block.dmPaperSize = CodeOfPaper(paper);
    block.dmScale = 100;
    block.dmCopies = 1;
}

}  // namespace tarnwick::print
