// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/screenwindow.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace quorix {

class AnswerLog;
class ScoreChart;
struct ScoreTally;

// "How well calibrated am I?", opened from the score-to-date screen: per
// confidence level the accuracy against the range that level pays best for,
// the marks miscalibration cost, and every statement marked in the run with
// the costliest first. Built once from the tally and the log of the moment it
// opens; closing it only closes it.
class FormCalibration : public ScreenWindow {
    Q_OBJECT
public:
    FormCalibration(const ScoreTally &tally, const AnswerLog &log, Navigation &nav,
                    QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void fillReview(const AnswerLog &log);
    void onReviewListCurrentRowChanged(int row);

    ScoreChart *m_chart = nullptr;
    QLabel *m_levelLines = nullptr;
    QLabel *m_marksLost = nullptr;
    QLabel *m_dontKnow = nullptr;
    QListWidget *m_reviewList = nullptr;
    QLabel *m_explanation = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace quorix
