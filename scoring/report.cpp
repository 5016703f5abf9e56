// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/report.h"

#include "scoring/scores.h"

namespace quorix {

namespace {

class ReportWriter {
public:
    void emptyLines(int count)
    {
        for (int i = 0; i < count; ++i)
            m_items.push_back(PrintItem::lineEnd());
    }
    void ruleLine()
    {
        m_items.push_back(PrintItem::textItem(QString(70, QLatin1Char('_'))));
        m_items.push_back(PrintItem::lineEnd());
    }
    ReportWriter &column(int c)
    {
        m_items.push_back(PrintItem::columnStep(c));
        return *this;
    }
    ReportWriter &text(const QString &t)
    {
        m_items.push_back(PrintItem::textItem(t));
        return *this;
    }
    ReportWriter &number(double n)
    {
        m_items.push_back(PrintItem::numberItem(n));
        return *this;
    }
    void endLine() { m_items.push_back(PrintItem::lineEnd()); }

    PrintScript take() { return std::move(m_items); }

private:
    PrintScript m_items;
};

} // namespace

QString askedText(double asked)
{
    return asked == 1 ? QStringLiteral(" question asked") : QStringLiteral(" questions asked");
}

QString dontKnowText(double dontKnow)
{
    return dontKnow == 1 ? QStringLiteral(" question 'don't know'")
                         : QStringLiteral(" questions 'don't know'");
}

QString confidenceText(int index)
{
    if (index < 0 || index >= 6)
        return {};
    // The printed texts have always had these blanks in front; they are kept.
    constexpr bool leadingBlank[6] = {true, true, false, true, false, false};
    const int level = index % 3 + 1;
    const bool right = index < 3;
    const int marks = answerMarks(level, right);
    return QStringLiteral("%1%2 and %3 (score %4)")
        .arg(leadingBlank[index] ? QStringLiteral(" ") : QString(),
             right ? QStringLiteral("correct") : QStringLiteral("wrong"),
             QLatin1String(confidenceLevels[level - 1].name),
             marks > 0 ? QStringLiteral("+%1").arg(marks) : QString::number(marks));
}

PrintScript reportScript(const ScoreTally &tally, const QString &name, const QString &time,
                         const QString &date)
{
    const bool guarded = showsGuardedScores(tally);
    const double asked = tally.asked;
    const double dontKnow = dontKnowCount(tally);
    const auto scores = lineScores(tally);

    ReportWriter r;
    r.emptyLines(2);
    r.ruleLine();
    r.emptyLines(1);
    r.column(10).text(QStringLiteral("Quorix self-assessment questions")).endLine();
    r.emptyLines(2);
    r.column(10)
        .text(QStringLiteral("Score for "))
        .text(name)
        .text(QStringLiteral(" at "))
        .text(time)
        .text(QStringLiteral(" on "))
        .text(date)
        .endLine();
    r.emptyLines(2);
    r.ruleLine();
    r.emptyLines(3);

    r.column(10).number(asked).text(askedText(asked)).endLine();
    r.emptyLines(1);
    r.column(10).number(dontKnow).text(dontKnowText(dontKnow)).endLine();
    r.emptyLines(1);
    r.column(10).number(tally.correct).text(QStringLiteral(" answered correctly")).endLine();
    r.emptyLines(1);
    r.column(10).number(tally.wrong).text(QStringLiteral(" answered incorrectly")).endLine();
    r.emptyLines(1);

    if (guarded) {
        r.column(10).text(QStringLiteral("Percent correct = ")).number(percentCorrect(tally)).endLine();
        r.emptyLines(1);
        r.column(10)
            .text(QStringLiteral("Raw score  (+1 if correct, -1 if wrong) = "))
            .number(rawScore(tally))
            .text(QStringLiteral("%"))
            .endLine();
        r.emptyLines(2);
        r.ruleLine();
        r.emptyLines(1);
    }
    r.emptyLines(2);

    const std::array<int, 6> counts = confidenceCounts(tally);
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            r.emptyLines(1);
        r.column(10)
            .number(counts[i])
            .text(confidenceText(i))
            .column(50)
            .text(QStringLiteral("score = "))
            .number(i == 3 ? 0.0 : scores[std::size_t(i)])
            .endLine();
    }
    r.emptyLines(1);
    r.column(50).text(QStringLiteral(" total = ")).number(confidenceTotal(tally)).endLine();

