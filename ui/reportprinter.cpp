// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/reportprinter.h"

#include "ui/cupsprinter.h"
#include "ui/screenwindow.h"
#include "ui/twips.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace quorix {

namespace {

QString realAskName(QWidget *parent)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("namePrompt"));
    dialog.setWindowTitle(programTitle());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(QStringLiteral("Please enter your name to identify your printout"));
    dialog.setTextValue(QString());
    // At its design place inside the design area of the screen that asks,
    // wherever that window stands and at its scale. An explicit move also
    // keeps Qt from centring the prompt over its parent.
    const QPoint place = scaledRect(twipsRect(450, 4500, 0, 0), designScale(parent)).topLeft();
    if (const auto *window = parent ? qobject_cast<const ScreenWindow *>(parent->window()) : nullptr) {
        dialog.move(window->mapToGlobal(window->designOrigin() + place));
    } else {
        QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        dialog.move((screen ? screen->geometry().topLeft() : QPoint()) + place);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

void realTellSaved(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Information, programTitle(), message, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("resultsSavedMessage"));
    box.exec();
}

AfterFailure realAskAfterFailure(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, programTitle(), message, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("resultsNotSavedMessage"));
    QPushButton *saveAs = box.addButton(QStringLiteral("Save as..."), QMessageBox::AcceptRole);
    QPushButton *back = box.addButton(QStringLiteral("Go back"), QMessageBox::RejectRole);
    QPushButton *end = box.addButton(QStringLiteral("End without results"), QMessageBox::DestructiveRole);
    saveAs->setObjectName(QStringLiteral("saveAs"));
    back->setObjectName(QStringLiteral("goBack"));
    end->setObjectName(QStringLiteral("endWithoutResults"));
    box.setDefaultButton(saveAs);
    // Escape must never throw the results away.
    box.setEscapeButton(back);
    box.exec();
    if (box.clickedButton() == saveAs)
        return AfterFailure::ChooseFile;
    if (box.clickedButton() == end)
        return AfterFailure::EndWithoutResults;
    return AfterFailure::GoBack;
}

