// The printers a user can pick: the print queues the system knows (CUPS
// queues among them) and the PDF printer, which writes a file. Each is
// reached as a QPrinter set up with the printer's own defaults, or with
// the settings of a DEVMODE.
#ifndef TARNWICK_PLATFORM_PRINT_PRINTERS_H
#define TARNWICK_PLATFORM_PRINT_PRINTERS_H

#include <QPageSize>
#include <QPrinter>
#include <QStringList>

#include <memory>

#include "windows.h"

namespace tarnwick::print {

// Print queues first, the default one leading, then the PDF printer.
QStringList PrinterNames();
// The printer a choice starts from: the default queue, else the PDF printer.
QString DefaultPrinterName();
bool IsPdfPrinter(const QString& device);
bool IsDefaultPrinter(const QString& device);

// The paper a printer uses when nobody chooses.
QPageSize DefaultPaperOf(const QString& device);

// A printer ready to print, at its own resolution; null when there is no
// such queue, or the PDF printer was given no file.
std::unique_ptr<QPrinter> MakePrinter(const QString& device, const QString& output,
                                      const DEVMODEA* settings);

}  // namespace tarnwick::print

#endif
