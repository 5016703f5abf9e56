// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/form4.h"

#include "core/randomsource.h"
#include "exercises/bmiclasses.h"
#include "exercises/bmiexercise.h"
#include "exercises/exercisescreen.h"
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
    return QStringLiteral("Before you start the random selection of questions in this exercise you can test "
                          "yourself on calculating Body Mass Index for randomly selected people.")
        + between + QStringLiteral("You can do this as often as you like, by clicking on 'select a person'.")
        + between
        + QStringLiteral("To go back to the random questions for this chapter click on 'Go to questions'.")
        + between
        + QStringLiteral("You will not receive any marks for these calculations, and they will not appear in "
                         "your printout of results.");
}

} // namespace

Form4::Form4(BmiExercise &exercise, RandomSource &random, Navigation &navigation, QWidget *parent)
    : ScreenWindow(QStringLiteral("Form4"), navigation, parent), m_exercise(exercise), m_random(random)
{
    createControls();
    loadScreen();
}

void Form4::createControls()
{
    m_picture1 = new TextOutputBox(this, QStringLiteral("Picture1"), QStringLiteral("Person"), 12);
    placeAt(m_picture1, 360, 240, 10335, 1335);

    // Beneath the frame: the frame is hidden whenever it is written.
    m_picture5 = new TextOutputBox(this, QStringLiteral("Picture5"), QStringLiteral("Your choice"));
    placeAt(m_picture5, 0, 3240, 9375, 495);

    m_frame1 = addFrame(this, QStringLiteral("Frame1"), QStringLiteral("I would classify this person as:"),
                        1560, 2040, 7695, 6375, QColor(224, 224, 224));
    for (const BmiClass &c : bmiClasses()) {
        QRadioButton *option
            = addOptionButton(m_frame1, QStringLiteral("Option%1").arg(c.number), c.caption, 120,
                              600 * c.number, 7215, 450, toColor(c.background), toColor(c.text));
        m_options[std::size_t(c.number - 1)] = option;
        connect(option, &QRadioButton::toggled, this, [this, n = c.number](bool checked) {
            if (checked)
                onOptionChosen(n);
        });
    }
    m_classify = addButton(m_frame1, QStringLiteral("classify"), QStringLiteral("OK"), 6480, 5520, 975, 495);

    m_label1 = addLabel(this, QStringLiteral("Label1"), 240, 7680, 11175, 3375, 9.75, true, Qt::black,
                        QColor(255, 255, 192));

    m_picture4 = new FaceBox(this, QStringLiteral("Picture4"), 72);
    placeAt(m_picture4, 480, 8040, 1335, 1455);
    m_picture3 = new TextOutputBox(this, QStringLiteral("Picture3"), QStringLiteral("Worked answer"));
    placeAt(m_picture3, 2040, 8880, 9375, 2055);

    const ExerciseColumn column
        = addExerciseColumn(this, QStringLiteral("Select a person"), m_options.front(), m_classify);
    m_picture2 = column.picture2;
    m_selectperson = column.selectperson;
    m_command1 = column.command1;
    m_command5 = column.command5;

    connect(m_selectperson, &QPushButton::clicked, this, &Form4::onSelectpersonClicked);
    connect(m_classify, &QPushButton::clicked, this, &Form4::onClassifyClicked);
    connect(m_command1, &QPushButton::clicked, this, &Form4::onCommand1Clicked);
    connect(m_command5, &QPushButton::clicked, this, &Form4::onCommand5Clicked);
}

void Form4::loadScreen()
{
    m_picture1->clear();
    m_frame1->hide();
    m_classify->hide();
    m_picture5->hide();
    m_picture4->hide();
    m_picture3->hide();
    m_label1->setText(introduction());
    m_selectperson->setFocus(Qt::OtherFocusReason);
}

void Form4::onSelectpersonClicked()
{
    m_label1->hide();
    m_picture3->hide();
    m_picture4->hide();
    m_picture1->clear();
    m_picture1->print(m_exercise.draw(m_random));
    for (QRadioButton *option : m_options)
        setOptionSilently(option, false);
    // The new person needs a choice of their own before OK is offered.
    m_classify->hide();
    m_frame1->show();
    m_options.front()->setFocus(Qt::OtherFocusReason);
}

void Form4::onOptionChosen(int option)
{
    m_exercise.choose(option);
    m_classify->setVisible(m_exercise.canMark());
}

void Form4::onClassifyClicked()
{
    if (!m_exercise.canMark())
        return;
    const BmiMarking marking = m_exercise.mark();
    m_picture1->clear();
    m_picture2->show();
    m_frame1->hide();
    m_picture3->clear();
    m_picture3->show();
    m_picture4->clear();
    m_picture4->show();
    m_picture5->clear();
    m_picture5->show();
    m_picture3->print(marking.workedAnswer);
    m_picture5->setTextColor(toColor(marking.colour));
    m_picture5->print(marking.youSaid);
    m_picture4->setTextColor(toColor(marking.colour));
    m_picture4->printFace(marking.face);
    m_classify->hide();
    m_selectperson->setFocus(Qt::OtherFocusReason);
}

void Form4::onCommand1Clicked()
{
    navigation().goToQuestions(this);
    prepareForNextShowing();
}

void Form4::onCommand5Clicked()
{
    navigation().backToMainMenu(this);
    prepareForNextShowing();
}

void Form4::prepareForNextShowing()
{
    m_exercise.leave();
    m_frame1->hide();
    m_classify->hide();
    m_picture3->hide();
    m_picture4->hide();
    m_picture1->clear();
    m_label1->show();
    m_picture2->show();
    // The "You said" lines of the last marking stay, as the student left them.
    m_selectperson->setFocus(Qt::OtherFocusReason);
}

void Form4::keyPressEvent(QKeyEvent *event)
{
    if (!pressExerciseKey(this, event, m_options, m_classify, m_selectperson))
        ScreenWindow::keyPressEvent(event);
}

} // namespace quorix
