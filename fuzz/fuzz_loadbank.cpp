// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Load bank on arbitrary bytes in a bank file, opened as the menu opens it:
// an accepted bank starts a test of at most 400 questions; a refused one
// leaves the set loaded before it as it was and says why in a short message.

#include "fuzz/scratchfile.h"
#include "questions/bankloader.h"
#include "questions/questionsession.h"
#include "scoring/answerlog.h"
#include "scoring/tally.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

const QByteArray loadedBefore = "7,blank.bmp,Kept statement,T,E1,S2,F,E2\n-999\n";

void loadTheSetBefore(quorix::QuestionSession &session)
{
    session.startTest(QStringLiteral("Set 1"),
                      quorix::parseBank(loadedBefore, QStringLiteral("qbank1.txt")).value());
}

bool holdsTheSetBefore(const quorix::QuestionSession &session)
{
    return session.questionCount() == 1 && session.record(1).statement1 == QLatin1String("Kept statement");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const ScratchFile file("qbank2.txt");
    static quorix::ScoreTally tally;
    static quorix::AnswerLog log;
    static const auto session = [] {
        auto s = std::make_unique<quorix::QuestionSession>(tally, log);
        loadTheSetBefore(*s);
        return s;
    }();
    file.write(data, size);

    auto opened = quorix::BankFile::open(file.path());
    if (!opened)
        __builtin_trap(); // a regular file under 16 MB always opens
    const auto bank = opened->readAndClose();
    if (!bank) {
        if (bank.error().isEmpty() || bank.error().size() > 400 + file.path().size()
            || !holdsTheSetBefore(*session))
            __builtin_trap();
        return 0;
    }
    if (bank->records.size() > std::size_t(quorix::LoadedBank::MaxRecords))
        __builtin_trap();
    session->startTest(QStringLiteral("Set 2"), bank.value());
    if (session->questionCount() != int(bank->records.size()))
        __builtin_trap();
    loadTheSetBefore(*session);
    return 0;
}
