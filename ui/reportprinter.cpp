#include "ui/reportprinter.h"

#include "ui/fonts.h"
#include "ui/screenwindow.h"
#include "ui/twips.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <type_traits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

namespace {

const QMarginsF reportMargins(15, 15, 15, 15); // millimetres

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

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Result<QByteArray> reportPdfBytes(const PrintScript &report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const Result<bool> written = writeReportPdf(report, buffer);
    if (!written)
        return Result<QByteArray>::failure(written.error());
    return buffer.data();
}

// Every byte written and on the disk, or why not: a full disk may only say so
// when the data is flushed or synced.
Result<bool> writeAllAndSync(QFileDevice &file, const QByteArray &bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush())
        return Result<bool>::failure(file.errorString());
    // Devices and pipes cannot be synced, and need not be.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return Result<bool>::failure(errnoText(errno));
    return true;
}

// Creates path, which must not exist yet, and writes bytes into it; nothing is
// left behind when that fails.
Result<bool> writeNewFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    // NewOnly creates the file exclusively and never through a symbolic link.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Result<bool>::failure(file.errorString());
    const Result<bool> written = writeAllAndSync(file, bytes);
    file.close();
    if (!written)
        file.remove();
    return written;
}

// Replaces the regular file at path only once the new content is complete.
Result<bool> replaceRegularFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // A file the student may write in a folder they may not still gets written.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return Result<bool>::failure(file.errorString());
    // Checked here: commit() itself takes a buffer that failed to flush for
    // success, and would put an empty file in place of the old one.
    const Result<bool> written = writeAllAndSync(file, bytes);
    if (!written) {
        file.cancelWriting();
        return written;
    }
    if (!file.commit())
        return Result<bool>::failure(file.errorString());
    return true;
}

// A device or a pipe is written into as it is: replacing it by a file would
// destroy it, and a full device must fail loudly.
Result<bool> writeIntoSpecialFile(const QString &path, const QByteArray &bytes)
{
    const QByteArray encoded = QFile::encodeName(path);
    // Non-blocking, so a pipe that nobody reads fails instead of waiting for ever.
    const int fd = ::open(encoded.constData(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENXIO)
            return Result<bool>::failure(QStringLiteral("nothing is reading from it"));
        return Result<bool>::failure(errnoText(error));
    }
    struct stat st { };
    if (::fstat(fd, &st) != 0 || S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return Result<bool>::failure(QStringLiteral("it changed while the report was being written"));
    }
    // Once open, a reader is there: let writes wait for it rather than fail.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Result<bool>::failure(file.errorString());
    }
    // A reader that goes away must give an error, not end the program.
    const auto oldHandler = std::signal(SIGPIPE, SIG_IGN);
    const Result<bool> written = writeAllAndSync(file, bytes);
    file.close();
    std::signal(SIGPIPE, oldHandler);
    return written;
}

Result<int> printToDefaultPrinter(const PrintScript &report, const ReportPrinting &printing)
{
    const auto notPrepared = [](const QString &why) {
        return Result<int>::failure(
            QStringLiteral("the report could not be prepared for printing (%1)").arg(why));
    };
    const Result<QByteArray> bytes = reportPdfBytes(report);
    if (!bytes)
        return notPrepared(bytes.error());
    QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/quorix-report-XXXXXX.pdf"));
    if (!pdf.open())
        return notPrepared(pdf.errorString());
    const Result<bool> written = writeAllAndSync(pdf, bytes.value());
    if (!written)
        return notPrepared(written.error());
    pdf.close();
    // The document travels with the request, so the temporary file may go
    // as soon as the submission returns.
    return printing.submit(pdf.fileName(), programTitle());
}

