#pragma once

#include <QWidget>

class QCloseEvent;
class QPushButton;

namespace quorix {

class Navigation;

// A screen of the program: a top-level window titled with the program's
// title, white, fixed at the 1024 x 768 design size with its outline shape.
// Closing it through the window manager asks the Navigation first.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(const QString &formName, Navigation &navigation, QWidget *parent = nullptr);

    Navigation &navigation() const { return m_navigation; }

    // Creates a push button child with objectName = name, at its twips place,
    // in bold "MS Sans Serif" of the given size. Enter presses it when focused.
    QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                           int width, int height, double pointSize = 9.75);
    // "Print my score and END" and "END - don't print my results", wired to
    // the Navigation, at the given tops (left 11640, 3615 x 495).
    void addEndButtons(int printTop, int endTop);
    QPushButton *endPrintScoreButton() const { return m_endPrintScore; }
    QPushButton *endNoPrintButton() const { return m_endNoPrint; }
    // The rectangle around the design area, named "Shape1"; a screen that
    // names it otherwise renames it.
    QWidget *outline() const { return m_outline; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Navigation &m_navigation;
    QWidget *m_outline = nullptr;
    QPushButton *m_endPrintScore = nullptr;
    QPushButton *m_endNoPrint = nullptr;
};

QString programTitle(); // "Quorix self-assessment questions"

} // namespace quorix
