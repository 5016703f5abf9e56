#pragma once

#include "core/printscript.h"
#include "core/result.h"
#include "ui/textoutputbox.h"

#include <QDateTime>
#include <QFont>
#include <QString>

#include <functional>

class QIODevice;
class QPagedPaintDevice;
class QWidget;

namespace quorix {

// The name prompt "Please enter your name to identify your printout"; cancel
// gives an empty name.
QString askStudentName(QWidget *parent);

enum class PrintOutcome {
    Printed, // sent to the printer, or written to the --print-to-pdf file
    Saved, // no printer: saved as a PDF and the student told where
    GoBack, // nothing could be printed or saved; the student goes back
    EndWithoutResults // the student chose to end without the results
};

// Prints the report (Arial 10 pt, A4) to the default printer, or to pdfFile
// when it is not empty; falls back to a PDF in the user's documents folder
// and then to a save dialog, so the results are never lost silently.
PrintOutcome printReport(QWidget *parent, const PrintScript &report, const QString &pdfFile);

// What the student is offered when the results could neither be printed nor
// saved in the documents folder.
enum class AfterFailure { ChooseFile, GoBack, EndWithoutResults };

// Everything printReport asks of people and of the system. The defaults show
// the real dialogs and use CUPS; tests replace members so nothing waits.
struct ReportPrinting {
    // The results were saved instead of printed; message says why and where.
    std::function<void(QWidget *parent, const QString &message)> tellSaved;
    std::function<AfterFailure(QWidget *parent, const QString &message)> askAfterFailure;
    // A save dialog starting at suggested; empty when cancelled.
    std::function<QString(QWidget *parent, const QString &suggested)> chooseFile;
    // Submits a PDF to the default printer as one job: the job id, or why not.
    std::function<Result<int>(const QString &pdfPath, const QString &title)> submit;
    // Where a report that could not be printed is saved.
    std::function<QString()> fallbackFolder;
    std::function<QDateTime()> now;

    static ReportPrinting system();
};

PrintOutcome printReport(QWidget *parent, const PrintScript &report, const QString &pdfFile,
                         const ReportPrinting &printing);

// The printer's font: Arial 10 pt (Liberation Sans here).
QFont reportFont();

// The report placed by the text-output rules in the printer font's metrics on
// device, in device units from the top-left corner of the printable area.
TextLayout layoutReport(const PrintScript &report, QPaintDevice *device);

// Paints the report on an A4 page (more pages only if the lines run past the
// page). False when the device cannot be painted on.
bool paintReport(QPagedPaintDevice &device, const PrintScript &report);

// Writes the report as a PDF to out (opened for writing); the error names
// what failed.
Result<bool> writeReportPdf(const PrintScript &report, QIODevice &out);

// Writes the report to path: a new file is created, an existing regular file
// is replaced only once the new one is complete, and a device or pipe is
// written into, never replaced. A symbolic link or a folder is refused. Every
// write is checked, so a full disk or device is an error.
Result<bool> writeReportPdfFile(const PrintScript &report, const QString &path);

// quorix-results-YYYY-MM-DD-HHMM.pdf in folder, created without replacing
// anything ("-2", "-3", ... when taken): the path written, or why not.
Result<QString> saveReportInFolder(const PrintScript &report, const QString &folder, const QDateTime &when);

// The libcups submission to the default destination.
Result<int> submitToDefaultPrinter(const QString &pdfPath, const QString &title);

// The user's documents folder when it exists, else the home folder.
QString defaultFallbackFolder();

} // namespace quorix
