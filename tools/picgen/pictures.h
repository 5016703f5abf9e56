// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace quorix::picgen {

// One picture the program ships, with where it goes below the repository
// root and how it is stored.
struct PictureFile {
    enum Format { PalettedBmp, Png };
    QString path;
    Format format;
    std::function<QImage()> draw;
};

std::vector<PictureFile> allPictures();

// The desktop icon's scalable file below the repository root; its pixel
// sizes are among allPictures().
inline const QString AppIconSvgPath = QStringLiteral("dist/icons/scalable/org.quorix.Quorix.svg");

// The PAR screen's pictures and the logos (emblems.cpp).
QImage blankPicture();
QImage parPicture(int band); // 1..7
QImage quorixLogo(); // the PAR screen's logo, as file and compiled in
QImage chartLogo();
QImage menuIllustration();
QImage questionDecoration();
QImage appIcon(int size); // the desktop icon, size x size pixels
QByteArray appIconSvg(); // the same icon, scalable

// The diagrams the banks name (diagrams1.cpp to diagrams3.cpp).
QImage foodLabel();
QImage michaelisMenten();
QImage feedbackInhibition();
QImage enterocyteSugars();
QImage energyExpenditure();
QImage bmiChart();
QImage glycolysis();
QImage coriCycle();
QImage bmiBands();
QImage weightLoss();
QImage betaOxidation();
QImage lipoproteins();
QImage transamination();
QImage ureaCycle();
QImage betaCell();
QImage fastingFuels();
QImage vitaminD();
QImage folateB12();
QImage ironAbsorption();
QImage glucoseTolerance();
QImage requirements();
QImage boneMass();
QImage milkComposition();

} // namespace quorix::picgen