QString realChooseFile(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent, QStringLiteral("Save your results"), suggested,
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("saveResultsDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString fallbackFileName(const QDateTime &when, int attempt)
{
    const QString stem = QStringLiteral("quorix-results-") + when.toString(QStringLiteral("yyyy-MM-dd-HHmm"));
    return attempt == 1 ? stem + QStringLiteral(".pdf") : stem + QStringLiteral("-%1.pdf").arg(attempt);
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Every report starts so; a file given with --print-to-pdf that does not is
// something else (a typing slip away from a catalogue or a bank) and is kept.
const QByteArray reportHead = QByteArrayLiteral("%PDF-");

// The document's bytes, or why it could not be made. replaceOnly as for
// SafeWriter::writeFile.
Result<void> writeFile(const Result<QByteArray> &pdf, const QString &path, const ReportPrinting &printing,
                       const QByteArray &replaceOnly = QByteArray())
{
    if (!pdf)
        return Result<void>::failure(pdf.error());
    return printing.files.writeFile(path, pdf.value(), replaceOnly);
}

bool isTemporaryFolder(const QString &folder)
{
    return QDir(folder) == QDir(QDir::tempPath());
}

Result<int> printToDefaultPrinter(const Result<QByteArray> &pdf, const ReportPrinting &printing)
{
    const auto notPrepared = [](const QString &why) {
        return Result<int>::failure(
            QStringLiteral("the report could not be prepared for printing (%1)").arg(why));
    };
    if (!pdf)
        return notPrepared(pdf.error());
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/quorix-report-XXXXXX.pdf"));
    if (!file.open())
        return notPrepared(file.errorString());
    if (const Result<void> written = printing.files.writeAndSync(file, pdf.value()); !written)
        return notPrepared(written.error());
    file.close();
    // The document travels with the request, so the temporary file may go
    // as soon as the submission returns.
    return printing.submit(file.fileName(), programTitle());
}

PrintOutcome saveInstead(QWidget *parent, const Result<QByteArray> &pdf, const QString &reason,
                         const ReportPrinting &printing)
{
    const QString notPrinted = QStringLiteral("Your results could not be printed: %1.").arg(reason);
    const QString folder = printing.fallbackFolder();
    const QDateTime when = printing.now();
    const Result<QString> saved = pdf ? saveReportInFolder(pdf.value(), folder, when, printing.files)
                                      : Result<QString>::failure(pdf.error());
    if (saved) {
        const QString temporaryNote = isTemporaryFolder(folder)
            ? QStringLiteral("\n\nThis is a temporary folder, which may be emptied when the computer "
                             "restarts: copy the file somewhere safe.")
            : QString();
        printing.tellSaved(parent,
                           notPrinted
                               + QStringLiteral("\n\nThey have been saved as a PDF file "
                                                "instead:\n%1\n\nYou can print it or hand "
                                                "it in from there.")
                                     .arg(nativePath(saved.value()))
                               + temporaryNote);
        return PrintOutcome::Saved;
    }

    QString message = notPrinted
        + QStringLiteral("\n\nThey could not be saved in %1 either: %2.")
              .arg(nativePath(folder), saved.error());
    QString suggested = QDir(folder).filePath(fallbackFileName(when, 1));
    for (;;) {
        const AfterFailure choice = printing.askAfterFailure(
            parent,
            message
                + QStringLiteral("\n\nChoose another place to save them, go back to the program, "
                                 "or end without your results."));
        if (choice == AfterFailure::GoBack)
            return PrintOutcome::GoBack;
        if (choice == AfterFailure::EndWithoutResults)
            return PrintOutcome::EndWithoutResults;
        const QString path = printing.chooseFile(parent, suggested);
        if (path.isEmpty())
            continue;
        const Result<void> written = writeFile(pdf, path, printing);
        if (written)
            return PrintOutcome::Saved;
        message = QStringLiteral("Your results could not be saved as %1: %2.")
                      .arg(nativePath(path), written.error());
        suggested = path;
    }
}

} // namespace

ReportPrinting ReportPrinting::system()
{
    ReportPrinting p;
    p.tellSaved = realTellSaved;
    p.askAfterFailure = realAskAfterFailure;
    p.chooseFile = realChooseFile;
    p.submit = submitToDefaultPrinter;
    p.fallbackFolder = defaultFallbackFolder;
    p.now = [] { return QDateTime::currentDateTime(); };
    return p;
}

QString askStudentName(QWidget *parent)
{
    return realAskName(parent);
}

PrintOutcome printReport(QWidget *parent, const Result<QByteArray> &pdf, const QString &pdfFile,
                         const ReportPrinting &printing)
{
    QString reason;
    if (!pdfFile.isEmpty()) {
        const Result<void> written = writeFile(pdf, pdfFile, printing, reportHead);
        if (written)
            return PrintOutcome::Printed;
        reason = QStringLiteral("the file %1 could not be written (%2)")
                     .arg(nativePath(pdfFile), written.error());
    } else {
        const Result<int> job = printToDefaultPrinter(pdf, printing);
        if (job)
            return PrintOutcome::Printed;
        reason = job.error();
    }
    return saveInstead(parent, pdf, reason, printing);
}

Result<QString> saveReportInFolder(const QByteArray &pdf, const QString &folder, const QDateTime &when,
                                   const SafeWriter &files)
{
    // Others may list a shared temporary folder; only the student reads the report.
    const QFileDevice::Permissions permissions
        = isTemporaryFolder(folder) ? SafeWriter::ownerOnlyPermissions() : SafeWriter::defaultPermissions();
    return files.writeNewFileIn(
        folder, [&when](int attempt) { return fallbackFileName(when, attempt); }, pdf, permissions);
}

QString defaultFallbackFolder()
{
    // Without HOME, Qt takes / for the home folder, which is nobody's.
    if (qEnvironmentVariableIsEmpty("HOME"))
        return QDir::tempPath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace quorix
