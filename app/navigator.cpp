// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/navigator.h"

#include "app/form1.h"
#include "app/progresssets.h"
#include "app/setfiles.h"
#include "app/startup.h"
#include "exercises/form4.h"
#include "exercises/form5.h"
#include "progress/progresswindow.h"
#include "questions/form2.h"
#include "scoring/form3.h"
#include "scoring/report.h"
#include "scoring/reportpdf.h"

#include <QCoreApplication>
#include <QDate>
#include <QGroupBox>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTime>

#include <cstdio>

namespace quorix {

Navigator::Navigator(DataFolder folder, QString pdfFile)
    : m_folder(std::move(folder)), m_pdfFile(std::move(pdfFile))
{
    m_closeQuestion = &Navigator::askBeforeClosing;
    // Queued, so that the handler that ends the program returns first. exit()
    // rather than quit(): quit() first asks every window to close again and
    // gives up if one is still visible, so an end that comes while a window
    // is being shown or closed could be lost.
    m_quit = [](int status) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [status] {
                qCDebug(lcClose) << "exit" << status;
                QCoreApplication::exit(status);
            },
            Qt::QueuedConnection);
    };
    m_message
        = [](QWidget *parent, const QString &text) { QMessageBox::warning(parent, programTitle(), text); };
}

Navigator::~Navigator()
{
    m_ending = true;
    for (QPointer<QWidget> &screen : m_unloaded)
        delete screen.data();
    delete m_form2.data();
    delete m_form3.data();
    delete m_form4.data();
    delete m_form5.data();
    delete m_progressWindow.data();
    m_form1.reset();
}

Form2 *Navigator::form2() const
{
    return m_form2;
}

Form3 *Navigator::form3() const
{
    return m_form3;
}

Form4 *Navigator::form4() const
{
    return m_form4;
}

Form5 *Navigator::form5() const
{
    return m_form5;
}

FormProgress *Navigator::progressWindow() const
{
    return m_progressWindow;
}

Result<void> Navigator::start(const StartupOptions &options)
{
    auto started = startUp(m_random, m_folder, options);
    if (!started)
        return Result<void>::failure(started.error());
    m_resultsFile = std::move(started->resultsFile);
    m_menu.setCatalogue(started->catalogue);
    m_settings = std::make_unique<Settings>(options.settingsFile);
    m_progress = std::make_unique<ProgressKeeper>(*m_settings, options.progressFolder);
    m_answerLog.setListener([this](const LoggedAnswer &answer) { onAnswerLogged(answer); });
    m_form1 = std::make_unique<Form1>(m_menu, *m_progress, *this);
    m_form1->labelOptions();
    connect(m_form1.get(), &Form1::bankAccepted, this, &Navigator::onBankAccepted);
    connect(m_form1.get(), &Form1::progressRequested, this, &Navigator::showProgress);
    m_form1->show();
    return {};
}

void Navigator::present(QWidget *screen)
{
    screen->show();
    screen->raise();
    screen->activateWindow();
}

template<typename Screen> void Navigator::unload(QPointer<Screen> &screen)
{
    if (!screen)
        return;
    Screen *gone = screen;
    screen = nullptr;
    gone->hide();
    // The screen may be the one whose button is being handled right now.
    gone->deleteLater();
    m_unloaded.emplace_back(gone);
}

template<typename Screen, typename... Owners>
Screen *Navigator::ensure(QPointer<Screen> &screen, Owners &...owners)
{
    // Every screen takes the shared placement when shown, so Form3 lies
    // over Form2.
    if (!screen)
        screen = new Screen(owners..., *this);
    return screen;
}

