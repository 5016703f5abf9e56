// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Looks at and drives a screen as a student would: its controls by name,
// clicks only on what can be seen, keys where the focus is.

#include <QAbstractButton>
#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

#include <initializer_list>

namespace quorixtest {

class ScreenProbe {
public:
    explicit ScreenProbe(QWidget *screen) : m_screen(screen) { }

    template<typename T = QWidget> T *child(const char *name) const
    {
        T *w = m_screen->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control named %s", name);
        return w;
    }

    // False when the control cannot be seen.
    bool click(const char *name) const
    {
        QWidget *w = child(name);
        if (!w->isVisible())
            return false;
        QTest::mouseClick(w, Qt::LeftButton);
        return true;
    }

    void key(Qt::Key k) const
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : m_screen, k);
    }

    // V or h for each control, by its own flag whatever its frame shows.
    QString visibility(std::initializer_list<const char *> names) const
    {
        QString out;
        for (const char *name : names)
            out += child(name)->isHidden() ? QLatin1Char('h') : QLatin1Char('V');
        return out;
    }

    // A text box's printed lines, a picture's file name, a face's name.
    QString text(const char *name) const { return child(name)->accessibleDescription(); }

    QString focused() const
    {
        QWidget *w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }

private:
    QWidget *m_screen;
};

} // namespace quorixtest
