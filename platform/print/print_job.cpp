// Printer device contexts and their print jobs. A printer DC owns its
// QPrinter and the job on it; the job starts when StartDocA begins painting
// on the printer (that is when the document name must be known) and is
// handed over at EndDoc. The DC maps as GDI's printers do: device pixels at
// the printer's own resolution, with the origin at the printable area's
// top-left corner.
#include <QFile>
#include <QPrinter>

#include "core/qt_application.h"
#include "gdi/device_context.h"
#include "print/printers.h"
#include "print/queue_answer.h"

namespace tarnwick::print {
namespace {

QString TextOf(LPCSTR text) { return text ? QString::fromUtf8(text) : QString(); }

// Qt writes a PDF file through a device whose write errors it does not
// report, so a full disk leaves a file cut short; a whole one ends with
// its end-of-file marker.
bool WrittenWhole(const QString& path) {
    constexpr qint64 kTail = 32;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < kTail || !file.seek(file.size() - kTail)) return false;
    return file.read(kTail).contains("%%EOF");
}

int NextJobNumber() {
    static int number = 0;
    number = number == 0x7FFFFFFF ? 1 : number + 1;
    return number;
}

// A print job and its steps. Each step checks that it comes in its turn
// (document, then pages each begun and finished, then the end) and moves
// the job on; a step out of turn is refused and changes nothing.
class PrintJob : public gdi::OwnedDevice {
public:
    explicit PrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

    ~PrintJob() override {
        if (abandoned_ && printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty())
            QFile::remove(printer_->outputFileName());
    }

    QPaintDevice* Device() override { return printer_.get(); }

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

    // StartDocA: the document's name (and another file, if given) go to the
    // printer, and the DC starts painting on it.
    int Start(gdi::DeviceContext& context, const DOCINFOA& info) {
        if (Running()) return SP_ERROR;
        printer_->setDocName(TextOf(info.lpszDocName));
        if (info.lpszOutput != nullptr && info.lpszOutput[0] != '\0') printer_->setOutputFileName(TextOf(info.lpszOutput));
        context.TargetDevice(printer_.get());
        if (context.Painter() == nullptr) {
            context.TargetDevice(nullptr);
            return SP_ERROR;
        }
        state_ = State::Started;
        hadPage_ = false;
        return NextJobNumber();
    }

    // Every page after the first starts on a new sheet.
    int BeginPage() {
        if (state_ != State::Started && state_ != State::PageDone) return SP_ERROR;
        if (hadPage_ && !printer_->newPage()) return SP_ERROR;
        state_ = State::PageOpen;
        hadPage_ = true;
        return 1;
    }

    int FinishPage() {
        if (state_ != State::PageOpen) return SP_ERROR;
        state_ = State::PageDone;
        return 1;
    }

    // Ending the painting writes the file, or hands the job to its queue,
    // which may refuse it. A file not written whole is of no use to anyone
    // and is removed.
    int End(gdi::DeviceContext& context) {
        if (!Running()) return SP_ERROR;
        context.TargetDevice(nullptr);
        state_ = State::Ended;
        if (printer_->printerState() == QPrinter::Error) return SP_ERROR;
        if (printer_->outputFileName().isEmpty()) return QueueRefusedLastJob() ? SP_ERROR : 1;
        if (WrittenWhole(printer_->outputFileName())) return 1;
        QFile::remove(printer_->outputFileName());
        return SP_ERROR;
    }

private:
    enum class State { NotStarted, Started, PageOpen, PageDone, Ended };

    // Between StartDocA and EndDoc.
    bool Running() const { return state_ != State::NotStarted && state_ != State::Ended; }

    std::unique_ptr<QPrinter> printer_;
    State state_ = State::NotStarted;
    bool hadPage_ = false;
    bool abandoned_ = false;
};

// The print job of a printer DC, or null for any other DC.
PrintJob* JobOf(HDC dc, gdi::DeviceContext** contextOut = nullptr) {
    gdi::DeviceContext* context = gdi::DeviceContextOf(dc);
    if (context == nullptr) return nullptr;
    if (contextOut != nullptr) *contextOut = context;
    return dynamic_cast<PrintJob*>(context->Owned());
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
    if (job == nullptr || info == nullptr || info->cbSize < static_cast<int>(sizeof(DOCINFOA))) return SP_ERROR;
    return job->Start(*context, *info);
}

int StartPage(HDC dc) {
    PrintJob* job = JobOf(dc);
    return job != nullptr ? job->BeginPage() : SP_ERROR;
}

int EndPage(HDC dc) {
    PrintJob* job = JobOf(dc);
    return job != nullptr ? job->FinishPage() : SP_ERROR;
}

int EndDoc(HDC dc) {
    tarnwick::gdi::DeviceContext* context = nullptr;
    PrintJob* job = JobOf(dc, &context);
    return job != nullptr ? job->End(*context) : SP_ERROR;
}
