// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/printscript.h"
#include "core/result.h"
#include "ui/textoutputbox.h"

#include <QByteArray>
#include <QFont>

class QIODevice;
class QPagedPaintDevice;
class QPaintDevice;

namespace quorix {

// The printer's font: Arial 10 pt (Liberation Sans here).
QFont reportFont();

// The report placed by the text-output rules in the printer font's metrics on
// device, in device units from the top-left corner of the printable area.
TextLayout layoutReport(const PrintScript &report, QPaintDevice *device);

// Paints the report on an A4 page (more pages only if the lines run past the
// page). False when the device cannot be painted on.
bool paintReport(QPagedPaintDevice &device, const PrintScript &report);

// Writes the report as a PDF to out (opened for writing); the error names
// what failed.
Result<void> writeReportPdf(const PrintScript &report, QIODevice &out);

// The report as the bytes of a PDF file.
Result<QByteArray> reportPdfBytes(const PrintScript &report);

} // namespace quorix
