// The floor of start-up for a program with text: the empty window with 24
// captioned push buttons in bold Liberation Sans 9.75 pt, which pays for
// loading fonts as any such program does.

#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quorix self-assessment questions"));
    window.resize(1024, 768);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    for (int i = 0; i < 24; ++i) {
        auto *button = new QPushButton(QStringLiteral("Button number %1 of the window").arg(i + 1), &window);
        button->setFont(font);
        button->setGeometry(20 + (i / 12) * 400, 20 + (i % 12) * 50, 360, 33);
    }
    window.show();
    return app.exec();
}
