// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questions/form2.h"

#include "questions/questiondraw.h"
#include "questions/questionsession.h"
#include "questions/textboxes.h"
#include "ui/facebox.h"
#include "ui/fixedpictures.h"
#include "ui/frames.h"
#include "ui/keyboard.h"
#include "ui/labels.h"
#include "ui/navigation.h"
#include "ui/picturearea.h"
#include "ui/textoutputbox.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

namespace quorix {

namespace {

const QColor paleYellow(255, 255, 192);
const QColor lightYellow(255, 255, 128);

} // namespace

Form2::Form2(QuestionSession &session, RandomSource &random, const DataFolder &folder, Navigation &nav,
             QWidget *parent)
    : ScreenWindow(QStringLiteral("Form2"), nav, parent),
      m_session(session),
      m_random(random),
      m_folder(folder)
{
    createControls();
    loadQuestionScreen();
}

void Form2::createControls()
{
    m_picture2 = new TextOutputBox(this, QStringLiteral("Picture2"), QStringLiteral("Set title and quota"));
    placeAt(m_picture2, 120, 120, 8775, 495);
    m_picture2->setTextColor(QColor(0, 128, 0));

    m_picture3 = new TextOutputBox(this, QStringLiteral("Picture3"), QStringLiteral("Question number"));
    placeAt(m_picture3, 9240, 240, 2055, 375);
    m_picture3->setTextColor(QColor(255, 0, 0));

    m_picture4 = new PictureArea(this, QStringLiteral("Picture4"));
    placeAt(m_picture4, 11640, 0, 3690, 2925);
    m_picture4->setFixedPicture(fixedpictures::questionDecoration());

    m_label1 = addLabel(this, QStringLiteral("Label1"), statementBox.left, statementBox.top,
                        statementBox.width, statementBox.height, statementPointSize);

    m_picture1 = new PictureArea(this, QStringLiteral("Picture1"));
    placeAt(m_picture1, 120, 2520, 6780, 5700);

    m_label3
        = addLabel(this, QStringLiteral("Label3"), explanationBox.left, explanationBox.top,
                   explanationBox.width, explanationBox.height, statementPointSize, true, QColor(0, 0, 255));

    m_frame1 = addFrame(this, QStringLiteral("Frame1"), QStringLiteral("This statement is:"), 120, 8280, 6615,
                        2895, paleYellow);
    m_option1
        = addOptionButton(m_frame1, QStringLiteral("Option1"), QStringLiteral("TRUE"), 120, 360, 1900, 375);
    m_option2
        = addOptionButton(m_frame1, QStringLiteral("Option2"), QStringLiteral("FALSE"), 2280, 360, 1900, 375);
    m_option3 = addOptionButton(m_frame1, QStringLiteral("Option3"), QStringLiteral("Don't know"), 4440, 360,
                                1900, 375);
    m_okAnswer = addButton(m_frame1, QStringLiteral("OKanswer"), QStringLiteral("OK"), 5520, 2400, 975, 375);

    // Created after Frame1 so that it lies over Frame1's lower part.
    m_frame3 = addPlainFrame(this, QStringLiteral("Frame3"), 360, 9120, 5295, 1815, lightYellow);
    m_option7
        = addOptionButton(m_frame3, QStringLiteral("Option7"),
                          QStringLiteral("I  am unsure (score +1, or 0 if wrong)"), 240, 240, 4575, 375);
    m_option8
        = addOptionButton(m_frame3, QStringLiteral("Option8"),
                          QStringLiteral("I am fairly sure (score +2, or -2 if wrong)"), 240, 720, 4575, 375);
    m_option9
        = addOptionButton(m_frame3, QStringLiteral("Option9"),
                          QStringLiteral("I am very sure (score +3, or -6 if wrong)"), 240, 1200, 4575, 375);

    m_frame2 = addPlainFrame(this, QStringLiteral("Frame2"), 5040, 8520, 6495, 1695, paleYellow);
    m_picture6 = new FaceBox(m_frame2, QStringLiteral("Picture6"), 36);
    placeAt(m_picture6, 120, 240, 735, 855);
    m_picture7 = new TextOutputBox(m_frame2, QStringLiteral("Picture7"), QStringLiteral("Feedback"));
    placeAt(m_picture7, 960, 240, 5295, 855);
    m_command5 = addButton(m_frame2, QStringLiteral("Command5"), QStringLiteral("See the explanation"), 2760,
                           1200, 3495, 375);

    m_label2 = addLabel(this, QStringLiteral("Label2"), 3120, 10560, 8175, 375, 9.75, true, QColor(255, 0, 0),
                        QColor(255, 255, 0));

    m_showme = addButton(this, QStringLiteral("showme"), QStringLiteral("Show my score to date"), 11640, 6600,
                         3615, 495);
    m_command2 = addButton(this, QStringLiteral("Command2"), QStringLiteral("Select a question"), 11640, 7320,
                           3615, 495);
    m_command4 = addButton(this, QStringLiteral("Command4"), QStringLiteral("Skip this question"), 11640,
                           8040, 3615, 495);
    m_command1 = addButton(this, QStringLiteral("Command1"), QStringLiteral("Back to main menu"), 11640, 8760,
                           3615, 495);
    addEndButtons(9480, 10200);

    // Return has its own meaning on this screen: OK, else "Select a question".
    keepReturnForTheScreen(this);
    chainTabOrder({m_option1, m_option2, m_option3, m_option7, m_option8, m_option9, m_okAnswer, m_command5,
                   m_command2, m_command4, m_showme, m_command1, endPrintScoreButton(), endNoPrintButton()});

    connect(m_command2, &QPushButton::clicked, this, &Form2::onCommand2Clicked);
    connect(m_command4, &QPushButton::clicked, this, &Form2::onCommand4Clicked);
    connect(m_command5, &QPushButton::clicked, this, &Form2::onCommand5Clicked);
    connect(m_command1, &QPushButton::clicked, this, &Form2::onCommand1Clicked);
    connect(m_showme, &QPushButton::clicked, this, &Form2::onShowmeClicked);
    connect(m_okAnswer, &QPushButton::clicked, this, &Form2::onOKanswerClicked);
    const auto whenChosen = [this](QRadioButton *option, void (Form2::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    };
    whenChosen(m_option1, &Form2::onOption1Toggled);
    whenChosen(m_option2, &Form2::onOption2Toggled);
    whenChosen(m_option3, &Form2::onOption3Toggled);
    whenChosen(m_option7, &Form2::onOption7Toggled);
    whenChosen(m_option8, &Form2::onOption8Toggled);
    whenChosen(m_option9, &Form2::onOption9Toggled);
}

void Form2::loadQuestionScreen()
{
    m_showme->hide();
    m_frame1->hide();
    m_okAnswer->hide();
    m_frame3->hide();
    m_frame2->hide();
    m_label1->hide();
    m_label3->hide();

    m_label2->hide();
    m_command2->show();

    m_picture2->clear();
    m_picture2->print(headingScript(m_session.title(), m_session.questionCount()));
}

void Form2::onCommand2Clicked()
{
    const std::optional<Selection> selection = m_session.selectQuestion(m_random);
    if (!selection) {
        showCompletion();
        return;
    }

    m_frame2->hide();
    m_label3->hide();
    clearAnswerOptions();
    m_frame1->hide();
    m_frame3->hide();
    // Nothing picked for an earlier question may be marked against this one.
    m_okAnswer->hide();
    clearConfidenceOptions();

    const CurrentQuestion &current = m_session.current();
    m_picture1->loadPicture(m_folder, current.picture);
    m_picture3->clear();
    m_picture3->print(questionLineScript(selection->row, selection->version));
    m_label1->setText(current.statement);
    m_label3->setText(current.explanation);

    m_label1->show();
    m_frame1->show();
    m_command4->show();
    m_command2->hide();
    m_option1->setFocus(Qt::OtherFocusReason);
}

void Form2::showCompletion()
{
    m_label2->setText(completionMessage());
    // The message is wider than its box in this font; a second line below
    // keeps it whole rather than cut off.
    growToText(m_label2);
    m_label2->show();
    m_command2->hide();
    // Hiding the focused "Select a question" would hand focus to the next
    // button in line, which may leave the screen or end the program.
    if (m_showme->isVisibleTo(this))
        m_showme->setFocus(Qt::OtherFocusReason);
    else if (QWidget *focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
}

void Form2::onCommand4Clicked()
{
    m_picture3->clear();
    m_frame1->hide();
    m_label1->hide();
    m_command4->hide();
    m_command2->show();
    m_session.skip();
    m_picture1->loadPicture(m_folder, m_session.current().picture);
    m_label1->setText(QStringLiteral(" "));
    m_command2->setFocus(Qt::OtherFocusReason);
}

void Form2::onCommand5Clicked()
{
    m_command5->hide();
    m_label3->show();
    if (m_command2->isVisibleTo(this))
        m_command2->setFocus(Qt::OtherFocusReason);
}

void Form2::onCommand1Clicked()
{
    navigation().backToMainMenu(this);
}

void Form2::onShowmeClicked()
{
    navigation().showScoreToDate();
}

void Form2::onOKanswerClicked()
{
    m_showme->show();
    m_command4->hide();
    m_command5->show();
    m_frame1->hide();
    m_frame3->hide();
    m_okAnswer->hide();

    m_picture7->clear();
    m_picture6->clear();
    const Marking marking = m_session.mark();
    m_picture7->setTextColor(toColor(marking.feedbackColor));
    m_picture6->setBackgroundColor(toColor(marking.faceBackground));
    m_picture6->setTextColor(toColor(marking.faceColor));
    m_picture7->print(marking.feedback);
    m_picture6->printFace(marking.face);

    m_frame2->show();
    m_command2->show();
    m_command2->setFocus(Qt::OtherFocusReason);
}

void Form2::pickAnswer(Answer answer)
{
    m_session.chooseAnswer(answer);
    if (answer != Answer::DontKnow) {
        clearConfidenceOptions();
        m_frame3->show();
    }
    offerOK();
}

void Form2::pickConfidence(Confidence confidence)
{
    m_session.chooseConfidence(confidence);
    offerOK();
}

// OK is offered only for an answer that can be marked.
void Form2::offerOK()
{
    m_okAnswer->setVisible(m_session.answerComplete());
    if (m_okAnswer->isVisibleTo(this))
        m_okAnswer->setFocus(Qt::OtherFocusReason);
}

void Form2::onOption1Toggled()
{
    pickAnswer(Answer::True);
}

void Form2::onOption2Toggled()
{
    pickAnswer(Answer::False);
}

void Form2::onOption3Toggled()
{
    pickAnswer(Answer::DontKnow);
}

void Form2::onOption7Toggled()
{
    pickConfidence(Confidence::Unsure);
}

void Form2::onOption8Toggled()
{
    pickConfidence(Confidence::FairlySure);
}

void Form2::onOption9Toggled()
{
    pickConfidence(Confidence::VerySure);
}

void Form2::clearAnswerOptions()
{
    clearOptions({m_option1, m_option2, m_option3});
}

void Form2::clearConfidenceOptions()
{
    clearOptions({m_option7, m_option8, m_option9});
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    const auto controlFor = [this](int key) -> QAbstractButton * {
        switch (key) {
        case Qt::Key_T:
            return m_option1;
        case Qt::Key_F:
            return m_option2;
        case Qt::Key_D:
            return m_option3;
        case Qt::Key_1:
            return m_option7;
        case Qt::Key_2:
            return m_option8;
        case Qt::Key_3:
            return m_option9;
        case Qt::Key_E:
            return m_command5;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return m_okAnswer->isVisibleTo(this) ? m_okAnswer : m_command2;
        default:
            return nullptr;
        }
    };
    if (!pressControlForKey(this, event, controlFor))
        ScreenWindow::keyPressEvent(event);
}

} // namespace quorix
