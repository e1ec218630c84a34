#pragma once

#include "core/DisplayEngine.h"
#include "mainwindow/Layout.h"

#include <QFrame>

class QLabel;

namespace tempiro::widgets {
class ClickableLabel;
class FittedLabel;
} // namespace tempiro::widgets

namespace tempiro::mainwindow {

// The main window's display: the framed upper line (the target, or the local time) and lower
// line (the time that remains or has passed) on black, each with its caption, and the units'
// heading between them. It shows the texts and colours of a display update, and tells a screen
// reader each line with its caption.
class TimeDisplay : public QFrame {
    Q_OBJECT
public:
    explicit TimeDisplay(QWidget* parent);

    // Places itself and its lines in the client area and gives them the layout's fonts.
    void applyLayout(const mainwindow::LayoutControls& controls, bool labels, double dpi);
    // The texts and the colour of one update.
    void show(const DisplayUpdate& update);
    void setLineColour(LineColour colour);
    // The lower line is named "0 days 1 hour 59 minutes 51 seconds, warning"; its caption labels
    // it.
    void updateAccessibleNames(const TimerFacts& facts);

    widgets::ClickableLabel* lblAlarmTime = nullptr;
    widgets::FittedLabel* lblLabel = nullptr;
    widgets::ClickableLabel* lblSystemTime = nullptr;
    QLabel* lblAlarm = nullptr;
    QLabel* lblSystem = nullptr;

private:
    QString m_spokenValue; // the lower line's value as the last rebuilt update said it
};

} // namespace tempiro::mainwindow
