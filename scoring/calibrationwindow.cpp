#include "scoring/calibrationwindow.h"

#include "scoring/answerlog.h"
#include "scoring/calibration.h"
#include "scoring/scorechart.h"
#include "scoring/tally.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

namespace quorix {

namespace {

// The chart in its own pixels: a row per level, the percentage axis from
// AxisX (0 %) to AxisX + AxisLength (100 %).
constexpr int AxisX = 112;
constexpr int AxisLength = 360;
constexpr int RowTops[3] = {8, 56, 104};
constexpr int RowHeight = 40;
constexpr int AxisBottom = 148;

const QColor RangeShade(200, 240, 200);
const QColor BarColor(90, 130, 235);

double xAt(double p)
{
    return AxisX + AxisLength * p;
}

double xAt(Fraction f)
{
    return xAt(double(f.numerator) / double(f.denominator));
}

// Selectable text and a Tab stop: keyboard and screen reader users reach
// every line of the window.
QLabel *addTextLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width,
                     int height, double pointSize = 9.75, bool bold = true)
{
    QLabel *label = addLabel(parent, name, left, top, width, height, pointSize, bold);
    label->setText(text);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

} // namespace

FormCalibration::FormCalibration(const ScoreTally &tally, const AnswerLog &log, Navigation &nav,
                                 QWidget *parent)
    : ScreenWindow(QStringLiteral("FormCalibration"), nav, parent)
{
    // Nothing may be marked or left behind it while it is open.
    setWindowModality(Qt::ApplicationModal);

    QLabel *heading = addLabel(this, QStringLiteral("heading"), 240, 120, 9000, 360, 12);
    heading->setText(QStringLiteral("How well calibrated am I?"));

    m_chart = new ScoreChart(this, QStringLiteral("calibrationChart"));
    m_chart->setAccessibleName(QStringLiteral("Calibration chart"));
    m_chart->setFocusPolicy(Qt::TabFocus);
    placeAt(m_chart, 240, 540, 7440, 2520);
    drawChart(tally);

    m_levelLines = addTextLabel(this, QStringLiteral("levelLines"), calibrationDescription(tally), 7800, 540,
                                7320, 960);
    m_marksLost
        = addTextLabel(this, QStringLiteral("marksLost"), marksLostLine(tally), 7800, 1560, 7320, 480);
    m_dontKnow = addTextLabel(this, QStringLiteral("dontKnow"), dontKnowSentence(), 7800, 2040, 7320, 540);
    addLabel(this, QStringLiteral("chartKey"), 7800, 2640, 7320, 450, 8.25, false)
        ->setText(QStringLiteral("Shaded: the range of percentage correct for which a level scores best. "
                                 "Bar: your percentage correct. Black line: where it probably lies (95 %)."));

    addLabel(this, QStringLiteral("reviewCaption"), 240, 3330, 14880, 300)
        ->setText(QStringLiteral("This run's answers: wrong at \"very sure\", wrong at \"fairly sure\", "
                                 "right at \"unsure\", then the rest"));
    m_reviewList = new QListWidget(this);
    m_reviewList->setObjectName(QStringLiteral("reviewList"));
    m_reviewList->setAccessibleName(QStringLiteral("This run's answers"));
    m_reviewList->setFont(screenFont(9.75, false));
    m_reviewList->setTextElideMode(Qt::ElideMiddle);
    m_reviewList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_reviewList->setUniformItemSizes(true);
    placeAt(m_reviewList, 240, 3660, 14880, 5850);
    m_explanation
        = addTextLabel(this, QStringLiteral("explanation"), QString(), 240, 9600, 12600, 1800, 9.75, false);
    m_explanation->setAccessibleName(QStringLiteral("Explanation"));

    m_close
        = addButton(this, QStringLiteral("closeButton"), QStringLiteral("Close"), 13080, 10920, 2040, 495);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(m_reviewList, &QListWidget::currentRowChanged, this,
            &FormCalibration::onReviewListCurrentRowChanged);
    fillReview(log);
}

void FormCalibration::drawChart(const ScoreTally &tally)
{
    m_chart->setAccessibleDescription(calibrationDescription(tally));
    m_chart->drawLine(QPointF(AxisX, 4), QPointF(AxisX, AxisBottom), Qt::black);
    m_chart->drawLine(QPointF(AxisX, AxisBottom), QPointF(xAt(1.0), AxisBottom), Qt::black);
    for (int tenth : {0, 5, 10}) {
        const double x = xAt(tenth / 10.0);
        m_chart->drawLine(QPointF(x, AxisBottom), QPointF(x, AxisBottom + 4), Qt::black);
        QLabel *tick = addLabel(m_chart, QStringLiteral("tick%1").arg(tenth * 10),
                                int(x - 24) * TwipsPerPixel, (AxisBottom + 4) * TwipsPerPixel,
                                48 * TwipsPerPixel, 240, 8.25, false, Qt::black, QColor());
        tick->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        tick->setText(QStringLiteral("%1%").arg(tenth * 10));
    }

    const auto levels = levelAnswers(tally);
    for (int level = 1; level <= 3; ++level) {
        const LevelAnswers a = levels[std::size_t(level - 1)];
        const int top = RowTops[level - 1];
        addLabel(m_chart, QStringLiteral("level%1").arg(level), 60, (top + 10) * TwipsPerPixel,
                 (AxisX - 8) * TwipsPerPixel, 300, 9.75, true, Qt::black, QColor())
            ->setText(levelName(level));
        const BestRange range = bestRange(level);
        m_chart->fillRect(QPointF(xAt(range.low), top), QPointF(xAt(range.high), top + RowHeight),
                          RangeShade);
        if (a.answers == 0)
            continue;
        const double p = double(a.right) / double(a.answers);
        m_chart->fillRect(QPointF(AxisX, top + 12), QPointF(xAt(p), top + 28), BarColor);
        m_chart->outlineRect(QPointF(AxisX, top + 12), QPointF(xAt(p), top + 28), Qt::black);
        const Interval interval = wilsonInterval(a);
        const double mid = top + 20;
        m_chart->drawLine(QPointF(xAt(interval.low), mid), QPointF(xAt(interval.high), mid), Qt::black);
        for (double x : {xAt(interval.low), xAt(interval.high)})
            m_chart->drawLine(QPointF(x, mid - 6), QPointF(x, mid + 6), Qt::black);
    }
}

void FormCalibration::fillReview(const AnswerLog &log)
{
    const std::vector<LoggedAnswer> &entries = log.entries();
    // Rows take the list's width whatever their hint; a narrow hint makes a
    // long row elide instead of scrolling sideways.
    const QSize rowSize(1, m_reviewList->fontMetrics().height() + 4);
    for (std::size_t index : reviewOrder(entries)) {
        const LoggedAnswer &entry = entries[index];
        auto *item = new QListWidgetItem(reviewRowText(entry), m_reviewList);
        item->setData(Qt::AccessibleDescriptionRole, entry.explanation);
        item->setToolTip(item->text());
        item->setSizeHint(rowSize);
    }
    if (m_reviewList->count() > 0)
        m_reviewList->setCurrentRow(0);
}

void FormCalibration::onReviewListCurrentRowChanged(int row)
{
    const QListWidgetItem *item = m_reviewList->item(row);
    m_explanation->setText(item ? item->data(Qt::AccessibleDescriptionRole).toString() : QString());
}

void FormCalibration::closeEvent(QCloseEvent *event)
{
    // Back to the score-to-date screen: never the end-of-program question.
    event->accept();
}

} // namespace quorix
