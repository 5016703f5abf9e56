// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of start-up: a Qt Widgets program with one empty 1024 x 768
// window titled as the program's are.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quorix self-assessment questions"));
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
