#pragma once

#include "core/result.h"
#include "questions/questiontable.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace quorix {

struct LoadedBank {
    std::vector<QuestionRecord> records;
    bool terminated = false; // the -999 terminator was found
    int terminatorLine = 0;
};

// Parses a whole bank. fileName is used in error messages only. Refuses:
// more than 400 records, a file ending inside a record, a record number that
// is text not reading as a number.
Result<LoadedBank> parseBank(const QByteArray &bytes, const QString &fileName);

// The open bank file of the main menu: opened when an option is chosen,
// read whole and closed by OK.
class BankFile {
public:
    static Result<BankFile> open(const QString &fileName);
    const QString &fileName() const { return m_fileName; }
    Result<LoadedBank> readAndClose();

private:
    QString m_fileName;
    QByteArray m_bytes;
};

// Copies an accepted bank into the table: questionCount, columns 1..8 of rows
// 1..count, and shownFlag 0 in every row 1..400.
void loadBank(QuestionTable &table, const LoadedBank &bank);

} // namespace quorix
