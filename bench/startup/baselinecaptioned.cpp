// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of start-up for a program with text: the empty window with 24
// captioned push buttons in bold Liberation Sans 9.75 pt, laid out in a grid
// as any program with text lays out its controls. Laying them out measures
// their captions before the window is shown, so this program, like Quorix,
// has loaded its fonts by the time its window is mapped.

#include <QApplication>
#include <QFont>
#include <QGridLayout>
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
    auto *grid = new QGridLayout(&window);
    for (int i = 0; i < 24; ++i) {
        auto *button = new QPushButton(QStringLiteral("Button number %1 of the window").arg(i + 1), &window);
        button->setFont(font);
        grid->addWidget(button, i % 12, i / 12);
    }
    grid->activate();
    window.show();
    return app.exec();
}