void Navigator::onBankAccepted(int option, const LoadedBank &bank)
{
    m_session.startTest(m_menu.selectedTitle(), bank);
    m_progress->beginRun(m_menu.selectedTitle(), DataFolder::bankName(option));
    // A question screen left loaded from the last set would show that set's
    // heading and feedback; the new set starts on fresh screens.
    unload(m_form3);
    unload(m_form2);

    QWidget *first = nullptr;
    switch (firstScreenFor(option)) {
    case FirstScreen::Bmi:
        first = ensure(m_form4, m_bmiExercise, m_random);
        break;
    case FirstScreen::Par:
        first = ensure(m_form5, m_parExercise, m_random, m_folder);
        break;
    case FirstScreen::Questions:
        first = ensure(m_form2, m_session, m_random, m_folder);
        break;
    }
    present(first);
    m_form1->hide();
    tellProgressFault(first);
}

void Navigator::onAnswerLogged(const LoggedAnswer &answer)
{
    // The tally and the log have the answer already; keeping it can only
    // fail on its own.
    m_progress->keep(answer);
    tellProgressFault(m_form2);
}

void Navigator::tellProgressFault(QWidget *over)
{
    const QString text = m_progress->takeMessage();
    if (text.isEmpty() || !m_message)
        return;
    // After the screen has shown what the click did.
    QPointer<QWidget> parent(over);
    QMetaObject::invokeMethod(
        this, [this, parent, text] { m_message(parent, text); }, Qt::QueuedConnection);
}

void Navigator::showProgress()
{
    if (m_progressWindow) {
        present(m_progressWindow);
        return;
    }
    if (m_progress->closedForRun()) {
        m_message(m_form1.get(), m_progress->closedReason());
        return;
    }
    std::vector<SetStatements> sets = progressSets(m_menu, m_folder);
    const std::optional<ProgressReport> report = m_progress->report(sets, QLocale());
    if (!report) {
        tellProgressFault(m_form1.get());
        return;
    }
    m_progressWindow = new FormProgress(*m_progress, std::move(sets), *report, *this, m_form1.get());
    m_progressWindow->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_progressWindow, &FormProgress::forgotten, m_form1.get(), &Form1::refreshProgressButton);
    present(m_progressWindow);
    // A damaged file started afresh: told over the window.
    tellProgressFault(m_progressWindow);
}

void Navigator::backToMainMenu(QWidget *from)
{
    present(m_form1.get());
    if (from == m_form3) {
        // The question screen stays loaded, as the student left it.
        unload(m_form3);
    } else if (from == m_form2) {
        // A chart over a question screen that is gone would lead nowhere.
        unload(m_form3);
        unload(m_form2);
    } else if (from && (from == m_form4 || from == m_form5)) {
        // An exercise screen is created once and reused; it prepares itself
        // for its next showing.
        from->hide();
    }
}

void Navigator::showScoreToDate()
{
    present(ensure(m_form3, std::as_const(m_tally), std::as_const(m_answerLog)));
}

void Navigator::moreQuestions()
{
    unload(m_form3);
    present(ensure(m_form2, m_session, m_random, m_folder));
}

void Navigator::goToQuestions(QWidget *from)
{
    present(ensure(m_form2, m_session, m_random, m_folder));
    if (from && from != m_form2)
        from->hide();
}

void Navigator::printScoreAndEnd(QWidget *from)
{
    if (m_ending || m_reporting)
        return;
    m_reporting = true;
    const bool onMenu = from && from == m_form1.get();
    if (onMenu) {
        m_resultsFile.close();
        m_form1->frame1()->hide();
    }
    const PrintOutcome outcome = m_reportRunner ? m_reportRunner(from) : runReport(from);
    m_reporting = false;
    if (m_endSignal != 0) {
        end(128 + m_endSignal);
        return;
    }
    if (outcome == PrintOutcome::GoBack) {
        if (onMenu)
            m_form1->frame1()->show();
        return;
    }
    end();
}

