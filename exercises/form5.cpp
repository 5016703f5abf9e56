// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/form5.h"

#include "core/randomsource.h"
#include "exercises/exercisescreen.h"
#include "exercises/parbands.h"
#include "exercises/parexercise.h"
#include "ui/facebox.h"
#include "ui/frames.h"
#include "ui/keyboard.h"
#include "ui/labels.h"
#include "ui/navigation.h"
#include "ui/picturearea.h"
#include "ui/textoutputbox.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace quorix {

namespace {

QString introduction()
{
    const QString between = QStringLiteral("\r\n\n");
    return QStringLiteral(
               "Before you start the random selection of questions in this exercise you can test "
               "yourself on calculating Physical Activity Ratios for randomly selected activities.")
        + between
        + QStringLiteral("You can do this as often as you like, by clicking on 'select an activity'.")
        + between
        + QStringLiteral("To go to the random questions for this chapter click on 'Go to questions'.")
        + between
        + QStringLiteral("You will not receive any marks for these calculations, and they will not appear in "
                         "your printout of results.");
}

} // namespace

Form5::Form5(ParExercise &exercise, RandomSource &random, const DataFolder &folder, Navigation &navigation,
             QWidget *parent)
    : ScreenWindow(QStringLiteral("Form5"), navigation, parent),
      m_exercise(exercise),
      m_random(random),
      m_folder(folder)
{
    createControls();
    loadScreen();
}

void Form5::createControls()
{
    m_picture1 = new TextOutputBox(this, QStringLiteral("Picture1"), QStringLiteral("Activity"), 12);
    placeAt(m_picture1, 240, 240, 10695, 1815);
    m_picture1->setTextColor(QColor(0, 0, 255));

    m_frame1 = addFrame(this, QStringLiteral("Frame1"), QStringLiteral("I would classify this activity as:"),
                        240, 2520, 3735, 5175, QColor(224, 224, 224));
    for (const ParBand &band : parBands()) {
        QRadioButton *option = addOptionButton(m_frame1, QStringLiteral("Option%1").arg(band.number),
                                               band.caption, 120, 360 + 600 * (band.number - 1), 3015, 400,
                                               toColor(band.background), toColor(band.text));
        m_options[std::size_t(band.number - 1)] = option;
        connect(option, &QRadioButton::toggled, this, [this, n = band.number](bool checked) {
            if (checked)
                onOptionChosen(n);
        });
    }
    m_classify = addButton(m_frame1, QStringLiteral("classify"), QStringLiteral("OK"), 2160, 4440, 975, 495);

    m_label1 = addLabel(this, QStringLiteral("Label1"), 240, 7800, 11175, 3375, 9.75, true, Qt::black,
                        QColor(255, 255, 192));

    m_picture7 = new PictureArea(this, QStringLiteral("Picture7"));
    placeAt(m_picture7, 4320, 2520, 3495, 3135);
    m_label2 = addLabel(this, QStringLiteral("Label2"), 4440, 3240, 3135, 375);
    m_picture4 = new FaceBox(this, QStringLiteral("Picture4"), 72);
    placeAt(m_picture4, 5040, 3720, 1335, 1455);
    m_picture8 = new TextOutputBox(this, QStringLiteral("Picture8"), QStringLiteral("Examples of your band"));
    placeAt(m_picture8, 4320, 5640, 3615, 1815);
    m_picture9 = new PictureArea(this, QStringLiteral("Picture9"));
    placeAt(m_picture9, 8040, 5640, 3495, 3015);
    m_picture11
        = new TextOutputBox(this, QStringLiteral("Picture11"), QStringLiteral("Examples of the band"));
    placeAt(m_picture11, 8160, 8640, 3615, 1815);
    m_picture10 = new TextOutputBox(this, QStringLiteral("Picture10"), QStringLiteral("Worked answer"), 12);
    placeAt(m_picture10, 120, 6960, 7815, 2055);
    // Over Label1, and over the foot of Picture11, which holds no text there.
    m_picture6 = new TextOutputBox(this, QStringLiteral("Picture6"), QStringLiteral("Hints"));
    placeAt(m_picture6, 1200, 10320, 9375, 735);
    m_picture6->setBackgroundColor(QColor(255, 255, 128));

    // Created after the pictures: Picture11 reaches 135 twips into the
    // button column, and the buttons stay whole above it.
    const ExerciseColumn column
        = addExerciseColumn(this, QStringLiteral("select an activity"), m_options.front(), m_classify);
    m_picture2 = column.picture2;
    m_selectperson = column.selectperson;
    m_command1 = column.command1;
    m_command5 = column.command5;

    connect(m_selectperson, &QPushButton::clicked, this, &Form5::onSelectpersonClicked);
    connect(m_classify, &QPushButton::clicked, this, &Form5::onClassifyClicked);
    connect(m_command1, &QPushButton::clicked, this, &Form5::onCommand1Clicked);
    connect(m_command5, &QPushButton::clicked, this, &Form5::onCommand5Clicked);
}

