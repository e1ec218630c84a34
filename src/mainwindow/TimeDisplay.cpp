#include "mainwindow/TimeDisplay.h"

#include "widgets/AccessibleRole.h"
#include "widgets/ClickableLabel.h"
#include "widgets/DesignFonts.h"
#include "widgets/FittedLabel.h"
#include "widgets/WidgetHelpers.h"

#include <utility>

namespace tempiro::mainwindow {

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kMagenta(192, 0, 192);

} // namespace

TimeDisplay::TimeDisplay(QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("frameDisplay"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);

    lblAlarmTime = new widgets::ClickableLabel(this);
    lblAlarmTime->setObjectName(QStringLiteral("lblAlarmTime"));
    lblAlarmTime->setAccessibleDescription(
        tr("The alarm time, the start of the stop watch or the local time. Click to set the "
           "alarm."));
    lblAlarmTime->setAlignment(Qt::AlignCenter);
    widgets::setTextColour(*lblAlarmTime, kMagenta);
    widgets::setBackgroundColour(*lblAlarmTime, Qt::black);

    lblLabel = new widgets::FittedLabel(this);
    lblLabel->setObjectName(QStringLiteral("lblLabel"));
    lblLabel->setAlignment(Qt::AlignCenter);

    lblSystemTime = new widgets::ClickableLabel(this);
    lblSystemTime->setObjectName(QStringLiteral("lblSystemTime"));
    lblSystemTime->setAccessibleDescription(
        tr("The time that remains or has elapsed. Click to pause or resume."));
    lblSystemTime->setAlignment(Qt::AlignCenter);
    widgets::setTextColour(*lblSystemTime, kRed);
    widgets::setBackgroundColour(*lblSystemTime, Qt::black);

    // The captions lie over the right end of the big lines: no background of their own, so
    // the big text stays readable.
    lblAlarm = new QLabel(caption(Caption::AlarmTime), this);
    lblAlarm->setObjectName(QStringLiteral("lblAlarm"));
    lblSystem = new QLabel(tr("System Time"), this);
    lblSystem->setObjectName(QStringLiteral("lblSystem"));
    for (QLabel* caption : {lblAlarm, lblSystem}) {
        caption->setWordWrap(true);
        widgets::setTextColour(*caption, kYellow);
    }
    // Each caption labels its line, so that a screen reader says it once, as the line's label,
    // rather than once in the line's name and again as a text of its own.
    lblAlarm->setBuddy(lblAlarmTime);
    lblSystem->setBuddy(lblSystemTime);
    // Only groups the lines: not a window of its own to a screen reader.
    widgets::setAccessibleRole(*this, QAccessible::Grouping);
}

