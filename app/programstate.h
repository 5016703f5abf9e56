#pragma once

// The program-wide record every screen reads and writes. One instance lives
// for the whole run (owned by the application) and is passed by reference to
// each screen; nothing of it is ever saved.

#include "app/resultsfile.h"
#include "core/randomsource.h"
#include "core/value.h"
#include "questions/bankloader.h"
#include "questions/questiontable.h"
#include "scoring/tally.h"

#include <QString>

#include <array>
#include <optional>

namespace quorix {

struct ProgramState {
    // Program shell
    QString resultsFilePath;
    ResultsFile resultsFile;
    std::array<Value, 21> bankTitles;
    QString selectedBankTitle;
    std::optional<BankFile> openBankFile;
    int loadedOption = 0; // option of the set in the question table, 0 before the first

    // Question table; questionCount lives in it
    QuestionTable table;
    // Statements marked since the current bank was loaded: the test's quota
    // counts these, while the tally counts the whole run.
    int markedInTest = 0;

    // Score tally
    ScoreTally tally;

    // Answer being given
    Value chosenAnswer;
    Value chosenConfidence;

    // Current question
    Value currentQuestion;
    Value currentVersion;
    Value pictureFile;
    QString currentStatement;
    QString currentKey;
    QString currentExplanation;

    // Exercises
    Value personHeight, personWeight, personBmi, bmiClass;
    Value exerciseChoice;
    Value activityPar, parBand, parBandPicture, chosenBandPicture, personBmr, energyKj, oxygenLitres;

    RandomSource random;
};

} // namespace quorix
