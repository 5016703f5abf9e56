#include "ui/optionbutton.h"

namespace quorix {

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace quorix
