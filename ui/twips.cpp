#include "ui/twips.h"

#include <QWidget>

namespace quorix {

void placeAt(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

} // namespace quorix
