#include "app/setfiles.h"

namespace quorix {

QString bankFileName(int option)
{
    // The fourteenth set's file has always been numbered 143.
    const int number = option == 14 ? 143 : option;
    return QStringLiteral("qbank%1.txt").arg(number);
}

FirstScreen firstScreenFor(int option)
{
    if (option == 5 || option == 7)
        return FirstScreen::Bmi;
    if (option == 4)
        return FirstScreen::Par;
    return FirstScreen::Questions;
}

} // namespace quorix
