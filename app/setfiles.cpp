#include "app/setfiles.h"

namespace quorix {

FirstScreen firstScreenFor(int option)
{
    if (option == 5 || option == 7)
        return FirstScreen::Bmi;
    if (option == 4)
        return FirstScreen::Par;
    return FirstScreen::Questions;
}

} // namespace quorix