PrintOutcome saveInstead(QWidget *parent, const PrintScript &report, const QString &reason,
                         const ReportPrinting &printing)
{
    const QString notPrinted = QStringLiteral("Your results could not be printed: %1.").arg(reason);
    const QString folder = printing.fallbackFolder();
    const QDateTime when = printing.now();
    const Result<QString> saved = saveReportInFolder(report, folder, when);
    if (saved) {
        printing.tellSaved(parent,
                           notPrinted
                               + QStringLiteral("\n\nThey have been saved as a PDF file "
                                                "instead:\n%1\n\nYou can print it or hand "
                                                "it in from there.")
                                     .arg(nativePath(saved.value())));
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
        const Result<bool> written = writeReportPdfFile(report, path);
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

PrintOutcome printReport(QWidget *parent, const PrintScript &report, const QString &pdfFile)
{
    return printReport(parent, report, pdfFile, ReportPrinting::system());
}

PrintOutcome printReport(QWidget *parent, const PrintScript &report, const QString &pdfFile,
                         const ReportPrinting &printing)
{
    QString reason;
    if (!pdfFile.isEmpty()) {
        const Result<bool> written = writeReportPdfFile(report, pdfFile);
        if (written)
            return PrintOutcome::Printed;
        reason = QStringLiteral("the file %1 could not be written (%2)")
                     .arg(nativePath(pdfFile), written.error());
    } else {
        const Result<int> job = printToDefaultPrinter(report, printing);
        if (job)
            return PrintOutcome::Printed;
        reason = job.error();
    }
    return saveInstead(parent, report, reason, printing);
}

QFont reportFont()
{
    installFontSubstitutions();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    return font;
}

TextLayout layoutReport(const PrintScript &report, QPaintDevice *device)
{
    const QFontMetricsF metrics(reportFont(), device);
    TextLayout layout([metrics](const QString &text) { return metrics.horizontalAdvance(text); },
                      metrics.averageCharWidth());
    layout.print(report);
    return layout;
}

bool paintReport(QPagedPaintDevice &device, const PrintScript &report)
{
    // A4 is the paper size numbered 9 in the common numbering of printer papers.
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(reportMargins, QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QFont font(reportFont(), &device);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const TextLayout layout = layoutReport(report, &device);
    const double lineHeight = metrics.lineSpacing();
    const int linesPerPage = std::max(1, int(std::floor(device.height() / lineHeight)));

    int row = 0;
    for (const TextLayout::Line &line : layout.lines()) {
        if (row == linesPerPage) {
            device.newPage();
            row = 0;
        }
        const double baseline = row * lineHeight + metrics.ascent();
        for (const TextLayout::Segment &segment : line.segments) {
            painter.setPen(segment.color);
            painter.drawText(QPointF(segment.x, baseline), segment.text);
        }
        ++row;
    }
    return painter.end();
}

Result<bool> writeReportPdf(const PrintScript &report, QIODevice &out)
{
    QPdfWriter writer(&out);
    writer.setTitle(programTitle());
    writer.setCreator(programTitle());
    if (!paintReport(writer, report))
        return Result<bool>::failure(QStringLiteral("the PDF could not be started"));
    if (auto *file = qobject_cast<QFileDevice *>(&out); file && !file->flush())
        return Result<bool>::failure(file->errorString());
    if (auto *file = qobject_cast<QFileDevice *>(&out); file && file->error() != QFileDevice::NoError)
        return Result<bool>::failure(file->errorString());
    return true;
}

Result<bool> writeReportPdfFile(const PrintScript &report, const QString &path)
{
    const Result<QByteArray> bytes = reportPdfBytes(report);
    if (!bytes)
        return Result<bool>::failure(bytes.error());

    struct stat st { };
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT)
            return writeNewFile(path, bytes.value());
        return Result<bool>::failure(errnoText(errno));
    }
    if (S_ISREG(st.st_mode))
        return replaceRegularFile(path, bytes.value());
    // Followed, a link planted under a name known in advance (a fixed
    // --print-to-pdf name in a shared folder) could send the report over
    // another of the student's files; replaced, the link would be lost. The
    // student is asked for the real name instead.
    if (S_ISLNK(st.st_mode))
        return Result<bool>::failure(
            QStringLiteral("it is a symbolic link; give the name of the file it points to instead"));
    if (S_ISDIR(st.st_mode))
        return Result<bool>::failure(QStringLiteral("it is a folder"));
    return writeIntoSpecialFile(path, bytes.value());
}

Result<QString> saveReportInFolder(const PrintScript &report, const QString &folder, const QDateTime &when)
{
    const Result<QByteArray> bytes = reportPdfBytes(report);
    if (!bytes)
        return Result<QString>::failure(bytes.error());
    const QDir dir(folder);
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const QString path = dir.filePath(fallbackFileName(when, attempt));
        // Created exclusively, so an earlier report is never replaced.
        const Result<bool> written = writeNewFile(path, bytes.value());
        if (written)
            return path;
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return Result<QString>::failure(written.error());
    }
    return Result<QString>::failure(QStringLiteral("too many reports of this minute are there already"));
}

namespace {

// libcups, loaded when the first report is printed rather than at start-up:
// linking it brings some twenty libraries with it, which every start of the
// program would pay for.
struct Cups {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    QString error; // why it could not be loaded

    static const Cups &instance()
    {
        static const Cups cups = load();
        return cups;
    }

private:
    static Cups load()
    {
        Cups c;
        QLibrary library(QStringLiteral("cups"), 2);
        const auto resolve = [&library](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
            return function != nullptr;
        };
        if (!library.load() || !resolve(c.getNamedDest, "cupsGetNamedDest")
            || !resolve(c.lastError, "cupsLastError") || !resolve(c.lastErrorString, "cupsLastErrorString")
            || !resolve(c.printFile, "cupsPrintFile") || !resolve(c.freeDests, "cupsFreeDests"))
            c.error = library.errorString();
        return c;
    }
};

} // namespace

Result<int> submitToDefaultPrinter(const QString &pdfPath, const QString &title)
{
    const Cups &cups = Cups::instance();
    if (!cups.error.isEmpty())
        return Result<int>::failure(
            QStringLiteral("the printing system is not installed (%1)").arg(cups.error));
    cups_dest_t *dest = cups.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest) {
        const ipp_status_t status = cups.lastError();
        if (status == IPP_STATUS_OK || status == IPP_STATUS_ERROR_NOT_FOUND)
            return Result<int>::failure(QStringLiteral("there is no default printer"));
        return Result<int>::failure(QStringLiteral("the printing system cannot be reached (%1)")
                                        .arg(QString::fromUtf8(cups.lastErrorString())));
    }
    const QString name = QString::fromUtf8(dest->name);
    const QByteArray file = QFile::encodeName(pdfPath);
    const QByteArray jobTitle = title.toUtf8();
    const int job = cups.printFile(dest->name, file.constData(), jobTitle.constData(), dest->num_options,
                                   dest->options);
    cups.freeDests(1, dest);
    if (job <= 0)
        return Result<int>::failure(QStringLiteral("the printer \"%1\" did not accept the job (%2)")
                                        .arg(name, QString::fromUtf8(cups.lastErrorString())));
    return job;
}

QString defaultFallbackFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace quorix
