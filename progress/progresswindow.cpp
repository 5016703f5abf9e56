// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/progresswindow.h"

#include "progress/progresskeeper.h"
#include "progress/trendchart.h"
#include "scoring/calibration.h"
#include "scoring/calibrationchart.h"
#include "scoring/scorechart.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>

namespace quorix {

FormProgress::FormProgress(ProgressKeeper &keeper, std::vector<SetStatements> sets,
                           const ProgressReport &report, Navigation &nav, QWidget *parent)
    : ScreenWindow(QStringLiteral("FormProgress"), nav, parent), m_keeper(keeper), m_sets(std::move(sets))
{
    // No set may be started behind it while it is open.
    setWindowModality(Qt::ApplicationModal);

    addLabel(this, QStringLiteral("heading"), 240, 120, 9000, 360, 12)
        ->setText(QStringLiteral("My progress"));
    m_summary = addTextLabel(this, QStringLiteral("summary"), QString(), 240, 600, 14880, 360);

    addLabel(this, QStringLiteral("setsCaption"), 240, 1080, 14880, 300)
        ->setText(QStringLiteral("Each set, in the order of the menu"));
    m_setList = addListBox(this, QStringLiteral("setList"), QStringLiteral("Each set"), Qt::ElideMiddle, 240,
                           1410, 14880, 2100);

    addLabel(this, QStringLiteral("calibrationCaption"), 240, 3660, 14880, 300)
        ->setText(QStringLiteral("How well calibrated am I? Every kept answer"));
    m_levelLines = addTextLabel(this, QStringLiteral("levelLines"), QString(), 7800, 4020, 7320, 960);
    addLabel(this, QStringLiteral("chartKey"), 7800, 5100, 7320, 450, 8.25, false)
        ->setText(calibrationChartKey());

    addLabel(this, QStringLiteral("trendCaption"), 240, 6660, 7440, 300)
        ->setText(QStringLiteral("The last %1 runs").arg(TrendRuns));
    addLabel(this, QStringLiteral("trendKey"), 240, 10410, 7440, 450, 8.25, false)->setText(trendChartKey());
    addLabel(this, QStringLiteral("revisitCaption"), 7800, 6660, 7320, 300)
        ->setText(QStringLiteral("Statements to revisit"));
    m_revisitList = addListBox(this, QStringLiteral("revisitList"), QStringLiteral("Statements to revisit"),
                               Qt::ElideRight, 7800, 6990, 7320, 3840);

    m_forget = addButton(this, QStringLiteral("forgetProgress"), QStringLiteral("Forget my progress\u2026"),
                         240, 10920, 3615, 495);
    m_export = addButton(this, QStringLiteral("exportProgress"), QStringLiteral("Export\u2026"), 4080, 10920,
                         2040, 495);
    connect(m_export, &QPushButton::clicked, this, &FormProgress::onExportClicked);
    m_close
        = addButton(this, QStringLiteral("closeButton"), QStringLiteral("Close"), 13080, 10920, 2040, 495);
    connect(m_forget, &QPushButton::clicked, this, &FormProgress::onForgetProgressClicked);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    showReport(report);
}

void FormProgress::showReport(const ProgressReport &report)
{
    m_summary->setText(report.summary);
    m_setList->clear();
    // Rows take the list's width whatever their hint; a narrow hint makes a
    // long row elide instead of scrolling sideways.
    const QSize rowSize(1, m_setList->fontMetrics().height() + 4);
    for (const QString &row : report.setRows) {
        auto *item = new QListWidgetItem(row, m_setList);
        item->setToolTip(row);
        item->setSizeHint(rowSize);
    }
    if (m_setList->count() > 0)
        m_setList->setCurrentRow(0);

    // The chart's labels are its children: a new chart starts clean.
    QWidget *before = m_levelLines;
    if (m_chart) {
        before = m_chart->nextInFocusChain();
        delete m_chart;
    }
    m_chart = new ScoreChart(this, QStringLiteral("calibrationChart"));
    m_chart->setAccessibleName(QStringLiteral("Calibration chart over every kept answer"));
    m_chart->setFocusPolicy(Qt::TabFocus);
    placeAt(m_chart, 240, 4020, 7440, 2520);
    drawCalibrationChart(m_chart, report.calibration);
    setTabOrder(m_setList, m_chart);
    setTabOrder(m_chart, before);
    m_chart->show();
    m_levelLines->setText(calibrationDescription(report.calibration));

    before = m_revisitList;
    if (m_trendChart) {
        before = m_trendChart->nextInFocusChain();
        delete m_trendChart;
    }
    m_trendChart = new ScoreChart(this, QStringLiteral("trendChart"));
    m_trendChart->setAccessibleName(QStringLiteral("Marks per answer in the last %1 runs").arg(TrendRuns));
    m_trendChart->setFocusPolicy(Qt::TabFocus);
    placeAt(m_trendChart, 240, 6990, 7440, 3360);
    drawTrendChart(m_trendChart, report.trend);
    setTabOrder(m_levelLines, m_trendChart);
    setTabOrder(m_trendChart, before);
    m_trendChart->show();

    m_revisitList->clear();
    for (const RevisitRow &row : report.revisit) {
        auto *item = new QListWidgetItem(row.text, m_revisitList);
        item->setToolTip(row.explanation);
        item->setData(Qt::AccessibleDescriptionRole, row.explanation);
        item->setSizeHint(rowSize);
    }
    if (m_revisitList->count() > 0)
        m_revisitList->setCurrentRow(0);
    m_forget->setEnabled(m_keeper.hasKeptFile());
    m_export->setEnabled(m_keeper.hasKeptFile());
}

void FormProgress::onExportClicked()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export my answers"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("quorix-answers.csv")),
        QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    bool exported = false;
    const QString said = m_keeper.exportCsv(path, &exported);
    if (exported)
        QMessageBox::information(this, programTitle(), said);
    else
        QMessageBox::warning(this, programTitle(), said);
}

void FormProgress::onForgetProgressClicked()
{
    QMessageBox ask(QMessageBox::Question, programTitle(),
                    QStringLiteral("Forget everything kept of your answers on this computer? This deletes %1 "
                                   "and cannot be undone.")
                        .arg(m_keeper.filePath()),
                    QMessageBox::NoButton, this);
    ask.setObjectName(QStringLiteral("forgetQuestion"));
    QPushButton *forget = ask.addButton(QStringLiteral("Forget my progress"), QMessageBox::DestructiveRole);
    QPushButton *keep = ask.addButton(QStringLiteral("Keep it"), QMessageBox::RejectRole);
    ask.setDefaultButton(keep);
    ask.setEscapeButton(keep);
    ask.exec();
    if (ask.clickedButton() != forget)
        return;

    bool deleted = false;
    const QString said = m_keeper.forget(&deleted);
    if (!deleted) {
        QMessageBox::warning(this, programTitle(), said);
        return;
    }
    showReport(progressReport({}, m_sets, QLocale()));
    QMessageBox::information(this, programTitle(), said);
    Q_EMIT forgotten();
}

void FormProgress::closeEvent(QCloseEvent *event)
{
    // Back to the menu: never the end-of-program question.
    event->accept();
}

} // namespace quorix
