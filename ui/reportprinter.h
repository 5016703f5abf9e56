// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/result.h"
#include "core/safewriter.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

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
    // Every file the report goes into.
    SafeWriter files;

    static ReportPrinting system();
};

// Prints the report, given as a PDF document, to the default printer, or
// writes it to pdfFile when that is not empty; falls back to a PDF in the
// user's documents folder and then to a save dialog, so the results are never
// lost silently. A report that could not be made is a failure like any other.
PrintOutcome printReport(QWidget *parent, const Result<QByteArray> &pdf, const QString &pdfFile,
                         const ReportPrinting &printing = ReportPrinting::system());

// quorix-results-YYYY-MM-DD-HHMM.pdf in folder, created without replacing
// anything ("-2", "-3", ... when taken): the path written, or why not. In the
// temporary folder only the owner may read it.
Result<QString> saveReportInFolder(const QByteArray &pdf, const QString &folder, const QDateTime &when,
                                   const SafeWriter &files = SafeWriter());

// The user's documents folder when it exists, else the home folder; the
// temporary folder when HOME is unset.
QString defaultFallbackFolder();

} // namespace quorix
