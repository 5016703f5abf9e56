// SPDX-FileCopyrightText: 2026 The Quorix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/twips.h"

#include "ui/screenwindow.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVariant>

#include <cmath>

namespace quorix {

namespace {

constexpr char DesignRectProperty[] = "quorixDesignRect";
constexpr char DesignPointSizeProperty[] = "quorixDesignPointSize";
constexpr char GrowToTextProperty[] = "quorixGrowToText";

// Below this a caption is unreadable anyway; it is left to clip.
constexpr double SmallestPointSize = 3.0;

// Fits the caption of a control that was hidden when its font was set, as
// it is shown: a control nobody can see needs no measuring, and a caption set
// before its window appears is measured once.
class FitWhenShown : public QObject {
public:
    static FitWhenShown *instance()
    {
        static auto *fitter = new FitWhenShown;
        return fitter;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *w = static_cast<QWidget *>(watched);
            w->removeEventFilter(this);
            fitCaption(w);
        }
        return false;
    }
};

// The recorded font size at this scale, shrunk further while the caption
// does not fit.
void applyFont(QWidget *w, double scale)
{
    const QVariant designSize = w->property(DesignPointSizeProperty);
    if (!designSize.isValid())
        return;
    QFont font = w->font();
    font.setPointSizeF(designSize.toDouble() * scale);
    if (font != w->font())
        w->setFont(font);
    if (!w->isVisible()) {
        w->installEventFilter(FitWhenShown::instance());
        return;
    }
    while (captionWidth(w) > w->width() && font.pointSizeF() > SmallestPointSize) {
        font.setPointSizeF(std::max(SmallestPointSize, font.pointSizeF() * 0.94));
        w->setFont(font);
    }
}

void applyOne(QWidget *w, const QRect &design, double scale, QPoint origin)
{
    QRect rect = scaledRect(design, scale);
    if (w->parentWidget() && w->parentWidget()->isWindow())
        rect.translate(origin);
    if (w->geometry() != rect)
        w->setGeometry(rect);

    applyFont(w, scale);
    if (auto *label = qobject_cast<QLabel *>(w); label && w->property(GrowToTextProperty).toBool()) {
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height())
            label->resize(label->width(), needed);
    }
}

} // namespace

QRect scaledRect(const QRect &design, double scale)
{
    const int left = int(std::lround(design.left() * scale));
    const int top = int(std::lround(design.top() * scale));
    const int right = int(std::lround((design.left() + design.width()) * scale));
    const int bottom = int(std::lround((design.top() + design.height()) * scale));
    return QRect(left, top, right - left, bottom - top);
}

double designScale(const QWidget *w)
{
    const auto *screen = w ? qobject_cast<const ScreenWindow *>(w->window()) : nullptr;
    return screen ? screen->scale() : 1.0;
}

void placeAt(QWidget *w, int left, int top, int width, int height)
{
    const QRect design = twipsRect(left, top, width, height);
    w->setProperty(DesignRectProperty, design);
    if (w->testAttribute(Qt::WA_SetFont))
        w->setProperty(DesignPointSizeProperty, w->font().pointSizeF());
    const auto *screen = qobject_cast<const ScreenWindow *>(w->window());
    applyOne(w, design, screen ? screen->scale() : 1.0, screen ? screen->designOrigin() : QPoint());
}

void applyDesignScale(QWidget *window, double scale, QPoint origin)
{
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *w : children) {
        const QVariant design = w->property(DesignRectProperty);
        // Children of another window (a dialog) keep their own layout.
        if (design.isValid() && w->window() == window)
            applyOne(w, design.toRect(), scale, origin);
    }
}

int captionWidth(const QWidget *w)
{
    const QFontMetrics metrics(w->font());
    const QStyle *style = w->style();
    const auto textWidth
        = [&](const QString &text) { return metrics.size(Qt::TextShowMnemonic, text).width(); };
    if (const auto *option = qobject_cast<const QRadioButton *>(w)) {
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w) + textWidth(option->text());
    }
    if (const auto *box = qobject_cast<const QCheckBox *>(w)) {
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w) + textWidth(box->text());
    }
    if (const auto *button = qobject_cast<const QPushButton *>(w))
        return textWidth(button->text()) + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    if (const auto *frame = qobject_cast<const QGroupBox *>(w)) {
        // The caption sits one character in from the frame's left edge.
        return textWidth(frame->title()) + 2 * metrics.averageCharWidth();
    }
    if (const auto *label = qobject_cast<const QLabel *>(w); label && !label->wordWrap())
        return metrics.horizontalAdvance(label->text()) + 2 * label->margin() + std::max(label->indent(), 0);
    return 0;
}

void fitCaption(QWidget *w)
{
    applyFont(w, designScale(w));
}

void growToText(QLabel *label)
{
    label->setProperty(GrowToTextProperty, true);
    const int needed = label->heightForWidth(label->width());
    if (needed > label->height())
        label->resize(label->width(), needed);
}

} // namespace quorix
