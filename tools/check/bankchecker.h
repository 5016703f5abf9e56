// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/check/checkreport.h"
#include "tools/check/textfit.h"

#include "core/datafile.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

namespace quorix::check {

// Checks catalogues and banks into a report. A bank is refused (an error)
// exactly when the program's loader refuses it; everything else that would
// show wrongly or mislead a student is a warning.
class BankChecker {
public:
    explicit BankChecker(CheckReport &report);

    // Notes on the records and statements that follow a cue to the answer.
    void setListCueRecords(bool list) { m_listCueRecords = list; }

    // A bank; its pictures are looked for in pictureFolder, as the program
    // looks for them in its current folder. shownName names it in the report.
    // Returns the bank's report, for what the folder adds to it.
    FileReport &checkBank(const QString &path, const QString &shownName, const QString &pictureFolder);
    // A catalogue; the banks of its options are looked for in bankFolder.
    // Returns the options a student can choose whose bank files exist there.
    std::vector<int> checkCatalogue(const QString &path, const QString &shownName, const QString &bankFolder);

    // A file by path: a catalogue when it is named qbanks.txt, else a bank.
    void checkFile(const QString &path);
    // A data folder: its catalogue, the banks its menu can open, their pictures.
    void checkFolder(const QString &folder);

    // qbanks.txt and qbank*.txt: checked as a catalogue or a bank whatever
    // they are, so a folder of that name is a bad bank, not a data folder.
    static bool namedLikeDataFile(const QString &path);

private:
    // Why the program's opener could not read a file, as the report says it.
    static void reportUnopened(DataFileProblem problem, const QString &reason, FileReport &out);
    // Reads a whole file, or reports why it cannot be read and returns false.
    static bool readFile(const QString &path, FileReport &out, QByteArray &bytes);
    // Empty when the picture can be shown; otherwise what is wrong with it.
    QString pictureProblem(const QString &folder, const QString &name);

    CheckReport &m_report;
    TextFit m_fit;
    bool m_listCueRecords = false;
    QHash<QString, QString> m_pictures; // path -> problem, so each is read once
};

} // namespace quorix::check
