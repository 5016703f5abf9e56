// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves pictures of the question screen in each of its states, for looking
// at the layout: shots_form2 OUTPUT_DIR [BANK_FILE]. Run it under a real
// display (xvfb-run) so that fonts and frames are drawn as a student sees them.

#include "tests/support/form2harness.h"

#include "questions/questiondraw.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

using namespace quorix;
using namespace quorixtest;

namespace {

LoadedBank readBank(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return makeBank(41, {QStringLiteral("T"), QStringLiteral("F")}, QStringLiteral("diagram.png"));
    Result<LoadedBank> bank = parseBank(file.readAll(), path);
    if (!bank)
        qFatal("%s", qPrintable(bank.error()));
    // Every question shows the diagram, so that the picture area is seen filled.
    for (QuestionRecord &r : bank->records)
        r.picture = QStringLiteral("diagram.png");
    return bank.value();
}

void drawDiagram(const QString &path)
{
    QImage image(420, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::darkBlue, 3));
    p.drawRect(10, 10, 399, 279);
    p.drawLine(40, 250, 380, 250);
    p.drawLine(40, 250, 40, 30);
    p.setPen(QPen(Qt::red, 4));
    p.drawLine(40, 240, 150, 120);
    p.drawLine(150, 120, 380, 60);
    p.end();
    image.save(path);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        qFatal("usage: shots_form2 OUTPUT_DIR [BANK_FILE]");
    const QDir out(args.at(1));
    const LoadedBank bank = readBank(args.size() > 2 ? QFileInfo(args.at(2)).absoluteFilePath() : QString());

    QTemporaryDir pictures;
    drawDiagram(QDir(pictures.path()).filePath(QStringLiteral("diagram.png")));

    Harness h(11);
    h.folder = DataFolder(pictures.path());
    h.acceptBank(bank, QStringLiteral("Nutrients, foods and food composition"));
    h.open();
    const auto shot = [&](const char *name) {
        QApplication::processEvents();
        h.form->grab().save(out.filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
    };
    shot("1-loaded");
    h.events({"select"});
    shot("2-question-shown");
    h.events({"true"});
    shot("3-answer-picked");
    h.events({"c2"});
    shot("4-ready-to-mark");
    const bool keyTrue = h.session.current().key == QLatin1String("T");
    h.events({"ok"});
    shot(keyTrue ? "5-marked-correct" : "5-marked-wrong");
    h.events({"explain"});
    shot("6-explanation-shown");
    // The other verdict: answer the next statement the other way round.
    h.events({"select"});
    const bool nextTrue = h.session.current().key == QLatin1String("T");
    h.events({nextTrue == keyTrue ? "false" : "true", "c3", "ok"});
    shot(keyTrue ? "7-marked-wrong" : "7-marked-correct");
    h.events({"select", "dk", "ok"});
    shot("8-marked-dont-know");
    h.events({"select", "skip"});
    shot("9-skipped");
    // A test of one question whose picture is missing, then a test of two
    // (a quota of one) taken to its end.
    h.acceptBank(makeBank(1, {QStringLiteral("T")}, QStringLiteral("nothere.bmp")));
    h.open();
    h.events({"select"});
    shot("10-picture-missing");
    h.acceptBank(makeBank(2));
    h.open();
    h.events({"select", "dk", "ok", "select"});
    shot("11-completed");
    return 0;
}
