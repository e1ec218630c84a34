<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandText</name>
    <message>
        <source>tempiro: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running timer took the command but did not answer within %1 s; it may have been carried out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the timer&apos;s socket %1 belongs to another user; nothing was sent to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tempiro: could not listen on %1; this timer takes no commands from the command line.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tempiro: Tempiro Timer is not running.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tempiro: the running timer does not read this request (a different version?).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tempiro: done, but the answer was too long to send back (over %1 KiB).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Examples:
  tempiro --in 25m --title Tea          a 25-minute timer called Tea
  tempiro --at &quot;12/25/2027 10:00 PM PST&quot; --title Auction --url https://...
  tempiro --stopwatch                   start a stop watch
  tempiro --toggle-pause                pause or resume (for a key binding)
  tempiro --status                      one line for a status bar

With Days shown and 11 days or more to go, the window&apos;s lower line shows the
current date and time under &quot;Current Time&quot; instead of the count, as the design
has it; --status and the item&apos;s tooltip still count down.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempiro Timer: a countdown timer for one event at a time. Without options
it opens the timer; with them it sets, pauses or reads the running one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count down a length: 1:30:00, 25m, 90s, 1h30m, 2h. A day or more (48h) is set as the time it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count down to a date and time, in your locale or in English, optionally with its zone: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a stop watch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event&apos;s title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event&apos;s web address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn with beeps this many minutes before the end (a whole number); 0 turns warnings off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the timer on the due day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not open the timer on the due day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause the display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume a paused display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause, or resume when paused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the time left as one line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --status: print one JSON object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Enter Time dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: tempiro [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tempiro: %1
%2
See tempiro --help for the options.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one of --in, --at and --stopwatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one of --pause, --resume and --toggle-pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --auto-open or --no-auto-open, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a length can be at most %n days.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a title can be at most %n characters.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a web address can be at most %n characters.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>tempiro: the command is too long to send (over %1 KiB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tempiro: %1 is longer than an Interval can be (23:59:59); the alarm is set to end at %2.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayText</name>
    <message>
        <source>Stop Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hh</source>
        <comment>the hours&apos; heading over their digits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <comment>a unit in the heading, said</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <comment>the minutes&apos; heading over their digits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>a unit in the heading, said</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ss</source>
        <comment>the seconds&apos; heading over their digits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <comment>a unit in the heading, said</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dy</source>
        <comment>the days&apos; heading over their digits</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <comment>a unit in the heading, said</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the heading over the total of days</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Remain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timing of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempiro to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the heading&apos;s units</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the heading&apos;s units</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus %1</source>
        <comment>the time since the end, said</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expired %1 ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left, ends %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not running)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryText</name>
    <message>
        <source>Date/time is not in the correct format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date must be within 30 years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/time must be in the future.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval must be a length, like 1:30:00.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning minutes must be a number from -32768 to 32767.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>==============Main Screen=====================</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Main Menu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Set Menu -&gt; Set Alarm-&gt; set the alarm or stopwatch. Set Clock-&gt; open Tavolek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Display Menu -&gt; set the clock display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Seconds...Days -&gt; shows the time remaining in units selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Total Days     -&gt; shows the total number of days left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Labels         -&gt; turns on/off labels displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Menus          -&gt; turns on/off menus (click on form edge to toggle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Show Local Time-&gt; turns on/off local time display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Keep On Top    -&gt; when enabled, forces tempiro screen to stay visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Tools Menu -&gt; Lets you create an appointment in MS Outlook to coincide with event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Shortcuts: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Clicking Clock Window opens time set form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Clicking Time  Window pauses the time display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=============Enter Time Screen================</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Enter the time and description of the event being timed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Input is expected in local the &lt;date&gt; &lt;time&gt; formats, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Date formats: Enter valid date formats in region located. For users in the U.S. include month/day/year (i.e. 7/14/04) or in full month word format (i.e. July 14, 2004)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Time formats Enter valid time format in region located. U.S. users can use either a 12 hour AM/PM format (i.e. 1:15 PM) or a 24 hour clock format (i.e. 13:15).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Invalid date or time strings, including dates in the past, will not be accepted by the form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Mode: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Timed - enter the end time of the event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Interval - enter the length of time the event will last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Stop Watch - time an event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Auto Open: Check to start timer automatically from Tavolek on day the event expires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Tavolek must be running to start the Tempiro Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Warn Me:   Check to sound a series of warning beeps xx minutes before event expires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (minutes): select how many minutes before event ends to begin warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Event URL: Web address of event being timed. Provides a web link on main screen to jump to event being timed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    You can cut and paste an auction end time directly in the enter time window </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   the Tempiro utility will convert the end time to local time. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>Problem running Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find Web Browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t start Web browser. Error: %1  Description: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start Web Browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in loading IEXPLORE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RadozArod cannot function correctly without Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start shell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start browser and go to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>not enough memory for the companion clock&apos;s file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageText</name>
    <message>
        <source>another program is writing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tempiro::Timer</name>
    <message>
        <source>The system clock is not synchronised: the countdown may be off by the clock&apos;s error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ends at %2</source>
        <comment>why sleep is held off</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ended at %1, while the computer was asleep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Event Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze 5 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempiro Timer could not read its settings and kept the file as %1; it started with its first settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tempiro::frmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Microsoft System information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marrowby Software %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 Marrowby Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It can be installed as a Windows 95 Accessory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tempiro::frmEnterTime</name>
    <message>
        <source>Enter a date/time (mm/dd/yy hh:mm:ss)  for the alarm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the time interval (hh:mm:ss) to set the alarm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operate in the stop watch mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time for next setting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit or enter the time for the setting to occur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To set time and exit form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To exit form without setting time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warn me                minutes before ending</source>
        <comment>the run of blanks is where the minutes box stands: keep one of two blanks or more</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound a warning beep 5 minutes before event expires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web address of event being timed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auto open on due date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to start timer automatically on event due date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Warn me %n minutes before ending</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Warn me %1 minutes before ending</source>
        <comment>not a whole number</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tempiro::frmHelp</name>
    <message>
        <source>
=============Keys and More====================
  F10, or Alt pressed alone -&gt; opens the menus (showing a hidden menu bar first).
  Pause or Ctrl+P -&gt; pauses or resumes the timer.
  Space or Enter on the time line -&gt; pauses or resumes, as a click does.
  Display Menu -&gt; Notification Area Icon: the time left in the panel, with a menu to show
    the timer, pause it, set the alarm or quit.
  Tools Menu -&gt; Keep Computer Awake Near the End: no sleep or screen-off from the first
    warning until a minute after the end.
  Command line: tempiro --in 10m --title Tea sets the timer, started or running;
    tempiro --help lists every command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempiro Timer Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tempiro::frmTempiro</name>
    <message>
        <source>&amp;Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Total Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Menus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Local &amp;Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep on Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification Area Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event web address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the event&apos;s web page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alarm...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clock...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create &amp;Appointment in Outlook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Computer Awake Near the End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marrowby Software &amp;Web Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop (Wayland) does not let a program keep its window on top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a notice said: its title, its text</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please contact us at:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tempiro::mainwindow::TimeDisplay</name>
    <message>
        <source>The alarm time, the start of the stop watch or the local time. Click to set the alarm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time that remains or has elapsed. Click to pause or resume.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, paused</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, warning</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tempiro::tray::TrayItem</name>
    <message>
        <source>Show Tempiro Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
