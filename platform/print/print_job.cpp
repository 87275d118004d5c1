// Printer device contexts and their print jobs. A printer DC owns its
// QPrinter; the job starts when StartDocA begins painting on it (that is
// when the document name must be known) and is handed over at EndDoc. The
// DC maps as GDI's printers do: device pixels at the printer's own
// resolution, with the origin at the printable area's top-left corner.
#include <QFile>
#include <QPrinter>

#include "core/qt_application.h"
#include "gdi/device_context.h"
#include "print/printers.h"

namespace tarnwick::print {
namespace {

enum class JobState { NotStarted, Started, PageOpen, PageDone, Ended };

class PrintJob : public gdi::OwnedDevice {
public:
    explicit PrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

    QPaintDevice* Device() override { return printer_.get(); }
    QPrinter& Printer() { return *printer_; }

    int Capability(int index) override {
        const QRect paper = printer_->paperRect(QPrinter::DevicePixel).toRect();
        const QRect page = printer_->pageRect(QPrinter::DevicePixel).toRect();
        switch (index) {
            case HORZRES: return page.width();
            case VERTRES: return page.height();
            case HORZSIZE: return printer_->widthMM();
            case VERTSIZE: return printer_->heightMM();
            case PHYSICALWIDTH: return paper.width();
            case PHYSICALHEIGHT: return paper.height();
            case PHYSICALOFFSETX: return page.left() - paper.left();
            case PHYSICALOFFSETY: return page.top() - paper.top();
            default: return 0;
        }
    }

    // A job begun but never ended is not printed; the PDF printer's file,
    // written when the painter lets go, is removed once it has.
    void Abandon() override {
        if (!Running()) return;
        printer_->abort();
        abandoned_ = true;
    }

    ~PrintJob() override {
        if (abandoned_ && printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty())
            QFile::remove(printer_->outputFileName());
    }

    // Between StartDocA and EndDoc.
    bool Running() const { return state != JobState::NotStarted && state != JobState::Ended; }

    JobState state = JobState::NotStarted;
    bool hadPage = false;

private:
    std::unique_ptr<QPrinter> printer_;
    bool abandoned_ = false;
};

// The print job of a printer DC, or null for any other DC.
PrintJob* JobOf(HDC dc, gdi::DeviceContext** contextOut = nullptr) {
    gdi::DeviceContext* context = gdi::DeviceContextOf(dc);
    if (context == nullptr) return nullptr;
    if (contextOut != nullptr) *contextOut = context;
    return dynamic_cast<PrintJob*>(context->Owned());
}

QString TextOf(LPCSTR text) { return text ? QString::fromUtf8(text) : QString(); }

int NextJobNumber() {
    static int number = 0;
    number = number == 0x7FFFFFFF ? 1 : number + 1;
    return number;
}

}  // namespace
}  // namespace tarnwick::print

using namespace tarnwick::print;

HDC CreateDCA(LPCSTR, LPCSTR device, LPCSTR output, const DEVMODEA* settings) {
    if (device == nullptr || !tarnwick::platform::EnsureQtApplication()) return nullptr;
    std::unique_ptr<QPrinter> printer = MakePrinter(TextOf(device), TextOf(output), settings);
    if (!printer) return nullptr;
    const int dpi = printer->resolution();
    auto* job = new (std::nothrow) PrintJob(std::move(printer));
    if (job == nullptr) return nullptr;
    return tarnwick::gdi::CreateOwningDeviceContext(std::unique_ptr<PrintJob>(job), dpi, dpi);
}

int StartDocA(HDC dc, const DOCINFOA* info) {
    tarnwick::gdi::DeviceContext* context = nullptr;
    PrintJob* job = JobOf(dc, &context);
    if (job == nullptr || info == nullptr || info->cbSize < static_cast<int>(sizeof(DOCINFOA)) || job->Running())
        return SP_ERROR;
    QPrinter& printer = job->Printer();
    printer.setDocName(TextOf(info->lpszDocName));
    if (info->lpszOutput != nullptr && info->lpszOutput[0] != '\0') printer.setOutputFileName(TextOf(info->lpszOutput));
    context->TargetDevice(&printer);
    if (context->Painter() == nullptr) {
        context->TargetDevice(nullptr);
        return SP_ERROR;
    }
    job->state = JobState::Started;
    job->hadPage = false;
    return NextJobNumber();
}

// Every page after the first starts on a new sheet.
int StartPage(HDC dc) {
    PrintJob* job = JobOf(dc);
    if (job == nullptr || (job->state != JobState::Started && job->state != JobState::PageDone)) return SP_ERROR;
    if (job->hadPage && !job->Printer().newPage()) return SP_ERROR;
    job->state = JobState::PageOpen;
    job->hadPage = true;
    return 1;
}

int EndPage(HDC dc) {
    PrintJob* job = JobOf(dc);
    if (job == nullptr || job->state != JobState::PageOpen) return SP_ERROR;
    job->state = JobState::PageDone;
    return 1;
}

// Ending the painting hands the job to the printer (or writes the file).
int EndDoc(HDC dc) {
    tarnwick::gdi::DeviceContext* context = nullptr;
    PrintJob* job = JobOf(dc, &context);
    if (job == nullptr || !job->Running()) return SP_ERROR;
    context->TargetDevice(nullptr);
    job->state = JobState::Ended;
    return job->Printer().printerState() == QPrinter::Error ? SP_ERROR : 1;
}
