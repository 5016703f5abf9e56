// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/startuprefusal.h"

#include "tests/support/dialoganswerer.h"

#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

class TestStartupRefusal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refusalGivesTheLineAndTheBox_data()
    {
        QTest::addColumn<bool>("showBox");
        QTest::newRow("where windows can be seen") << true;
        QTest::newRow("where they cannot") << false;
    }

    void refusalGivesTheLineAndTheBox()
    {
        QFETCH(bool, showBox);
        const QString text = QStringLiteral("The data folder \"/nowhere\" does not exist.");
        QStringList box;
        quorixtest::DialogAnswerer answer({[&](QWidget *w) {
            auto *b = qobject_cast<QMessageBox *>(w);
            QVERIFY(b && b->icon() == QMessageBox::Critical);
            box << b->objectName() << b->windowTitle() << b->text();
            QTest::keyClick(b, Qt::Key_Return);
        }});
        std::FILE *err = std::tmpfile();
        QCOMPARE(quorix::refuseToStart(text, 2, showBox, err), 2);
        std::rewind(err);
        char line[200] = {};
        QVERIFY(std::fgets(line, sizeof line, err));
        std::fclose(err);
        QCOMPARE(QString::fromUtf8(line), "quorix: " + text + "\n");
        QCOMPARE(answer.unexpected(), QStringList());
        const QStringList shown{"startupRefusal", "Quorix self-assessment questions", text};
        QCOMPARE(box, showBox ? shown : QStringList());
    }

    // On the offscreen platform nobody could close a box: the program must
    // say why on standard error and end.
    void programRefusesToStart_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("missing data folder")
            << QStringList{"--data-dir", "/no/such/folder"}
            << "quorix: The data folder \"/no/such/folder\" does not exist." << 2;
        QTest::newRow("unknown option")
            << QStringList{"--colour"} << "quorix: Unknown option 'colour'. See quorix --help." << 2;
        QTest::newRow("data folder without a catalogue")
            << QStringList{"--data-dir", "EMPTY"} << "quorix: qbanks.txt cannot be read: " << 1;
        QTest::newRow("results file cannot be created")
            << QStringList{"--data-dir", QUORIX_DATA_DIR}
            << "quorix: The results file could not be created in either place: " << 1;
    }

    void programRefusesToStart()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, line);
        QFETCH(int, exitCode);
        QTemporaryDir empty;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("temp"), empty.path());
        if (QTest::currentDataTag() == QLatin1String("results file cannot be created")) {
            env.insert(QStringLiteral("temp"), QStringLiteral("/no/such/folder"));
            env.insert(QStringLiteral("HOME"), QStringLiteral("/no/such/home"));
        }
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(QUORIX_BINARY),
                      args.replaceInStrings(QStringLiteral("EMPTY"), empty.path()));
        if (!program.waitForFinished(20000)) {
            program.kill();
            program.waitForFinished();
            QFAIL("the program waited instead of ending");
        }
        QVERIFY2(program.readAllStandardError().contains(line.toUtf8()), qPrintable(line));
        QCOMPARE(program.exitCode(), exitCode);
    }
};

QTEST_MAIN(TestStartupRefusal)
#include "test_startuprefusal.moc"