void Form5::loadScreen()
{
    m_picture1->clear();
    m_frame1->hide();
    m_label1->setText(introduction());
    m_picture6->clear();
    m_picture6->printLine(
        QStringLiteral("Physical Activity Ratio is a multiple of Basal Metabolic Rate (BMR)"));
    m_picture6->printLine(QStringLiteral("1 L of oxygen consumed is equivalent to 20 kJ energy expenditure"));
    showIntroduction();
}

void Form5::onSelectpersonClicked()
{
    m_picture4->hide();
    m_label2->hide();
    m_selectperson->hide();

    m_picture9->loadPicture(m_folder, QString());
    m_picture10->clear();
    m_picture11->clear();
    for (QWidget *box : {static_cast<QWidget *>(m_picture9), static_cast<QWidget *>(m_picture10),
                         static_cast<QWidget *>(m_picture11), static_cast<QWidget *>(m_picture7),
                         static_cast<QWidget *>(m_picture8)}) {
        box->hide();
    }
    m_picture1->show();
    m_label1->hide();

    const ParDrawn drawn = m_exercise.draw(m_random);
    m_picture1->clear();
    m_picture1->show();
    m_picture1->print(drawn.description);
    for (QRadioButton *option : m_options)
        setOptionSilently(option, false);
    // The new activity needs a band of its own before OK is offered.
    m_classify->hide();
    m_picture11->clear();
    m_picture11->print(drawn.correctExamples);
    m_frame1->show();
    m_options.front()->setFocus(Qt::OtherFocusReason);
}

void Form5::onOptionChosen(int band)
{
    const ParPreview preview = m_exercise.choose(band);
    if (!m_exercise.canMark())
        return;
    m_classify->show();
    m_picture7->loadPicture(m_folder, preview.picture);
    m_picture7->show();
    m_picture8->clear();
    m_picture8->show();
    m_picture8->print(preview.examples);
}

void Form5::onClassifyClicked()
{
    if (!m_exercise.canMark())
        return;
    const ParMarking marking = m_exercise.mark();
    m_picture7->hide();
    m_picture8->hide();
    m_label2->setText(marking.youSaid);
    m_label2->show();
    m_frame1->hide();
    m_picture9->loadPicture(m_folder, marking.correctPicture);
    m_picture9->show();
    m_picture11->show();
    m_picture10->setTextColor(toColor(marking.colour));
    m_picture10->print(marking.workedAnswer);
    m_picture10->show();
    m_picture4->clear();
    m_picture4->setTextColor(toColor(marking.colour));
    m_picture4->printFace(marking.face);
    m_picture4->show();
    m_classify->hide();
    m_selectperson->show();
    m_selectperson->setFocus(Qt::OtherFocusReason);
}

void Form5::onCommand1Clicked()
{
    navigation().goToQuestions(this);
    prepareForNextShowing();
}

void Form5::onCommand5Clicked()
{
    navigation().backToMainMenu(this);
    prepareForNextShowing();
}

void Form5::prepareForNextShowing()
{
    showIntroduction();
    m_picture2->loadPicture(m_folder, parLogoPicture());
    m_picture2->show();
}

// Whenever the screen is left, its next showing is the introduction, with
// nothing of the last activity and "select an activity" to go on with.
void Form5::showIntroduction()
{
    m_exercise.leave();
    m_frame1->hide();
    m_classify->hide();
    m_picture4->hide();
    m_picture1->clear();
    m_picture1->hide();
    for (QWidget *box : {static_cast<QWidget *>(m_label2), static_cast<QWidget *>(m_picture7),
                         static_cast<QWidget *>(m_picture8), static_cast<QWidget *>(m_picture9),
                         static_cast<QWidget *>(m_picture10), static_cast<QWidget *>(m_picture11)}) {
        box->hide();
    }
    m_label1->show();
    m_selectperson->show();
    m_selectperson->setFocus(Qt::OtherFocusReason);
}

void Form5::keyPressEvent(QKeyEvent *event)
{
    if (!pressExerciseKey(this, event, m_options, m_classify, m_selectperson))
        ScreenWindow::keyPressEvent(event);
}

} // namespace quorix
