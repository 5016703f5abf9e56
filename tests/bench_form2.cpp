// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/form2harness.h"

#include <QtTest>

using namespace quorix;
using namespace quorixtest;

// One student step on a 400-question bank: "Select a question", then an
// answer with its confidence and "OK", each click repainted at once.
class BenchForm2 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selectAndMark();
    void relayout();
};

void BenchForm2::selectAndMark()
{
    Harness h(2024);
    const LoadedBank bank = makeBank(400, {QStringLiteral("T"), QStringLiteral("F")});
    h.acceptBank(bank);
    Form2 *form = h.open();
    int marked = 0;
    QBENCHMARK
    {
        // Keep the test open and about half the bank flagged, as in a real test.
        if (marked++ % 200 == 0)
            h.acceptBank(bank);
        h.click("Command2");
        form->repaint();
        h.click("Option1");
        form->repaint();
        h.click("Option8");
        form->repaint();
        h.click("OKanswer");
        form->repaint();
    }
    QVERIFY(h.tally.asked > 0);
}

// One re-layout of the question screen after marking, as a resize makes it:
// every control's rectangle and font at a new scale.
void BenchForm2::relayout()
{
    Harness h(2024);
    h.acceptBank(makeBank(20, {QStringLiteral("T")}));
    Form2 *form = h.open();
    for (const char *control : {"Command2", "Option1", "Option8", "OKanswer"})
        QVERIFY(h.click(control));
    bool smaller = false;
    QBENCHMARK
    {
        smaller = !smaller;
        form->setScale(smaller ? 0.75 : 0.875);
    }
    QVERIFY(form->scale() == 0.75 || form->scale() == 0.875);
}

QTEST_MAIN(BenchForm2)
#include "bench_form2.moc"
