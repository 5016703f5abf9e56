#include "exercises/form5.h"

#include "ui/fixedpictures.h"
#include "ui/navigation.h"
#include "ui/picturearea.h"
#include "ui/twips.h"

#include <QImage>
#include <QPushButton>

namespace quorix {

Form5::Form5(Navigation &navigation, QWidget *parent)
    : ScreenWindow(QStringLiteral("Form5"), navigation, parent)
{
    auto *logo = new PictureArea(this, QStringLiteral("Picture2"));
    placeAt(logo, 11640, 0, 3600, 3600);
    logo->setFixedPicture(QImage(QString::fromLatin1(fixedpictures::exerciseLogo)));

    QPushButton *command1 = addButton(this, QStringLiteral("Command1"), QStringLiteral("Go to questions"),
                                      11640, 5040, 3615, 495);
    connect(command1, &QPushButton::clicked, this, &Form5::onCommand1Clicked);
    QPushButton *command5 = addButton(this, QStringLiteral("Command5"), QStringLiteral("Back to main menu"),
                                      11640, 8880, 3615, 495);
    connect(command5, &QPushButton::clicked, this, &Form5::onCommand5Clicked);
    addEndButtons(9600, 10320);
}

void Form5::onCommand1Clicked()
{
    navigation().goToQuestions(this);
}

void Form5::onCommand5Clicked()
{
    navigation().backToMainMenu(this);
}

} // namespace quorix
