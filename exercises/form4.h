#pragma once

#include "ui/screenwindow.h"

namespace quorix {

// The BMI screen, shown instead of the question screen first for its sets. For now
// it only leads on to the questions or ends the program.
class Form4 : public ScreenWindow {
    Q_OBJECT
public:
    explicit Form4(Navigation &navigation, QWidget *parent = nullptr);

private:
    void onCommand1Clicked();
    void onCommand5Clicked();
};

} // namespace quorix
