// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/form3.h"

#include "scoring/calibrationwindow.h"
#include "scoring/chartbars.h"
#include "scoring/report.h"
#include "scoring/scorechart.h"
#include "scoring/scores.h"
#include "ui/fixedpictures.h"
#include "ui/labels.h"
#include "ui/navigation.h"
#include "ui/picturearea.h"
#include "ui/textoutputbox.h"
#include "ui/twips.h"

#include <QDate>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTime>

namespace quorix {

namespace {

const QColor Blue(0, 0, 255);
const QColor Green(0, 255, 0);
const QColor Red(255, 0, 0);
const QColor LabelGreen(0, 192, 0);

TextOutputBox *addTextBox(QWidget *parent, const QString &name, const QString &accessibleName, int left,
                          int top, int width, int height)
{
    auto *box = new TextOutputBox(parent, name, accessibleName);
    placeAt(box, left, top, width, height);
    return box;
}

void addChartLabel(QWidget *chart, const QString &name, const QString &caption, int left, int top, int width,
                   const QColor &textColor, const QColor &background, Qt::Alignment alignment)
{
    QLabel *label = addLabel(chart, name, left, top, width, 495, 9.75, true, textColor, background);
    // One line each; wrapping would drop the captions' edge blanks.
    label->setWordWrap(false);
    label->setText(caption);
    label->setAlignment(alignment | Qt::AlignTop);
}

} // namespace

Form3::Form3(const ScoreTally &tally, const AnswerLog &log, Navigation &nav, QWidget *parent)
    : ScreenWindow(QStringLiteral("Form3"), nav, parent), m_tally(tally), m_log(log)
{
    outline()->setObjectName(QStringLiteral("Shape3"));

    m_picture7
        // Wider than the 3255 twips of old, which cut the time off a long
        // date such as "Wednesday, 30 September 2026 at 23:59".
        = addTextBox(this, QStringLiteral("Picture7"), QStringLiteral("Date and time"), 240, 4080, 4575, 495);
    m_picture6 = new ScoreChart(this, QStringLiteral("Picture6"));
    m_picture6->setAccessibleName(QStringLiteral("Score chart"));
    placeAt(m_picture6, 240, 4560, 3240, 3570);
    addChartLabel(m_picture6, QStringLiteral("Label1"), QStringLiteral("  wrong"), 240, 120, 1335, Red,
                  Qt::white, Qt::AlignLeft);
    addChartLabel(m_picture6, QStringLiteral("Label2"), QStringLiteral("correct  "), 1560, 120, 1335,
                  LabelGreen, Qt::white, Qt::AlignRight);
    addChartLabel(m_picture6, QStringLiteral("Label3"), QLatin1String(confidenceLevels[0].name), 840, 1080,
                  1575, Qt::black, QColor(), Qt::AlignHCenter);
    addChartLabel(m_picture6, QStringLiteral("Label4"), QLatin1String(confidenceLevels[1].name), 840, 1800,
                  1575, Qt::black, QColor(), Qt::AlignHCenter);
    addChartLabel(m_picture6, QStringLiteral("Label5"), QLatin1String(confidenceLevels[2].name), 840, 2520,
                  1575, Qt::black, QColor(), Qt::AlignHCenter);
    m_picture1
        = addTextBox(this, QStringLiteral("Picture1"), QStringLiteral("Summary"), 3840, 120, 6975, 3495);
    m_picture2 = addTextBox(this, QStringLiteral("Picture2"), QStringLiteral("Confidence counts"), 3840, 4560,
                            3855, 3735);
    m_picture3 = addTextBox(this, QStringLiteral("Picture3"), QStringLiteral("Confidence scores"), 7560, 4560,
                            3135, 3735);
    m_picture4 = addTextBox(this, QStringLiteral("Picture4"), QStringLiteral("Confidence-weighted score"),
                            3720, 9000, 7215, 1215);
    m_picture5 = new PictureArea(this, QStringLiteral("Picture5"));
    m_picture5->setAccessibleName(QStringLiteral("Logo"));
    placeAt(m_picture5, 11640, 0, 3600, 3600);
    m_picture5->setFixedPicture(fixedpictures::chartLogo());

    m_command2 = addButton(this, QStringLiteral("Command2"), QStringLiteral("More questions"), 11640, 6000,
                           3615, 495);
    m_command5 = addButton(this, QStringLiteral("Command5"), QStringLiteral("Back to main menu"), 11640, 8880,
                           3615, 495);
    m_calibrate = addButton(this, QStringLiteral("calibrate"), QStringLiteral("How well calibrated am I?"),
                            11640, 7440, 3615, 495);
    addEndButtons(9600, 10320);
    connect(m_command2, &QPushButton::clicked, this, &Form3::onCommand2Clicked);
    connect(m_command5, &QPushButton::clicked, this, &Form3::onCommand5Clicked);
    connect(m_calibrate, &QPushButton::clicked, this, &Form3::onCalibrateClicked);

    const ScoreTally &t = m_tally;

    // Date first, then the time: the other way round from the report.
    m_picture7->printLine(QLocale().toString(QDate::currentDate(), QLocale::LongFormat)
                          + QStringLiteral(" at ") + QTime::currentTime().toString(QStringLiteral("HH:mm")));

    m_picture6->clear();
    m_picture6->drawLine(QPointF(ChartAxisX, ChartAxisTop), QPointF(ChartAxisX, ChartAxisBottom), Qt::black);
    const std::vector<ChartBar> bars = chartBars(t);
    for (const ChartBar &bar : bars)
        if (bar.correct)
            m_picture6->fillRect(QPointF(bar.axis, bar.top), QPointF(bar.end, bar.bottom), Green);
    for (const ChartBar &bar : bars)
        if (!bar.correct)
            m_picture6->fillRect(QPointF(bar.axis, bar.top), QPointF(bar.end, bar.bottom), Red);
    for (const ChartBar &bar : bars)
        m_picture6->outlineRect(QPointF(bar.axis, bar.top), QPointF(bar.end, bar.bottom), Qt::black);
    m_picture6->setAccessibleDescription(chartDescription(t));

    m_picture1->clear();
    m_picture2->clear();
    m_picture3->clear();
    m_picture2->setTextColor(Blue);
    m_picture3->setTextColor(Blue);
    const ScoreToDateScripts scripts = scoreToDateScripts(t);
    m_picture1->print(scripts.summary);
    m_picture2->print(scripts.counts);
    m_picture3->print(scripts.scores);
    m_picture4->print(scripts.weighted);
}

void Form3::onCommand2Clicked()
{
    navigation().moreQuestions();
}

void Form3::onCommand5Clicked()
{
    navigation().backToMainMenu(this);
}

void Form3::onCalibrateClicked()
{
    if (!m_calibration) {
        m_calibration = new FormCalibration(m_tally, m_log, navigation(), this);
        m_calibration->setAttribute(Qt::WA_DeleteOnClose);
        m_calibration->move(pos());
    }
    m_calibration->show();
    m_calibration->raise();
    m_calibration->activateWindow();
}

} // namespace quorix