PrintOutcome Navigator::runReport(QWidget *from)
{
    const QString name = askStudentName(from);
    // A signal at the prompt has ended the run: nothing is printed.
    if (m_ending)
        return PrintOutcome::EndWithoutResults;
    const PrintScript script
        = reportScript(m_tally, name, QTime::currentTime().toString(QStringLiteral("HH:mm")),
                       QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    m_writingReport = true;
    const PrintOutcome outcome = printReport(from, reportPdfBytes(script), m_pdfFile, reportPrinting());
    m_writingReport = false;
    return outcome;
}

// The system's printing, but no dialog waits for an answer once a signal has
// come: what it would say goes to standard error, and a question is answered
// with the end. While a dialog is open, a signal ends the run at once.
ReportPrinting Navigator::reportPrinting()
{
    ReportPrinting printing = ReportPrinting::system();
    const auto tellInstead
        = [](const QString &message) { std::fprintf(stderr, "quorix: %s\n", qPrintable(message)); };
    printing.tellSaved
        = [this, tell = printing.tellSaved, tellInstead](QWidget *parent, const QString &message) {
              if (m_endSignal != 0)
                  return tellInstead(message);
              const QScopedValueRollback asking(m_writingReport, false);
              tell(parent, message);
          };
    printing.askAfterFailure
        = [this, ask = printing.askAfterFailure, tellInstead](QWidget *parent, const QString &message) {
              if (m_endSignal != 0) {
                  tellInstead(message);
                  return AfterFailure::EndWithoutResults;
              }
              const QScopedValueRollback asking(m_writingReport, false);
              return ask(parent, message);
          };
    printing.chooseFile = [this, choose = printing.chooseFile](QWidget *parent, const QString &suggested) {
        if (m_endSignal != 0)
            return QString();
        const QScopedValueRollback asking(m_writingReport, false);
        return choose(parent, suggested);
    };
    return printing;
}

void Navigator::endWithoutPrinting()
{
    end();
}

void Navigator::endOnSignal(int signalNumber)
{
    if (m_ending || m_endSignal != 0)
        return;
    m_endSignal = signalNumber;
    // The report's write goes on; printScoreAndEnd ends the run after it.
    if (m_writingReport)
        return;
    end(128 + signalNumber);
}

void Navigator::end(int status)
{
    if (m_ending)
        return;
    m_ending = true;
    qCDebug(lcClose) << "ending: hiding the screens";
    m_menu.closeBankFile();
    m_resultsFile.close();
    for (QWidget *screen : std::initializer_list<QWidget *>{m_form3, m_form2, m_form4, m_form5})
        if (screen)
            screen->hide();
    if (m_form1)
        m_form1->hide();
    if (m_quit)
        m_quit(status);
    qCDebug(lcClose) << "ending: exit queued";
}

bool Navigator::closeRequested(QWidget *from)
{
    // Quitting closes every window; none of those closes may ask.
    if (m_ending)
        return true;
    // The report is under way, and ends the run itself.
    if (m_reporting)
        return false;
    if (from && from == m_form3) {
        moreQuestions();
        return true;
    }
    if (m_tally.asked == 0) {
        end();
        return true;
    }
    switch (m_closeQuestion ? m_closeQuestion(from) : CloseAnswer::Cancel) {
    case CloseAnswer::PrintAndEnd:
        printScoreAndEnd(from);
        return m_ending;
    case CloseAnswer::EndWithoutPrinting:
        end();
        return true;
    case CloseAnswer::Cancel:
        break;
    }
    return false;
}

Navigator::CloseAnswer Navigator::askBeforeClosing(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, programTitle(),
                    QStringLiteral("End without printing your results?"), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("closeQuestion"));
    QPushButton *print = box.addButton(QStringLiteral("Print my score and END"), QMessageBox::AcceptRole);
    QPushButton *end = box.addButton(QStringLiteral("End without printing"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == print)
        return CloseAnswer::PrintAndEnd;
    if (box.clickedButton() == end)
        return CloseAnswer::EndWithoutPrinting;
    return CloseAnswer::Cancel;
}

} // namespace quorix
