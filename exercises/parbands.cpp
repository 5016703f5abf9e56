// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercises/parbands.h"

namespace quorix {

namespace {

ParBand makeBand(int number, const char *caption, Rgb background, Rgb text, double drawnFrom, double drawnTo,
                 double ruleFrom, std::initializer_list<const char *> examples, const char *youSaid)
{
    QStringList lines;
    for (const char *line : examples)
        lines.append(QString::fromLatin1(line));
    return {number,     QString::fromLatin1(caption),
            background, text,
            drawnFrom,  drawnTo,
            ruleFrom,   QStringLiteral("PAR%1.bmp").arg(number),
            lines,      QString::fromLatin1(youSaid)};
}

} // namespace

const std::array<ParBand, 7> &parBands()
{
    constexpr Rgb black{0, 0, 0};
    static const std::array<ParBand, 7> bands = {
        makeBand(1, "PAR 1.0 - 1.4", {192, 255, 255}, black, 1.10, 1.40, 0,
                 {"lying, standing or sitting at rest", "eg watching TV, reading, writing",
                  "eating, playing cards"},
                 "You said PAR 1.0 - 1.4"),
        makeBand(2, "PAR 1.5 - 1.8", {0, 255, 255}, black, 1.50, 1.80, 1.45,
                 {"sitting: sewing, knitting, driving", "standing: preparing vegetables, ",
                  "washing dishes, ironing", "office or laboratory work"},
                 "You said PAR 1.5 - 1.8"),
        makeBand(3, "PAR 1.9 - 2.4", {128, 255, 128}, black, 1.90, 2.40, 1.85,
                 {"household chores, cooking", "playing snooker or bowls"}, "You said PAR 1.9 - 2.4"),
        makeBand(4, "PAR 2.5 - 3.3", {0, 255, 0}, black, 2.50, 3.30, 2.45,
                 {"walking 3 - 4 kph, playing cricket", "dressing, undressing, showering",
                  "tailoring, shoemaking, light industry", "painting and decorating"},
                 "You said PAR 2.5 - 3.3"),
        makeBand(5, "PAR 3.4 - 4.4", {255, 255, 0}, black, 3.40, 4.40, 3.35,
                 {"walking 4 - 6 kph, playing golf", "mopping floors, cleaning windows",
                  "gardening, bricklaying", "carpentry and joinery"},
                 "You said PAR 3.4 - 4.4"),
        makeBand(6, "PAR 4.5 - 5.9", {255, 128, 0}, black, 4.50, 5.90, 4.45,
                 {"walking 6 - 7 kph", "polishing, chopping wood", "heavy gardening, felling trees",
                  "moderate swimming, gentle cycling", "labouring, road construction",
                  "digging and shovelling"},
                 "You said PAR 4.5 - 5.9"),
        makeBand(7, "PAR 6.0 - 7.9", {255, 0, 0}, {255, 255, 0}, 6.00, 7.80, 5.95,
                 {"walking uphill or cross-country", "climbing stairs, cycling",
                  "jogging, tennis, skiing, football"},
                 "You said PAR 6.0 - 7.9"),
    };
    return bands;
}

const ParBand &parBand(int number)
{
    return parBands().at(std::size_t(number - 1));
}

PrintScript bandExamples(int number)
{
    PrintScript script;
    for (const QString &line : parBand(number).examples) {
        script.push_back(PrintItem::textItem(line));
        script.push_back(PrintItem::lineEnd());
    }
    return script;
}

QString parLogoPicture()
{
    return QStringLiteral("zentavo.bmp");
}

QStringList parExercisePictures()
{
    QStringList names;
    for (const ParBand &band : parBands())
        names << band.picture;
    return names << parLogoPicture();
}

} // namespace quorix
