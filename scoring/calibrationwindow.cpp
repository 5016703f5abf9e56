// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/calibrationwindow.h"

#include "scoring/answerlog.h"
#include "scoring/calibration.h"
#include "scoring/calibrationchart.h"
#include "scoring/scorechart.h"
#include "scoring/tally.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

namespace quorix {

FormCalibration::FormCalibration(const ScoreTally &tally, const AnswerLog &log, Navigation &nav,
                                 QWidget *parent)
    : ScreenWindow(QStringLiteral("FormCalibration"), nav, parent)
{
    // Nothing may be marked or left behind it while it is open.
    setWindowModality(Qt::ApplicationModal);

    QLabel *heading = addLabel(this, QStringLiteral("heading"), 240, 120, 9000, 360, 12);
    heading->setText(QStringLiteral("How well calibrated am I?"));

    m_chart = new ScoreChart(this, QStringLiteral("calibrationChart"));
    m_chart->setAccessibleName(QStringLiteral("Calibration chart"));
    m_chart->setFocusPolicy(Qt::TabFocus);
    placeAt(m_chart, 240, 540, 7440, 2520);
    drawCalibrationChart(m_chart, tally);

    m_levelLines = addTextLabel(this, QStringLiteral("levelLines"), calibrationDescription(tally), 7800, 540,
                                7320, 960);
    m_marksLost
        = addTextLabel(this, QStringLiteral("marksLost"), marksLostLine(tally), 7800, 1560, 7320, 480);
    m_dontKnow = addTextLabel(this, QStringLiteral("dontKnow"), dontKnowSentence(), 7800, 2040, 7320, 540);
    addLabel(this, QStringLiteral("chartKey"), 7800, 2640, 7320, 450, 8.25, false)
        ->setText(calibrationChartKey());

    addLabel(this, QStringLiteral("reviewCaption"), 240, 3330, 14880, 300)
        ->setText(QStringLiteral("This run's answers: wrong at \"very sure\", wrong at \"fairly sure\", "
                                 "right at \"unsure\", then the rest"));
    m_reviewList = addListBox(this, QStringLiteral("reviewList"), QStringLiteral("This run's answers"),
                              Qt::ElideMiddle, 240, 3660, 14880, 5850);
    m_explanation
        = addTextLabel(this, QStringLiteral("explanation"), QString(), 240, 9600, 12600, 1800, 9.75, false);
    m_explanation->setAccessibleName(QStringLiteral("Explanation"));

    m_close
        = addButton(this, QStringLiteral("closeButton"), QStringLiteral("Close"), 13080, 10920, 2040, 495);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(m_reviewList, &QListWidget::currentRowChanged, this,
            &FormCalibration::onReviewListCurrentRowChanged);
    fillReview(log);
}

void FormCalibration::fillReview(const AnswerLog &log)
{
    const std::vector<LoggedAnswer> &entries = log.entries();
    // Rows take the list's width whatever their hint; a narrow hint makes a
    // long row elide instead of scrolling sideways.
    const QSize rowSize(1, m_reviewList->fontMetrics().height() + 4);
    for (std::size_t index : reviewOrder(entries)) {
        const LoggedAnswer &entry = entries[index];
        auto *item = new QListWidgetItem(reviewRowText(entry), m_reviewList);
        item->setData(Qt::AccessibleDescriptionRole, entry.explanation);
        item->setToolTip(item->text());
        item->setSizeHint(rowSize);
    }
    if (m_reviewList->count() > 0)
        m_reviewList->setCurrentRow(0);
}

void FormCalibration::onReviewListCurrentRowChanged(int row)
{
    const QListWidgetItem *item = m_reviewList->item(row);
    m_explanation->setText(item ? item->data(Qt::AccessibleDescriptionRole).toString() : QString());
}

void FormCalibration::closeEvent(QCloseEvent *event)
{
    // Back to the score-to-date screen: never the end-of-program question.
    event->accept();
}

} // namespace quorix
