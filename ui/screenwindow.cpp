#include "ui/screenwindow.h"

#include "ui/fonts.h"
#include "ui/frames.h"
#include "ui/navigation.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPalette>
#include <QPushButton>

namespace quorix {

QString programTitle()
{
    return QStringLiteral("Quorix self-assessment questions");
}

ScreenWindow::ScreenWindow(const QString &formName, Navigation &navigation, QWidget *parent)
    : QWidget(parent, Qt::Window), m_navigation(navigation)
{
    setObjectName(formName);
    setWindowTitle(programTitle());
    setFont(screenFont());

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    setMinimumSize(DesignWidth, DesignHeight);
    resize(DesignWidth, DesignHeight);

    // Created first so that it lies beneath every control.
    auto *outline = new QFrame(this);
    outline->setObjectName(QStringLiteral("Shape1"));
    outline->setFrameStyle(QFrame::Box | QFrame::Plain);
    outline->setLineWidth(1);
    QPalette outlinePalette = outline->palette();
    outlinePalette.setColor(QPalette::WindowText, Qt::black);
    outline->setPalette(outlinePalette);
    outline->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeAt(outline, 0, 0, 15360, 11520);
    m_outline = outline;
}

QPushButton *ScreenWindow::addButton(QWidget *parent, const QString &name, const QString &caption, int left,
                                     int top, int width, int height, double pointSize)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    setCaption(button, caption);
    button->setFont(screenFont(pointSize));
    // Outside dialogs Qt lets only Space press a focused button; students
    // expect Enter to do it too.
    button->setAutoDefault(true);
    placeAt(button, left, top, width, height);
    return button;
}

void ScreenWindow::addEndButtons(int printTop, int endTop)
{
    constexpr int left = 11640, width = 3615, height = 495;
    m_endPrintScore = addButton(this, QStringLiteral("endprintscore"),
                                QStringLiteral("Print my score and END"), left, printTop, width, height);
    m_endNoPrint = addButton(this, QStringLiteral("endnoprint"),
                             QStringLiteral("END - don't print my results"), left, endTop, width, height);
    connect(m_endPrintScore, &QPushButton::clicked, this, [this] { m_navigation.printScoreAndEnd(this); });
    connect(m_endNoPrint, &QPushButton::clicked, this, [this] { m_navigation.endWithoutPrinting(); });
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    if (m_navigation.closeRequested(this))
        event->accept();
    else
        event->ignore();
}

} // namespace quorix
