#include "app/startuprefusal.h"

#include "tests/dialoganswerer.h"

#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using quorixtest::DialogAnswerer;

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
        QString boxText, title, name;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        DialogAnswerer answer({[&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            boxText = box->text();
            title = box->windowTitle();
            name = box->objectName();
            icon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        }});
        std::FILE *err = std::tmpfile();
        QVERIFY(err);
        QCOMPARE(quorix::refuseToStart(text, 2, showBox, err), 2);
        QFile written;
        QVERIFY(written.open(err, QIODevice::ReadOnly));
        written.seek(0);
        QCOMPARE(written.readAll(), "quorix: " + text.toUtf8() + "\n");
        written.close();
        std::fclose(err);
        QCOMPARE(answer.unexpected(), QStringList());
        QCOMPARE(answer.answered(), showBox ? 1 : 0);
        if (showBox) {
            QCOMPARE(boxText, text);
            QCOMPARE(title, QStringLiteral("Quorix self-assessment questions"));
            QCOMPARE(name, QStringLiteral("startupRefusal"));
            QCOMPARE(icon, QMessageBox::Critical);
        }
    }

    // On the offscreen platform nobody could close a box, so the program
    // must say it on standard error and end.
    void programRefusesToStart_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("missing data folder")
            << QStringList{"--data-dir", "/no/such/folder"}
            << "quorix: The data folder \"/no/such/folder\" does not exist." << 2;
        QTest::newRow("data folder that is a file")
            << QStringList{"--data-dir", QUORIX_BINARY}
            << QStringLiteral("quorix: The data folder \"%1\" is not a folder.").arg(QUORIX_BINARY) << 2;
        QTest::newRow("data folder without a catalogue")
            << QStringList{"--data-dir", "EMPTY"} << "quorix: qbanks.txt cannot be read: " << 1;
        QTest::newRow("bad seed") << QStringList{"--seed", "soon"}
                                  << "quorix: The option --seed needs a whole number from 0, not \"soon\"."
                                  << 2;
        QTest::newRow("unknown option")
            << QStringList{"--colour"} << "quorix: Unknown option 'colour'. See quorix --help." << 2;
        QTest::newRow("option without its value")
            << QStringList{"--data-dir"} << "quorix: Missing value after '--data-dir'." << 2;
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
        args.replaceInStrings(QStringLiteral("EMPTY"), empty.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (QTest::currentDataTag() == QLatin1String("results file cannot be created")) {
            env.insert(QStringLiteral("temp"), QStringLiteral("/no/such/folder"));
            env.insert(QStringLiteral("HOME"), QStringLiteral("/no/such/home"));
        }
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(QUORIX_BINARY), args);
        if (!program.waitForFinished(20000)) {
            program.kill();
            program.waitForFinished();
            QFAIL("the program waited instead of ending");
        }
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(err.contains(line), qPrintable(err));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
    }
};

QTEST_MAIN(TestStartupRefusal)
#include "test_startuprefusal.moc"
