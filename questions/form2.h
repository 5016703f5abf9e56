// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/datafolder.h"
#include "ui/screenwindow.h"

class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quorix {

class FaceBox;
class PictureArea;
class QuestionSession;
class RandomSource;
class TextOutputBox;
enum class Answer;
enum class Confidence;

// The question screen: draws the loaded bank's statements one at a time,
// takes the answer and its confidence, and marks it. The drawing and marking
// rules live in questiondraw.h and marking.h; this class only shows them.
class Form2 : public ScreenWindow {
    Q_OBJECT
public:
    Form2(QuestionSession &session, RandomSource &random, const DataFolder &folder, Navigation &nav,
          QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private Q_SLOTS:
    void onCommand2Clicked();
    void onCommand4Clicked();
    void onCommand5Clicked();
    void onCommand1Clicked();
    void onShowmeClicked();
    void onOKanswerClicked();
    void onOption1Toggled();
    void onOption2Toggled();
    void onOption3Toggled();
    void onOption7Toggled();
    void onOption8Toggled();
    void onOption9Toggled();

private:
    void createControls();
    void loadQuestionScreen();
    void showCompletion();
    void pickAnswer(Answer answer);
    void pickConfidence(Confidence confidence);
    void offerOK();
    void clearAnswerOptions();
    void clearConfidenceOptions();

    QuestionSession &m_session;
    RandomSource &m_random;
    DataFolder m_folder; // where the bank's pictures are

    TextOutputBox *m_picture2 = nullptr;
    TextOutputBox *m_picture3 = nullptr;
    PictureArea *m_picture4 = nullptr;
    QLabel *m_label1 = nullptr;
    PictureArea *m_picture1 = nullptr;
    QLabel *m_label3 = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    QRadioButton *m_option3 = nullptr;
    QPushButton *m_okAnswer = nullptr;
    QFrame *m_frame3 = nullptr;
    QRadioButton *m_option7 = nullptr;
    QRadioButton *m_option8 = nullptr;
    QRadioButton *m_option9 = nullptr;
    QFrame *m_frame2 = nullptr;
    FaceBox *m_picture6 = nullptr;
    TextOutputBox *m_picture7 = nullptr;
    QPushButton *m_command5 = nullptr;
    QLabel *m_label2 = nullptr;
    QPushButton *m_showme = nullptr;
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command1 = nullptr;
};

} // namespace quorix