void TimeDisplay::applyLayout(const mainwindow::LayoutControls& c, bool labels, double dpi) {
    widgets::placeInTwips(*this, c.frameDisplay, dpi);
    widgets::placeInTwips(*lblAlarmTime, c.lblAlarmTime, dpi);
    widgets::placeInTwips(*lblLabel, c.lblLabel, dpi);
    widgets::placeInTwips(*lblSystemTime, c.lblSystemTime, dpi);
    widgets::placeInTwips(*lblAlarm, c.lblAlarm, dpi);
    widgets::placeInTwips(*lblSystem, c.lblSystem, dpi);
    const QString bigFamily = mainwindow::kSansSerif;
    lblAlarmTime->setFont(widgets::designFont(bigFamily, c.alarmTimePoints, true));
    lblLabel->setFont(widgets::designFont(bigFamily, c.labelPoints, true));
    lblSystemTime->setFont(widgets::designFont(bigFamily, c.systemTimePoints, true));
    lblAlarm->setFont(widgets::designFont(c.alarmCaption.family, c.alarmCaption.points, false));
    lblSystem->setFont(widgets::designFont(c.systemCaption.family, c.systemCaption.points, false));
    // A blank's width before each caption keeps the big text clear of it. The design's caption
    // boxes were measured for a narrower font: each is made wide enough for the longest word it
    // may show.
    for (QLabel* label : {lblAlarm, lblSystem})
        label->setIndent(label->fontMetrics().horizontalAdvance(u' '));
    // A caption stays within its line's black box, also in a wide and short window, where the
    // box is lower than the caption's design: it gets a smaller font rather than spilling.
    for (auto [caption, line] : {std::pair<QLabel*, QWidget*>{lblAlarm, lblAlarmTime},
                                 std::pair<QLabel*, QWidget*>{lblSystem, lblSystemTime}}) {
        QRect box = caption->geometry();
        box.setTop(std::max(box.top(), line->y()));
        box.setBottom(std::min(box.bottom(), line->geometry().bottom()));
        caption->setGeometry(box);
    }
    widgets::fitCaptionBox(*lblAlarm, {caption(Caption::AlarmTime), caption(Caption::StartTime),
                                       caption(Caption::LocalTime)});
    widgets::fitCaptionBox(*lblSystem,
                           {caption(Caption::TimeRemain), caption(Caption::TimeExpired),
                            caption(Caption::TimeElapsed), caption(Caption::CurrentTime)});
    // Each caption reaches to its line's right end, so the strip the line keeps free is the
    // caption's width.
    for (auto [caption, line] :
         {std::pair<QLabel*, widgets::FittedLabel*>{lblAlarm, lblAlarmTime},
          std::pair<QLabel*, widgets::FittedLabel*>{lblSystem, lblSystemTime}}) {
        QRect box = caption->geometry();
        box.setRight(std::max(box.right(), line->geometry().right()));
        caption->setGeometry(box);
        line->setReservedRight(labels ? caption->width() : 0);
    }
    // The unit heading stands over the digits it names, in the same room as the lower line.
    lblLabel->setReservedRight(lblSystemTime->reservedRight());
    lblAlarm->raise();
    lblSystem->raise();
}

void TimeDisplay::show(const DisplayUpdate& u) {
    lblAlarmTime->setText(u.alarmTimeText);
    if (u.alarmCaption)
        lblAlarm->setText(*u.alarmCaption);
    if (u.colour)
        setLineColour(*u.colour);
    if (u.systemCaption)
        lblSystem->setText(*u.systemCaption);
    if (u.rebuilt) {
        lblLabel->setText(u.heading);
        if (lblLabel->accessibleName() != u.spokenHeading) // each change is an event
            lblLabel->setAccessibleName(u.spokenHeading);
        lblLabel->setVisible(u.labelsVisible);
        lblSystem->setVisible(u.labelsVisible);
        lblAlarm->setVisible(u.labelsVisible);
        lblSystemTime->setText(u.valueText);
        m_spokenValue = u.spokenValue;
    }
}

void TimeDisplay::updateAccessibleNames(const TimerFacts& facts) {
    // A screen reader reads each line after its caption (its label), the lower one with its
    // units and its state. A name is set only when it changes: each change is an event the
    // reader hears of.
    const auto setName = [](QWidget& line, const QString& name) {
        if (line.accessibleName() != name)
            line.setAccessibleName(name);
    };
    setName(*lblAlarmTime, lblAlarmTime->text().trimmed());
    QString state;
    if (facts.paused)
        state = tr(", paused", "after the lower line's time, said");
    else if (facts.warning)
        state = tr(", warning", "after the lower line's time, said");
    setName(*lblSystemTime, m_spokenValue + state);
}

void TimeDisplay::setLineColour(LineColour colour) {
    switch (colour) {
    case LineColour::Red:
        widgets::setTextColour(*lblSystemTime, kRed);
        break;
    case LineColour::Green:
        widgets::setTextColour(*lblSystemTime, kGreen);
        break;
    case LineColour::Yellow:
        widgets::setTextColour(*lblSystemTime, kYellow);
        break;
    }
}

} // namespace tempiro::mainwindow
