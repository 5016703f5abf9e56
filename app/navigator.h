// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/menustate.h"
#include "app/resultsfile.h"
#include "core/datafolder.h"
#include "core/randomsource.h"
#include "core/result.h"
#include "core/settings.h"
#include "exercises/bmiexercise.h"
#include "exercises/parexercise.h"
#include "progress/progresskeeper.h"
#include "questions/questionsession.h"
#include "scoring/answerlog.h"
#include "scoring/tally.h"
#include "ui/navigation.h"
#include "ui/reportprinter.h"
#include "ui/windowplacement.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace quorix {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class FormProgress;
struct StartupOptions;

// The screen manager: owns the state of every subsystem and the five screens,
// hands each screen the owners it uses, moves between screens and ends the
// program. The menu lives for the whole run; the other screens are created
// when first shown and destroyed when unloaded.
class Navigator : public QObject, public Navigation {
    Q_OBJECT
public:
    enum class CloseAnswer { PrintAndEnd, EndWithoutPrinting, Cancel };
    using CloseQuestion = std::function<CloseAnswer(QWidget *parent)>;
    using ReportRunner = std::function<PrintOutcome(QWidget *from)>;
    using MessageHook = std::function<void(QWidget *parent, const QString &text)>;

    // pdfFile: where the report goes instead of the printer, when not empty.
    explicit Navigator(DataFolder folder, QString pdfFile = {});
    ~Navigator() override;

    // Start-up, then the menu labelled and shown. The error is for the
    // message box that ends the program before the menu.
    Result<void> start(const StartupOptions &options);
    const DataFolder &dataFolder() const { return m_folder; }

    // The owners, for tests that look at or set up a run.
    MenuState &menu() { return m_menu; }
    QuestionSession &session() { return m_session; }
    ScoreTally &tally() { return m_tally; }
    const AnswerLog &answerLog() const { return m_answerLog; }
    // Null before start().
    ProgressKeeper *progress() const { return m_progress.get(); }
    FormProgress *progressWindow() const;
    const ResultsFile &resultsFile() const { return m_resultsFile; }
    Form1 *form1() const { return m_form1.get(); }
    // The loaded screens; null while unloaded.
    Form2 *form2() const;
    Form3 *form3() const;
    Form4 *form4() const;
    Form5 *form5() const;
    bool isEnding() const { return m_ending; }

    // SIGTERM, SIGHUP or SIGINT: ends the run as "END - don't print my
    // results" does, without asking, with the status 128 plus its number. A
    // report being written is finished first.
    void endOnSignal(int signalNumber);

    void backToMainMenu(QWidget *from) override;
    void showScoreToDate() override;
    void moreQuestions() override;
    void goToQuestions(QWidget *from) override;
    void printScoreAndEnd(QWidget *from) override;
    void endWithoutPrinting() override;
    bool closeRequested(QWidget *from) override;
    WindowPlacement *placement() override { return &m_placement; }

    // The question asked before a window closes once a statement has been
    // marked: "End without printing your results?".
    static CloseAnswer askBeforeClosing(QWidget *parent);

    // Tests replace the dialogs and the end of the program.
    void setCloseQuestion(CloseQuestion question) { m_closeQuestion = std::move(question); }
    void setReportRunner(ReportRunner runner) { m_reportRunner = std::move(runner); }
    // quit gets the program's exit status.
    void setQuitHandler(std::function<void(int)> quit) { m_quit = std::move(quit); }
    // What the progress file's faults are told through; the default shows
    // a warning box.
    void setMessageHook(MessageHook hook) { m_message = std::move(hook); }

private:
    void onBankAccepted(int option, const LoadedBank &bank);
    void onAnswerLogged(const LoggedAnswer &answer);
    void showProgress();
    void tellProgressFault(QWidget *over);
    PrintOutcome runReport(QWidget *from);
    ReportPrinting reportPrinting();
    void end(int status = 0);

    template<typename Screen, typename... Owners> Screen *ensure(QPointer<Screen> &screen, Owners &...owners);
    void present(QWidget *screen);
    template<typename Screen> void unload(QPointer<Screen> &screen);

    DataFolder m_folder;
    RandomSource m_random;
    ResultsFile m_resultsFile;
    MenuState m_menu{m_folder};
    ScoreTally m_tally;
    AnswerLog m_answerLog;
    QuestionSession m_session{m_tally, m_answerLog};
    BmiExercise m_bmiExercise;
    ParExercise m_parExercise;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<ProgressKeeper> m_progress;
    QString m_pdfFile;
    // Declared before the screens, which use it until they are gone.
    WindowPlacement m_placement;
    std::unique_ptr<Form1> m_form1;
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
    QPointer<Form4> m_form4;
    QPointer<Form5> m_form5;
    QPointer<FormProgress> m_progressWindow;
    // Unloaded screens wait for deleteLater; whatever is left at the end is
    // deleted with the navigator.
    std::vector<QPointer<QWidget>> m_unloaded;
    bool m_ending = false;
    // From the press of "Print my score and END" to the end.
    bool m_reporting = false;
    // While the report's bytes are being written; a signal then waits.
    bool m_writingReport = false;
    // The signal that is ending the run, 0 when none.
    int m_endSignal = 0;

    CloseQuestion m_closeQuestion;
    ReportRunner m_reportRunner;
    std::function<void(int)> m_quit;
    MessageHook m_message;
};

} // namespace quorix
