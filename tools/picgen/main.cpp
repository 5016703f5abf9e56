// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/picgen/painting.h"
#include "tools/picgen/pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Fonts need a platform; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 1 || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        std::fputs("Usage: quorix-picgen ROOT\n"
                   "Redraws every picture Quorix ships below ROOT (the repository's root):\n"
                   "the band pictures, logo, blank picture and diagrams into ROOT/data, the\n"
                   "screens' compiled-in pictures into ROOT/ui/pictures, the desktop icon\n"
                   "into ROOT/dist/icons.\n",
                   args.size() == 1 ? stdout : stderr);
        return args.size() == 1 ? 0 : 2;
    }

    const QDir root(args[0]);
    int failures = 0;
    for (const auto &picture : quorix::picgen::allPictures()) {
        const QString path = root.filePath(picture.path);
        QDir().mkpath(QFileInfo(path).path());
        const QImage image = picture.draw();
        const bool saved = picture.format == quorix::picgen::PictureFile::PalettedBmp
            ? quorix::picgen::saveBmp8(image, path)
            : quorix::picgen::savePng(image, path);
        if (!saved) {
            std::fprintf(stderr, "quorix-picgen: cannot write %s\n", qPrintable(path));
            ++failures;
            continue;
        }
        std::printf("%s  %d x %d\n", qPrintable(path), image.width(), image.height());
    }
    const QString svgPath = root.filePath(quorix::picgen::AppIconSvgPath);
    QDir().mkpath(QFileInfo(svgPath).path());
    QSaveFile svg(svgPath);
    if (svg.open(QIODevice::WriteOnly) && svg.write(quorix::picgen::appIconSvg()) >= 0 && svg.commit()) {
        std::printf("%s  scalable\n", qPrintable(svgPath));
    } else {
        std::fprintf(stderr, "quorix-picgen: cannot write %s\n", qPrintable(svgPath));
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
