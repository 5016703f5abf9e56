// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/safewriter.h"

#include "tests/support/failingdevice.h"

#include <QBuffer>
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
