#include "aboutbox/HelpText.h"

#include <array>

namespace tempiro::aboutbox {

namespace {

const std::array<QString, kLineCount> kLines = {
    QStringLiteral("==============Main Screen====================="),
    QStringLiteral("  Main Menu:"),
    QStringLiteral(
        "   Set Menu -> Set Alarm-> set the alarm or stopwatch. Set Clock-> open Tavolek"),
    QStringLiteral("   Display Menu -> set the clock display"),
    QStringLiteral("     Seconds...Days -> shows the time remaining in units selected"),
    QStringLiteral("     Total Days     -> shows the total number of days left."),
    QStringLiteral("     Labels         -> turns on/off labels displayed"),
    QStringLiteral("     Menus          -> turns on/off menus (click on form edge to toggle)"),
    QStringLiteral("     Show Local Time-> turns on/off local time display"),
    QStringLiteral("     Keep On Top    -> when enabled, forces tempiro screen to stay visible"),
    QStringLiteral("   Tools Menu -> Lets you create an appointment in MS Outlook to coincide with "
                   "event."),
    QString(),
    QStringLiteral("  Shortcuts: "),
    QStringLiteral("    Clicking Clock Window opens time set form."),
    QStringLiteral("    Clicking Time  Window pauses the time display."),
    QString(),
    QString(),
    QStringLiteral("=============Enter Time Screen================"),
    QStringLiteral("  Enter the time and description of the event being timed"),
    QStringLiteral("   Input is expected in local the <date> <time> formats, "),
    QStringLiteral("   Date formats: Enter valid date formats in region located. For users in the "
                   "U.S. include month/day/year (i.e. 7/14/04) or in full month word format (i.e. "
                   "July 14, 2004)"),
    QStringLiteral("   Time formats Enter valid time format in region located. U.S. users can use "
                   "either a 12 hour AM/PM format (i.e. 1:15 PM) or a 24 hour clock format (i.e. "
                   "13:15)."),
    QStringLiteral("   Invalid date or time strings, including dates in the past, will not be "
                   "accepted by the form."),
    QString(),
    QStringLiteral("  Mode: "),
    QStringLiteral("     Timed - enter the end time of the event"),
    QStringLiteral("     Interval - enter the length of time the event will last"),
    QStringLiteral("     Stop Watch - time an event"),
    QStringLiteral("  Auto Open: Check to start timer automatically from Tavolek on day the event "
                   "expires"),
    QStringLiteral("     Tavolek must be running to start the Tempiro Timer"),
    QStringLiteral("  Warn Me:   Check to sound a series of warning beeps xx minutes before event "
                   "expires"),
    QStringLiteral("  (minutes): select how many minutes before event ends to begin warnings"),
    QStringLiteral("  Event URL: Web address of event being timed. Provides a web link on main "
                   "screen to jump to event being timed"),
    QString(),
    QStringLiteral("  Shortcuts: "),
    QStringLiteral(
        "    You can cut and paste an auction end time directly in the enter time window "),
    QStringLiteral("   the Tempiro utility will convert the end time to local time. "),
};

} // namespace

const QString& line(int number) {
    return kLines.at(static_cast<size_t>(number - 1));
}

} // namespace tempiro::aboutbox
