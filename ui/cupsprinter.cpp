// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cupsprinter.h"

#include <QFile>
#include <QLibrary>

#include <cups/cups.h>

#include <type_traits>

namespace quorix {

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

} // namespace quorix
