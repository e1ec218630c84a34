#include "aboutbox/HelpText.h"

#include <QCoreApplication>
#include <array>

namespace tempiro::aboutbox {

namespace {

// Translated as they are read.
const std::array<const char*, kLineCount> kLines = {
    QT_TRANSLATE_NOOP("HelpText", "==============Main Screen====================="),
    QT_TRANSLATE_NOOP("HelpText", "  Main Menu:"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "   Set Menu -> Set Alarm-> set the alarm or stopwatch. Set Clock-> open Tavolek"),
    QT_TRANSLATE_NOOP("HelpText", "   Display Menu -> set the clock display"),
    QT_TRANSLATE_NOOP("HelpText",
                      "     Seconds...Days -> shows the time remaining in units selected"),
    QT_TRANSLATE_NOOP("HelpText", "     Total Days     -> shows the total number of days left."),
    QT_TRANSLATE_NOOP("HelpText", "     Labels         -> turns on/off labels displayed"),
    QT_TRANSLATE_NOOP("HelpText",
                      "     Menus          -> turns on/off menus (click on form edge to toggle)"),
    QT_TRANSLATE_NOOP("HelpText", "     Show Local Time-> turns on/off local time display"),
    QT_TRANSLATE_NOOP("HelpText",
                      "     Keep On Top    -> when enabled, forces tempiro screen to stay visible"),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "   Tools Menu -> Lets you create an appointment in MS Outlook to coincide with "
        "event."),
    "",
    QT_TRANSLATE_NOOP("HelpText", "  Shortcuts: "),
    QT_TRANSLATE_NOOP("HelpText", "    Clicking Clock Window opens time set form."),
    QT_TRANSLATE_NOOP("HelpText", "    Clicking Time  Window pauses the time display."),
    "",
    "",
    QT_TRANSLATE_NOOP("HelpText", "=============Enter Time Screen================"),
    QT_TRANSLATE_NOOP("HelpText", "  Enter the time and description of the event being timed"),
    QT_TRANSLATE_NOOP("HelpText", "   Input is expected in local the <date> <time> formats, "),
    QT_TRANSLATE_NOOP(
        "HelpText", "   Date formats: Enter valid date formats in region located. For users in the "
                    "U.S. include month/day/year (i.e. 7/14/04) or in full month word format (i.e. "
                    "July 14, 2004)"),
    QT_TRANSLATE_NOOP(
        "HelpText", "   Time formats Enter valid time format in region located. U.S. users can use "
                    "either a 12 hour AM/PM format (i.e. 1:15 PM) or a 24 hour clock format (i.e. "
                    "13:15)."),
    QT_TRANSLATE_NOOP("HelpText",
                      "   Invalid date or time strings, including dates in the past, will not be "
                      "accepted by the form."),
    "",
    QT_TRANSLATE_NOOP("HelpText", "  Mode: "),
    QT_TRANSLATE_NOOP("HelpText", "     Timed - enter the end time of the event"),
    QT_TRANSLATE_NOOP("HelpText", "     Interval - enter the length of time the event will last"),
    QT_TRANSLATE_NOOP("HelpText", "     Stop Watch - time an event"),
    QT_TRANSLATE_NOOP(
        "HelpText", "  Auto Open: Check to start timer automatically from Tavolek on day the event "
                    "expires"),
    QT_TRANSLATE_NOOP("HelpText", "     Tavolek must be running to start the Tempiro Timer"),
    QT_TRANSLATE_NOOP(
        "HelpText", "  Warn Me:   Check to sound a series of warning beeps xx minutes before event "
                    "expires"),
    QT_TRANSLATE_NOOP("HelpText",
                      "  (minutes): select how many minutes before event ends to begin warnings"),
    QT_TRANSLATE_NOOP("HelpText",
                      "  Event URL: Web address of event being timed. Provides a web link on main "
                      "screen to jump to event being timed"),
    "",
    QT_TRANSLATE_NOOP("HelpText", "  Shortcuts: "),
    QT_TRANSLATE_NOOP(
        "HelpText",
        "    You can cut and paste an auction end time directly in the enter time window "),
    QT_TRANSLATE_NOOP("HelpText",
                      "   the Tempiro utility will convert the end time to local time. "),
};

} // namespace

QString line(int number) {
    const char* source = kLines.at(static_cast<size_t>(number - 1));
    return *source ? QCoreApplication::translate("HelpText", source) : QString();
}

} // namespace tempiro::aboutbox
