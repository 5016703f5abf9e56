#pragma once

#include <QString>

namespace quorix {

// Which file option k of the main menu opens, and which screen its set
// starts on. The menu and the bank checker both go by these.
QString bankFileName(int option);

enum class FirstScreen { Questions, Bmi, Par };
FirstScreen firstScreenFor(int option);

} // namespace quorix
