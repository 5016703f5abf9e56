// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/safewriter.h"

#include "tests/support/childprocess.h"
#include "tests/support/failingdevice.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace quorix;
using quorixtest::FailingDevice;

class TestSafeWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ignoreBrokenPipeSignal(); }

    void everyWriteIsChecked_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("ok");
        QTest::newRow("a device that takes nothing fails") << qint64(0) << false;
        QTest::newRow("a device that fails part-way fails") << qint64(5) << false;
        QTest::newRow("one byte short fails") << qint64(9) << false;
        QTest::newRow("room for every byte succeeds") << qint64(10) << true;
    }

    void everyWriteIsChecked()
    {
        QFETCH(qint64, limit);
        QFETCH(bool, ok);
        QBuffer target;
        target.open(QIODevice::WriteOnly);
        FailingDevice device(target, limit);
        const Result<void> written = writeAll(device, "0123456789");
        QCOMPARE(written.ok(), ok);
        QCOMPARE(written.error(), ok ? QString() : QStringLiteral("No space left on device"));
        QCOMPARE(target.data(), QByteArray("0123456789").left(int(limit)));
    }

    void replaceOnlyKeepsAFileOfAnotherKind_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("replaceOnly");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("an earlier report") << QByteArray("%PDF-1.4 old") << QByteArray("%PDF-") << true;
        QTest::newRow("an empty file") << QByteArray() << QByteArray("%PDF-") << true;
        QTest::newRow("a catalogue") << QByteArray("Sample,sample.txt") << QByteArray("%PDF-") << false;
        QTest::newRow("shorter than the head") << QByteArray("%PD") << QByteArray("%PDF-") << false;
        QTest::newRow("anything, when not asked") << QByteArray("Sample,sample.txt") << QByteArray() << true;
    }

    void replaceOnlyKeepsAFileOfAnotherKind()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, replaceOnly);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
        file.close();
        const Result<void> written = SafeWriter().writeFile(path, "%PDF-new", replaceOnly);
        QCOMPARE(written.ok(), replaced);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), replaced ? QByteArray("%PDF-new") : before);
    }

    // What stands at a new file's name is the whole of it or nothing, and
    // nothing is left beside it, whatever happens during the write.
    void aNewFileIsWholeOrAbsent_data()
    {
        QTest::addColumn<QString>("during"); // what happens half-way through the write
        QTest::addColumn<QByteArray>("after"); // what the name holds then; empty: nothing
        QTest::addColumn<QString>("error");
        QTest::newRow("nothing") << "" << QByteArray("%PDF-whole report") << QString();
        QTest::newRow("another program takes the name")
            << "taken" << QByteArray("another program's") << QStringLiteral("File exists");
        QTest::newRow("the program is killed") << "killed" << QByteArray() << QString();
    }

    void aNewFileIsWholeOrAbsent()
    {
        QFETCH(QString, during);
        QFETCH(QByteArray, after);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        const SafeWriter writer([&](QIODevice &out, const QString &, const QByteArray &bytes) {
            const Result<void> half = writeAll(out, bytes.left(5));
            if (during == "taken") {
                QFile other(path);
                if (other.open(QIODevice::WriteOnly))
                    other.write("another program's");
            }
            if (during == "killed")
                ::sleep(30);
            return half ? writeAll(out, bytes.mid(5)) : half;
        });
        Result<void> written;
        if (during == "killed") {
            const quorixtest::ChildResult child = quorixtest::runInChild(
                false, [&] { return writer.writeNewFile(path, "%PDF-whole report").ok() ? "ok" : "failed"; },
                300);
            QVERIFY2(!child.finished, "the child was killed while it wrote");
        } else {
            written = writer.writeNewFile(path, "%PDF-whole report");
        }
        QCOMPARE(written.error(), error);
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), after);
        // A killed writer leaves its temporary behind, never under the name.
        const QStringList beside = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(beside.filter(QStringLiteral(".part")).size(), during == "killed" ? 1 : 0);
    }

    void aPipeWhoseReaderHasGoneIsAnOrdinaryFailure()
    {
        int ends[2];
        QCOMPARE(::pipe(ends), 0);
        ::close(ends[0]);
        QFile pipe;
        QVERIFY(
            pipe.open(ends[1], QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle));
        const Result<void> written = writeAll(pipe, "%PDF-");
        QVERIFY(!written.ok());
        QCOMPARE(written.error(), QStringLiteral("Broken pipe"));
    }
};

QTEST_GUILESS_MAIN(TestSafeWriter)
#include "test_safewriter.moc"