    if (guarded) {
        r.emptyLines(2);
        r.ruleLine();
        r.emptyLines(2);
        r.column(10)
            .text(QStringLiteral("Confidence-weighted score = "))
            .number(weightedScoreReport(tally))
            .text(QStringLiteral("%"))
            .endLine();
        r.emptyLines(1);
        r.column(10)
            .text(QStringLiteral(
                "where you score 100% for all correct if you were 'fairly sure' of all answers."))
            .endLine();
    }
    r.emptyLines(2);
    r.ruleLine();
    r.emptyLines(1);
    return r.take();
}

ScoreToDateScripts scoreToDateScripts(const ScoreTally &t)
{
    const auto line = [](PrintScript &script, std::initializer_list<PrintItem> items) {
        script.insert(script.end(), items);
        script.push_back(PrintItem::lineEnd());
    };
    const auto blankLine = [&line](PrintScript &script) { line(script, {PrintItem::textItem(QString())}); };
    const double asked = t.asked;
    const double dontKnow = dontKnowCount(t);

    ScoreToDateScripts out;
    PrintScript &summary = out.summary;
    blankLine(summary);
    line(summary, {PrintItem::numberItem(asked), PrintItem::textItem(askedText(asked))});
    blankLine(summary);
    line(summary, {PrintItem::numberItem(dontKnow), PrintItem::textItem(dontKnowText(dontKnow))});
    blankLine(summary);
    line(summary,
         {PrintItem::numberItem(t.correct), PrintItem::textItem(QStringLiteral(" answered correctly"))});
    blankLine(summary);
    line(summary,
         {PrintItem::numberItem(t.wrong), PrintItem::textItem(QStringLiteral(" answered incorrectly"))});
    blankLine(summary);
    if (showsGuardedScores(t)) {
        line(summary,
             {PrintItem::textItem(QStringLiteral("Percent correct = ")),
              PrintItem::numberItem(percentCorrect(t))});
        blankLine(summary);
        line(summary,
             {PrintItem::textItem(QStringLiteral("Raw score  (+1 if correct, -1 if wrong) = ")),
              PrintItem::numberItem(rawScore(t)), PrintItem::textItem(QStringLiteral("%"))});
    }

    const std::array<int, 6> counts = confidenceCounts(t);
    const auto scores = lineScores(t);
    for (int i = 0; i < 6; ++i) {
        blankLine(out.counts);
        line(out.counts, {PrintItem::numberItem(counts[i]), PrintItem::textItem(confidenceText(i))});
        blankLine(out.scores);
        line(out.scores,
             {PrintItem::textItem(QStringLiteral("score = ")),
              PrintItem::numberItem(i == 3 ? 0.0 : scores[std::size_t(i)])});
    }
    blankLine(out.scores);
    line(out.scores,
         {PrintItem::textItem(QStringLiteral(" total = ")), PrintItem::numberItem(confidenceTotal(t))});

    if (showsGuardedScores(t)) {
        line(out.weighted,
             {PrintItem::textItem(QStringLiteral("Confidence-weighted score = ")),
              PrintItem::numberItem(weightedScoreChart(t)), PrintItem::textItem(QStringLiteral("%"))});
        line(out.weighted,
             {PrintItem::textItem(
                 QStringLiteral("where 100% for all correct, and you were fairly sure of all answers."))});
    }
    return out;
}

} // namespace quorix
