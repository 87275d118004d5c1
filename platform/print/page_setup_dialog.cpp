// The page setup dialog as the user sees it: the printer, the file the PDF
// printer writes, the paper and the orientation. Margins are not offered:
// this layer has no use for them.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "print/page_choice.h"
#include "print/papers.h"
#include "print/printers.h"
#include "user/message_queue.h"
#include "user/window.h"

namespace tarnwick::print {
namespace {

class PageSetupDialog : public QDialog {
public:
    PageSetupDialog(QWidget* owner, const PageChoice& choice, DWORD flags, const QStringList& printers)
        : QDialog(owner), printers_(printers) {
        setWindowTitle(QStringLiteral("Page Setup"));
        auto* form = new QFormLayout(this);
        printer_ = new QComboBox(this);
        printer_->addItems(printers_);
        printer_->setCurrentText(choice.device);
        printer_->setEnabled(!(flags & PSD_DISABLEPRINTER));
        form->addRow(QStringLiteral("&Printer:"), printer_);
        form->addRow(QStringLiteral("&File:"), MakeFileRow(choice.output));
        paper_ = new QComboBox(this);
        for (const Paper& paper : Papers()) paper_->addItem(QPageSize::name(paper.size), static_cast<int>(paper.size));
        paper_->setEnabled(!(flags & PSD_DISABLEPAPER));
        form->addRow(QStringLiteral("P&aper:"), paper_);
        form->addRow(QStringLiteral("Orientation:"), MakeOrientationRow(choice.landscape, flags));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &PageSetupDialog::TryAccept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        form->addRow(buttons);
        connect(printer_, &QComboBox::currentTextChanged, this, &PageSetupDialog::PrinterChanged);
        FollowPrinter();
        ShowPaper(choice.paper);
    }

    PageChoice Choice() const {
        PageChoice choice;
        choice.device = printer_->currentText();
        choice.output = IsPdfPrinter(choice.device) ? file_->text().trimmed() : QString();
        choice.paper = QPageSize(static_cast<QPageSize::PageSizeId>(paper_->currentData().toInt()));
        choice.landscape = landscape_->isChecked();
        return choice;
    }

private:
    QWidget* MakeFileRow(const QString& output) {
        auto* row = new QWidget(this);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        file_ = new QLineEdit(output.isEmpty() ? QDir::home().filePath(QStringLiteral("Tarnwick Page.pdf")) : output, row);
        file_->setMinimumWidth(file_->fontMetrics().averageCharWidth() * 40);
        browse_ = new QPushButton(QStringLiteral("&Browse..."), row);
        connect(browse_, &QPushButton::clicked, this, &PageSetupDialog::Browse);
        layout->addWidget(file_, 1);
        layout->addWidget(browse_);
        return row;
    }

    QWidget* MakeOrientationRow(bool landscape, DWORD flags) {
        auto* row = new QWidget(this);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* portrait = new QRadioButton(QStringLiteral("P&ortrait"), row);
        landscape_ = new QRadioButton(QStringLiteral("&Landscape"), row);
        (landscape ? landscape_ : portrait)->setChecked(true);
        row->setEnabled(!(flags & PSD_DISABLEORIENTATION));
        layout->addWidget(portrait);
        layout->addWidget(landscape_);
        return row;
    }

    void FollowPrinter() {
        const bool pdf = IsPdfPrinter(printer_->currentText());
        file_->setEnabled(pdf);
        browse_->setEnabled(pdf);
    }

    void ShowPaper(const QPageSize& paper) {
        const int at = paper_->findData(static_cast<int>(paper.id()));
        paper_->setCurrentIndex(at >= 0 ? at : 0);
    }

    void PrinterChanged() {
        FollowPrinter();
        ShowPaper(DefaultPaperOf(printer_->currentText()));
    }

    void Browse() {
        QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Print to PDF file"), file_->text(),
                                                    QStringLiteral("PDF files (*.pdf)"));
        if (!name.isEmpty()) file_->setText(name);
    }

    // The PDF printer needs a file to write.
    void TryAccept() {
        if (IsComplete(Choice(), printers_)) {
            accept();
            return;
        }
        file_->setFocus();
    }

    QStringList printers_;
    QComboBox* printer_ = nullptr;
    QLineEdit* file_ = nullptr;
    QPushButton* browse_ = nullptr;
    QComboBox* paper_ = nullptr;
    QRadioButton* landscape_ = nullptr;
};

}  // namespace

bool IsComplete(const PageChoice& choice, const QStringList& printers) {
    if (!printers.contains(choice.device)) return false;
    return !IsPdfPrinter(choice.device) || !choice.output.isEmpty();
}

bool AskUser(HWND owner, PageChoice& choice, DWORD flags, const QStringList& printers) {
    user::Window* ownerWindow = user::WindowOf(owner);
    QWidget* parent = (ownerWindow && ownerWindow->widget) ? ownerWindow->widget->window() : nullptr;
    PageSetupDialog dialog(parent, choice, flags, printers);
    user::ModalScope modal;
    if (dialog.exec() != QDialog::Accepted) return false;
    choice = dialog.Choice();
    return true;
}

}  // namespace tarnwick::print
