// DEVMODE blocks as this layer reads and writes them: of all their fields,
// the paper and the orientation. The page setup dialog reads the block a
// caller passes in and hands a new one back; CreateDCA applies one to a
// printer. Both go through here.
#ifndef TARNWICK_PLATFORM_PRINT_DEVMODE_H
#define TARNWICK_PLATFORM_PRINT_DEVMODE_H

#include <QPageSize>
#include <QString>

#include <cstddef>
#include <optional>

#include "windows.h"

namespace tarnwick::print {

// What a block asks for; a field it leaves out, or a paper this layer does
// not have, stays empty.
struct DeviceSettings {
    std::optional<QPageSize> paper;
    std::optional<bool> landscape;
};

// Reads a block the caller says holds `size` bytes; one too short for a
// DEVMODEA asks for nothing.
DeviceSettings DecodeDevMode(const DEVMODEA* block, std::size_t size);

// Writes the device's name, paper and orientation into a zeroed block.
void EncodeDevMode(const QString& device, const QPageSize& paper, bool landscape, DEVMODEA& block);

}  // namespace tarnwick::print

#endif
