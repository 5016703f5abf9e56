#pragma once

#include "core/result.h"
#include "core/value.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace quorix {

// One record of a bank file, in file order.
struct QuestionRecord {
    Value number; // record number as read (number when unquoted numeric text)
    Value picture; // picture name as read
    QString statement1, key1, explanation1;
    QString statement2, key2, explanation2;
    int line = 0; // line of the record number in its file
};

struct LoadedBank {
    static constexpr int MaxRecords = 400;
    // A record number of this value ends the bank, quoted or not.
    static constexpr double Terminator = -999;

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
    // Messages name the file without its folder, and say where it was looked for.
    static Result<BankFile> open(const QString &path);
    const QString &fileName() const { return m_fileName; }
    Result<LoadedBank> readAndClose();

private:
    QString m_fileName;
    QByteArray m_bytes;
};

} // namespace quorix
