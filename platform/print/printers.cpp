#include "print/printers.h"

#include <QPrinterInfo>

#include <new>

#include "print/devmode.h"
#include "windows.h"

namespace tarnwick::print {
namespace {

const QString& PdfPrinterName() {
    static const QString name = QString::fromLatin1(PDF_PRINTER_NAME);
    return name;
}

// The PDF printer prints on the program's own paper, US Letter, to the
// sheet's edges, so that a page's top-left corner is the sheet's.
void SetUpPdf(QPrinter& printer, const QString& output) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void ApplySettings(QPrinter& printer, const DEVMODEA& block) {
    const DeviceSettings settings = DecodeDevMode(&block, sizeof block);
    if (settings.paper) printer.setPageSize(*settings.paper);
    if (settings.landscape) printer.setPageOrientation(*settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

}  // namespace

QStringList PrinterNames() {
    QStringList names = QPrinterInfo::availablePrinterNames();
    const QString preferred = QPrinterInfo::defaultPrinterName();
    if (names.removeOne(preferred)) names.prepend(preferred);
    names.append(PdfPrinterName());
    return names;
}

QString DefaultPrinterName() {
    const QString preferred = QPrinterInfo::defaultPrinterName();
    return preferred.isEmpty() ? PdfPrinterName() : preferred;
}

bool IsPdfPrinter(const QString& device) { return device == PdfPrinterName(); }

bool IsDefaultPrinter(const QString& device) { return device == DefaultPrinterName(); }

QPageSize DefaultPaperOf(const QString& device) {
    if (IsPdfPrinter(device)) return QPageSize(QPageSize::Letter);
    QPageSize paper = QPrinterInfo::printerInfo(device).defaultPageSize();
    return paper.isValid() ? paper : QPageSize(QPageSize::Letter);
}

std::unique_ptr<QPrinter> MakePrinter(const QString& device, const QString& output,
                                      const DEVMODEA* settings) {
    std::unique_ptr<QPrinter> printer;
    if (IsPdfPrinter(device)) {
        if (output.isEmpty()) return nullptr;
        printer.reset(new (std::nothrow) QPrinter(QPrinter::HighResolution));
        if (printer) SetUpPdf(*printer, output);
    } else {
        QPrinterInfo queue = QPrinterInfo::printerInfo(device);
        if (queue.isNull()) return nullptr;
        printer.reset(new (std::nothrow) QPrinter(queue, QPrinter::HighResolution));
        // Qt starts every queue on A4; the queue's own paper is its default.
        if (printer && queue.defaultPageSize().isValid()) printer->setPageSize(queue.defaultPageSize());
    }
    if (printer && settings != nullptr) ApplySettings(*printer, *settings);
    return printer;
}

}  // namespace tarnwick::print
