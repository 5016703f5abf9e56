#include "questions/questiondraw.h"

#include "app/programstate.h"

#include <algorithm>

namespace quorix {

int questionQuota(int questionCount)
{
    return std::max(questionCount, 0) / 2;
}

bool quotaOpen(const ProgramState &state)
{
    return state.markedInTest < questionQuota(state.table.questionCount);
}

PrintScript headingScript(const QString &title, int questionCount)
{
    return {
        PrintItem::textItem(title),
        PrintItem::lineEnd(),
        PrintItem::textItem(QStringLiteral("There are")),
        PrintItem::numberItem(2.0 * questionCount),
        PrintItem::textItem(QStringLiteral("questions in this test. You will be asked")),
        PrintItem::numberItem(questionQuota(questionCount)),
        PrintItem::textItem(QStringLiteral("selected at random.")),
        PrintItem::lineEnd(),
    };
}

PrintScript questionLineScript(int row, int version)
{
    return {
        PrintItem::textItem(QStringLiteral("Question ")), PrintItem::numberItem(row),
        PrintItem::textItem(QStringLiteral(":")),         PrintItem::numberItem(version),
        PrintItem::textItem(QStringLiteral("  ")),
    };
}

QString completionMessage()
{
    return QStringLiteral("You have completed this test. Go back to the main menu to see your score "
                          "or run another test.");
}

std::optional<int> drawQuestion(const QuestionTable &table, RandomSource &random)
{
    const int count = std::clamp(table.questionCount, 0, QuestionTable::MaxQuestions);
    bool anyLeft = false;
    for (int row = 1; row <= count && !anyLeft; ++row)
        anyLeft = !table.isShown(row);
    if (!anyLeft)
        return std::nullopt;

    for (;;) {
        const int row = int(random.next() * count + 1);
        // A row outside the bank (rounding at r close to 1) is drawn again.
        if (row >= 1 && row <= count && !table.isShown(row))
            return row;
    }
}

int drawVersion(RandomSource &random)
{
    return int(2 * random.next() + 1) == 2 ? 2 : 1;
}

std::optional<Selection> selectQuestion(ProgramState &state)
{
    if (!quotaOpen(state))
        return std::nullopt;
    const std::optional<int> row = drawQuestion(state.table, state.random);
    if (!row)
        return std::nullopt;
    const int version = drawVersion(state.random);

    QuestionTable &table = state.table;
    state.currentQuestion = double(*row);
    state.currentVersion = double(version);
    state.pictureFile = table.cell(*row, Picture);
    const bool second = version == 2;
    state.currentStatement = toText(table.cell(*row, second ? Statement2 : Statement1));
    state.currentKey = toText(table.cell(*row, second ? Key2 : Key1));
    state.currentExplanation = toText(table.cell(*row, second ? Explanation2 : Explanation1));
    table.cell(*row, ShownFlag) = 1.0;
    return Selection{*row, version};
}

} // namespace quorix
