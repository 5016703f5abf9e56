// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
