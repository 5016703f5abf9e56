// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/screenwindow.h"

#include <array>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quorix {

class BmiExercise;
class FaceBox;
class PictureArea;
class RandomSource;
class TextOutputBox;

// The BMI screen: the student draws young adults, classifies each by BMI and
// sees the worked answer. The exercise owns the person and the choice; this
// class only shows them.
class Form4 : public ScreenWindow {
    Q_OBJECT
public:
    Form4(BmiExercise &exercise, RandomSource &random, Navigation &navigation, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void loadScreen();
    void onSelectpersonClicked();
    void onOptionChosen(int option);
    void onClassifyClicked();
    void onCommand1Clicked();
    void onCommand5Clicked();
    void prepareForNextShowing();

    BmiExercise &m_exercise;
    RandomSource &m_random;

    TextOutputBox *m_picture1 = nullptr;
    QGroupBox *m_frame1 = nullptr;
    std::array<QRadioButton *, 8> m_options{};
    QPushButton *m_classify = nullptr;
    TextOutputBox *m_picture5 = nullptr;
    QLabel *m_label1 = nullptr;
    FaceBox *m_picture4 = nullptr;
    TextOutputBox *m_picture3 = nullptr;
    PictureArea *m_picture2 = nullptr;
    QPushButton *m_selectperson = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command5 = nullptr;
};

} // namespace quorix
