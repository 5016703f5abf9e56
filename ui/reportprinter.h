#pragma once

#include "app/printscript.h"

#include <QString>

class QWidget;

namespace quorix {

// The name prompt "Please enter your name to identify your printout"; cancel
// gives an empty name.
QString askStudentName(QWidget *parent);

enum class PrintOutcome {
    Printed,          // sent to the printer, or written to the --print-to-pdf file
    Saved,            // no printer: saved as a PDF and the student told where
    GoBack,           // nothing could be printed or saved; the student goes back
    EndWithoutResults // the student chose to end without the results
};

// Prints the report (Arial 10 pt, A4) to the default printer, or to pdfFile
// when it is not empty; falls back to a PDF in the user's documents folder
// and then to a save dialog, so the results are never lost silently.
PrintOutcome printReport(QWidget *parent, const PrintScript &report, const QString &pdfFile);

} // namespace quorix
