// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The bank checker: reads catalogues and banks with the program's own field
// reader and bank loader, and reports what would go wrong or look wrong on
// the screens. A check fills a CheckReport, one FileReport per file checked;
// main.cpp prints it.

#include <QString>
#include <QStringList>

#include <vector>

namespace quorix::check {

// A note adds detail to a warning (--verbose) and counts as neither.
enum class Severity { Warning, Error, Note };

struct Diagnostic {
    int line = 1;
    Severity severity = Severity::Warning;
    QString message;
};

// What was found in one file: its diagnostics in line order once sorted, and
// a one-line summary (questions and keys of a bank, titles of a catalogue).
struct FileReport {
    QString file; // as it is to be printed
    std::vector<Diagnostic> diagnostics;
    QString summary;

    void error(int line, const QString &message);
    void warning(int line, const QString &message);
    void note(int line, const QString &message);
};

class CheckReport {
public:
    FileReport &add(const QString &file);
    const std::vector<FileReport> &files() const { return m_files; }

    int errorCount() const;
    int warningCount() const;

    // Every file in the order checked: its diagnostics, sorted by line, as
    // "file:line: error: message" or "file:line: warning: message", then
    // "file: summary"; last a line with the totals.
    QStringList lines() const;

private:
    std::vector<FileReport> m_files;
};

QString formatDiagnostic(const QString &file, const Diagnostic &diagnostic);

} // namespace quorix::check
