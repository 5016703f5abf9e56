// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/progressfigures.h"
#include "ui/screenwindow.h"

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace quorix {

class ProgressKeeper;
class ScoreChart;

// "My progress", opened from the main menu: what is kept on this computer
// of the student's answers across runs, one row per set of the menu, and
// the calibration chart over every kept answer, the trend of the last runs
// and the statements whose latest answer was a confident mistake. Built from the figures of
// the moment it opens; "Forget my progress…" deletes everything kept, after
// asking, and the window then shows that nothing is kept; "Export…" writes
// every kept answer to a CSV file the student chooses.
class FormProgress : public ScreenWindow {
    Q_OBJECT
public:
    FormProgress(ProgressKeeper &keeper, std::vector<SetStatements> sets, const ProgressReport &report,
                 Navigation &nav, QWidget *parent = nullptr);

Q_SIGNALS:
    void forgotten();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showReport(const ProgressReport &report);
    void onForgetProgressClicked();
    void onExportClicked();

    ProgressKeeper &m_keeper;
    std::vector<SetStatements> m_sets;
    QLabel *m_summary = nullptr;
    QListWidget *m_setList = nullptr;
    ScoreChart *m_chart = nullptr;
    QLabel *m_levelLines = nullptr;
    ScoreChart *m_trendChart = nullptr;
    QListWidget *m_revisitList = nullptr;
    QPushButton *m_forget = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace quorix
