// Load bank on arbitrary bytes in a bank file, opened as the menu opens it:
// an accepted bank fills the table with at most 400 questions; a refused one
// leaves the set loaded before it as it was and says why in a short message.

#include "fuzz/scratchfile.h"
#include "questions/bankloader.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

const QByteArray loadedBefore = "7,blank.bmp,Kept statement,T,E1,S2,F,E2\n-999\n";

void loadTheSetBefore(quorix::QuestionTable &table)
{
    quorix::loadBank(table, quorix::parseBank(loadedBefore, QStringLiteral("qbank1.txt")).value());
}

bool holdsTheSetBefore(const quorix::QuestionTable &table)
{
    return table.questionCount == 1
        && quorix::equalsText(table.cell(1, quorix::Statement1), QStringLiteral("Kept statement"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const ScratchFile file("qbank2.txt");
    static const auto table = [] {
        auto t = std::make_unique<quorix::QuestionTable>();
        loadTheSetBefore(*t);
        return t;
    }();
    file.write(data, size);

    auto opened = quorix::BankFile::open(file.path());
    if (!opened)
        __builtin_trap(); // a regular file under 16 MB always opens
    const auto bank = opened->readAndClose();
    if (!bank) {
        if (bank.error().isEmpty() || bank.error().size() > 400 + file.path().size()
            || !holdsTheSetBefore(*table))
            __builtin_trap();
        return 0;
    }
    if (bank->records.size() > std::size_t(quorix::QuestionTable::MaxQuestions))
        __builtin_trap();
    quorix::loadBank(*table, bank.value());
    if (table->questionCount != int(bank->records.size()))
        __builtin_trap();
    loadTheSetBefore(*table);
    return 0;
}
