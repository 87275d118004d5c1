// What the page setup dialog lets a user choose: a printer (with the file
// when it is the PDF printer), the paper and the orientation.
#ifndef TARNWICK_PLATFORM_PRINT_PAGE_CHOICE_H
#define TARNWICK_PLATFORM_PRINT_PAGE_CHOICE_H

#include <QPageSize>
#include <QString>
#include <QStringList>

#include "windows.h"

namespace tarnwick::print {

struct PageChoice {
    QString device;
    QString output;  // the PDF printer's file
    QPageSize paper;
    bool landscape = false;
};

// Whether a choice names one of the printers, with a file for the PDF
// printer.
bool IsComplete(const PageChoice& choice, const QStringList& printers);

// Shows the dialog over the owner's window and lets the user change the
// choice; false when cancelled. PSD_DISABLE... flags grey out their parts.
bool AskUser(HWND owner, PageChoice& choice, DWORD flags, const QStringList& printers);

}  // namespace tarnwick::print

#endif
