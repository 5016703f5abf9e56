// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring/reportpdf.h"

#include "scoring/reportpage.h"
#include "ui/fonts.h"
#include "ui/screenwindow.h"

#include <QBuffer>
#include <QFileDevice>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace quorix {

QFont reportFont()
{
    installFontSubstitutions();
    QFont font(reportFontFamily());
    font.setPointSizeF(reportPointSize);
    return font;
}

TextLayout layoutReport(const PrintScript &report, QPaintDevice *device)
{
    const QFontMetricsF metrics(reportFont(), device);
    TextLayout layout([metrics](const QString &text) { return metrics.horizontalAdvance(text); },
                      metrics.averageCharWidth());
    layout.print(report);
    return layout;
}

bool paintReport(QPagedPaintDevice &device, const PrintScript &report)
{
    device.setPageSize(QPageSize(QPageSize::A4));
    const double margin = reportMarginMillimetres;
    device.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QFont font(reportFont(), &device);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const TextLayout layout = layoutReport(report, &device);
    const std::vector<TextLayout::Line> &lines = layout.lines();
    const std::vector<LinePlace> places
        = placeReportLines(int(lines.size()), metrics.lineSpacing(), metrics.ascent(), device.height());
    int page = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (; page < places[i].page; ++page)
            device.newPage();
        for (const TextLayout::Segment &segment : lines[i].segments) {
            painter.setPen(segment.color);
            painter.drawText(QPointF(segment.x, places[i].baseline), segment.text);
        }
    }
    return painter.end();
}

Result<void> writeReportPdf(const PrintScript &report, QIODevice &out)
{
    QPdfWriter writer(&out);
    writer.setTitle(programTitle());
    writer.setCreator(programTitle());
    if (!paintReport(writer, report))
        return Result<void>::failure(QStringLiteral("the PDF could not be started"));
    if (auto *file = qobject_cast<QFileDevice *>(&out);
        file && (!file->flush() || file->error() != QFileDevice::NoError))
        return Result<void>::failure(file->errorString());
    return {};
}

Result<QByteArray> reportPdfBytes(const PrintScript &report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (const Result<void> written = writeReportPdf(report, buffer); !written)
        return Result<QByteArray>::failure(written.error());
    return buffer.data();
}

} // namespace quorix
