// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/screenwindow.h"

#include <QPointer>

class QLabel;
class QPushButton;

namespace quorix {

class AnswerLog;
class FormCalibration;
class ScoreChart;
class Navigation;
class PictureArea;
class TextOutputBox;
struct ScoreTally;

// The score-to-date screen: the tally of the moment it is loaded, in words,
// in confidence lines and as a bar chart. Built once, in the constructor; it
// never changes while it lives. "How well calibrated am I?" opens the
// calibration window over it from the tally and the run's answers.
class Form3 : public ScreenWindow {
    Q_OBJECT
public:
    Form3(const ScoreTally &tally, const AnswerLog &log, Navigation &nav, QWidget *parent = nullptr);

    ScoreChart *chart() const { return m_picture6; }

private:
    void onCommand2Clicked();
    void onCommand5Clicked();
    void onCalibrateClicked();

    const ScoreTally &m_tally;
    const AnswerLog &m_log;
    TextOutputBox *m_picture7 = nullptr;
    ScoreChart *m_picture6 = nullptr;
    TextOutputBox *m_picture1 = nullptr;
    TextOutputBox *m_picture2 = nullptr;
    TextOutputBox *m_picture3 = nullptr;
    TextOutputBox *m_picture4 = nullptr;
    PictureArea *m_picture5 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command5 = nullptr;
    QPushButton *m_calibrate = nullptr;
    QPointer<FormCalibration> m_calibration;
};

} // namespace quorix
