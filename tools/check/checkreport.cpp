// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/check/checkreport.h"

#include <algorithm>

namespace quorix::check {

void FileReport::error(int line, const QString &message)
{
    diagnostics.push_back({line, Severity::Error, message});
}

void FileReport::warning(int line, const QString &message)
{
    diagnostics.push_back({line, Severity::Warning, message});
}

void FileReport::note(int line, const QString &message)
{
    diagnostics.push_back({line, Severity::Note, message});
}

FileReport &CheckReport::add(const QString &file)
{
    m_files.push_back({file, {}, {}});
    return m_files.back();
}

int CheckReport::errorCount() const
{
    int n = 0;
    for (const FileReport &f : m_files)
        n += int(std::count_if(f.diagnostics.begin(), f.diagnostics.end(),
                               [](const Diagnostic &d) { return d.severity == Severity::Error; }));
    return n;
}

int CheckReport::warningCount() const
{
    int n = 0;
    for (const FileReport &f : m_files)
        n += int(std::count_if(f.diagnostics.begin(), f.diagnostics.end(),
                               [](const Diagnostic &d) { return d.severity == Severity::Warning; }));
    return n;
}

QString formatDiagnostic(const QString &file, const Diagnostic &diagnostic)
{
    return QStringLiteral("%1:%2: %3: %4")
        .arg(file, QString::number(diagnostic.line),
             diagnostic.severity == Severity::Error      ? QStringLiteral("error")
                 : diagnostic.severity == Severity::Note ? QStringLiteral("note")
                                                         : QStringLiteral("warning"),
             diagnostic.message);
}

QStringList CheckReport::lines() const
{
    QStringList out;
    for (const FileReport &f : m_files) {
        std::vector<Diagnostic> sorted = f.diagnostics;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const Diagnostic &a, const Diagnostic &b) { return a.line < b.line; });
        for (const Diagnostic &d : sorted)
            out << formatDiagnostic(f.file, d);
        if (!f.summary.isEmpty())
            out << QStringLiteral("%1: %2").arg(f.file, f.summary);
    }
    const int errors = errorCount();
    const int warnings = warningCount();
    out << QStringLiteral("%1 %2 checked: %3 %4, %5 %6")
               .arg(m_files.size())
               .arg(m_files.size() == 1 ? QStringLiteral("file") : QStringLiteral("files"))
               .arg(errors)
               .arg(errors == 1 ? QStringLiteral("error") : QStringLiteral("errors"))
               .arg(warnings)
               .arg(warnings == 1 ? QStringLiteral("warning") : QStringLiteral("warnings"));
    return out;
}

} // namespace quorix::check
