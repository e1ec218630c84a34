<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandText</name>
    <message>
        <source>tempiro: %1
</source>
        <translation>tempiro: %1
</translation>
    </message>
    <message>
        <source>the running timer took the command but did not answer within %1 s; it may have been carried out.</source>
        <translation>der laufende Timer hat den Befehl angenommen, aber nicht binnen %1 s geantwortet; er wurde womöglich ausgeführt.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s; nothing was changed.</source>
        <translation>der laufende Timer hat nicht binnen %1 s geantwortet; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s.</source>
        <translation>der laufende Timer hat nicht binnen %1 s geantwortet.</translation>
    </message>
    <message>
        <source>the timer&apos;s socket %1 belongs to another user; nothing was sent to it.</source>
        <translation>der Socket %1 des Timers gehört einem anderen Benutzer; es wurde nichts an ihn gesendet.</translation>
    </message>
    <message>
        <source>tempiro: could not listen on %1; this timer takes no commands from the command line.
</source>
        <translation>tempiro: %1 kann nicht abgehört werden; dieser Timer nimmt keine Befehle von der Befehlszeile an.
</translation>
    </message>
    <message>
        <source>tempiro: Tempiro Timer is not running.
</source>
        <translation>tempiro: Tempiro Timer läuft nicht.
</translation>
    </message>
    <message>
        <source>tempiro: the running timer does not read this request (a different version?).
</source>
        <translation>tempiro: Der laufende Timer versteht diese Anfrage nicht (eine andere Version?).
</translation>
    </message>
    <message>
        <source>tempiro: done, but the answer was too long to send back (over %1 KiB).
</source>
        <translation>tempiro: Erledigt, aber die Antwort war zu lang zum Zurücksenden (über %1 KiB).
</translation>
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
        <translation>
Beispiele:
  tempiro --in 25m --title Tee          ein 25-Minuten-Timer namens Tee
  tempiro --at &quot;12/25/2027 10:00 PM PST&quot; --title Auktion --url https://...
  tempiro --stopwatch                   eine Stoppuhr starten
  tempiro --toggle-pause                anhalten oder fortsetzen (für ein Tastenkürzel)
  tempiro --status                      eine Zeile für eine Statusleiste

Sind die Tage eingeblendet und bleiben 11 Tage oder mehr, zeigt die untere Zeile
des Fensters, wie vorgesehen, statt des Countdowns Datum und Uhrzeit unter
„Aktuelle Zeit“; --status und der Tooltip des Symbols zählen weiter herunter.
</translation>
    </message>
    <message>
        <source>Tempiro Timer: a countdown timer for one event at a time. Without options
it opens the timer; with them it sets, pauses or reads the running one.</source>
        <translation>Tempiro Timer: ein Countdown-Timer für jeweils ein Ereignis. Ohne Optionen
öffnet er den Timer; mit Optionen stellt, hält oder liest er den laufenden.</translation>
    </message>
    <message>
        <source>Count down a length: 1:30:00, 25m, 90s, 1h30m, 2h. A day or more (48h) is set as the time it ends.</source>
        <translation>Eine Dauer herunterzählen: 1:30:00, 25m, 90s, 1h30m, 2h. Ab einem Tag (48h) wird der Zeitpunkt ihres Endes gestellt.</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Count down to a date and time, in your locale or in English, optionally with its zone: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</source>
        <translation>Bis zu Datum und Uhrzeit herunterzählen, im Format Ihres Gebietsschemas oder auf Englisch, wahlweise mit Zeitzone: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</translation>
    </message>
    <message>
        <source>target</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>Start a stop watch.</source>
        <translation>Eine Stoppuhr starten.</translation>
    </message>
    <message>
        <source>The event&apos;s title.</source>
        <translation>Der Titel des Ereignisses.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>The event&apos;s web address.</source>
        <translation>Die Webadresse des Ereignisses.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Warn with beeps this many minutes before the end (a whole number); 0 turns warnings off.</source>
        <translation>So viele Minuten vor dem Ende mit Pieptönen warnen (eine ganze Zahl); 0 schaltet die Warnungen ab.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Open the timer on the due day.</source>
        <translation>Den Timer am Fälligkeitstag öffnen.</translation>
    </message>
    <message>
        <source>Do not open the timer on the due day.</source>
        <translation>Den Timer am Fälligkeitstag nicht öffnen.</translation>
    </message>
    <message>
        <source>Pause the display.</source>
        <translation>Die Anzeige anhalten.</translation>
    </message>
    <message>
        <source>Resume a paused display.</source>
        <translation>Eine angehaltene Anzeige fortsetzen.</translation>
    </message>
    <message>
        <source>Pause, or resume when paused.</source>
        <translation>Anhalten, oder fortsetzen, wenn angehalten.</translation>
    </message>
    <message>
        <source>Print the time left as one line.</source>
        <translation>Die verbleibende Zeit als eine Zeile ausgeben.</translation>
    </message>
    <message>
        <source>With --status: print one JSON object.</source>
        <translation>Mit --status: ein JSON-Objekt ausgeben.</translation>
    </message>
    <message>
        <source>Open the Enter Time dialog.</source>
        <translation>Den Dialog „Zeit eingeben“ öffnen.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>Usage: tempiro [options]</source>
        <translation>Aufruf: tempiro [Optionen]</translation>
    </message>
    <message>
        <source>tempiro: %1
%2
See tempiro --help for the options.
</source>
        <translation>tempiro: %1
%2
Die Optionen nennt tempiro --help.
</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>give one of --in, --at and --stopwatch</source>
        <translation>nur eines von --in, --at und --stopwatch angeben</translation>
    </message>
    <message>
        <source>give one of --pause, --resume and --toggle-pause</source>
        <translation>nur eines von --pause, --resume und --toggle-pause angeben</translation>
    </message>
    <message>
        <source>give --auto-open or --no-auto-open, not both</source>
        <translation>--auto-open oder --no-auto-open angeben, nicht beide</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json gehört zu --status</translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a length can be at most %n days.</source>
        <translation>
            <numerusform>tempiro: Eine Dauer darf höchstens %n Tag betragen.</numerusform>
            <numerusform>tempiro: Eine Dauer darf höchstens %n Tage betragen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a title can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro: Ein Titel darf höchstens %n Zeichen lang sein.</numerusform>
            <numerusform>tempiro: Ein Titel darf höchstens %n Zeichen lang sein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a web address can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro: Eine Webadresse darf höchstens %n Zeichen lang sein.</numerusform>
            <numerusform>tempiro: Eine Webadresse darf höchstens %n Zeichen lang sein.</numerusform>
        </translation>
    </message>
    <message>
        <source>tempiro: the command is too long to send (over %1 KiB).</source>
        <translation>tempiro: Der Befehl ist zu lang zum Senden (über %1 KiB).</translation>
    </message>
    <message>
        <source>tempiro: %1 is longer than an Interval can be (23:59:59); the alarm is set to end at %2.
</source>
        <translation>tempiro: %1 ist länger, als ein Intervall sein kann (23:59:59); der Alarm endet um %2.
</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1
</source>
        <translation>Tempiro Timer konnte seine Einstellungen nicht speichern: %1
</translation>
    </message>
</context>
<context>
    <name>DisplayText</name>
    <message>
        <source>Stop Watch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>hh</source>
        <comment>the hours&apos; heading over their digits</comment>
        <translation>hh</translation>
    </message>
    <message>
        <source>hours</source>
        <comment>a unit in the heading, said</comment>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>the minutes&apos; heading over their digits</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>a unit in the heading, said</comment>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>ss</source>
        <comment>the seconds&apos; heading over their digits</comment>
        <translation>ss</translation>
    </message>
    <message>
        <source>seconds</source>
        <comment>a unit in the heading, said</comment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>dy</source>
        <comment>the days&apos; heading over their digits</comment>
        <translation>Tg</translation>
    </message>
    <message>
        <source>days</source>
        <comment>a unit in the heading, said</comment>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the heading over the total of days</comment>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Alarmzeit</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Time Remain</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Time Expired</source>
        <translation>Abgelaufen</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Vergangen</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Aktuelle Zeit</translation>
    </message>
    <message>
        <source>Timing of %1</source>
        <translation>Zeitmessung: %1</translation>
    </message>
    <message>
        <source>Tempiro to %1</source>
        <translation>Tempiro bis %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the heading&apos;s units</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the heading&apos;s units</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>plus %1</source>
        <comment>the time since the end, said</comment>
        <translation>plus %1</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>weniger als eine Minute</translation>
    </message>
    <message>
        <source>expired %1 ago</source>
        <translation>abgelaufen, %1 her</translation>
    </message>
    <message>
        <source>%1 left, ends %2</source>
        <translation>noch %1, Ende %2</translation>
    </message>
    <message>
        <source>paused, %1</source>
        <translation>angehalten, %1</translation>
    </message>
    <message>
        <source>%1 (not running)</source>
        <translation>%1 (läuft nicht)</translation>
    </message>
    <message>
        <source>%1 elapsed</source>
        <translation>%1 vergangen</translation>
    </message>
    <message>
        <source>ends %1</source>
        <translation>Ende %1</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
</context>
<context>
    <name>EntryText</name>
    <message>
        <source>Date/time is not in the correct format.</source>
        <translation>Datum/Uhrzeit hat nicht das richtige Format.</translation>
    </message>
    <message>
        <source>Date must be within 30 years.</source>
        <translation>Das Datum muss innerhalb von 30 Jahren liegen.</translation>
    </message>
    <message>
        <source>Date/time must be in the future.</source>
        <translation>Datum/Uhrzeit muss in der Zukunft liegen.</translation>
    </message>
    <message>
        <source>Interval must be a length, like 1:30:00.</source>
        <translation>Das Intervall muss eine Dauer sein, etwa 1:30:00.</translation>
    </message>
    <message>
        <source>Warning minutes must be a number from -32768 to 32767.</source>
        <translation>Die Vorwarnzeit muss eine Zahl von -32768 bis 32767 sein.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>==============Main Screen=====================</source>
        <translation>==============Hauptfenster=====================</translation>
    </message>
    <message>
        <source>  Main Menu:</source>
        <translation>  Hauptmenü:</translation>
    </message>
    <message>
        <source>   Set Menu -&gt; Set Alarm-&gt; set the alarm or stopwatch. Set Clock-&gt; open Tavolek</source>
        <translation>   Menü Einstellen -&gt; Alarm-&gt; Alarm oder Stoppuhr stellen. Uhr-&gt; Tavolek öffnen</translation>
    </message>
    <message>
        <source>   Display Menu -&gt; set the clock display</source>
        <translation>   Menü Anzeige -&gt; die Anzeige der Uhr einstellen</translation>
    </message>
    <message>
        <source>     Seconds...Days -&gt; shows the time remaining in units selected</source>
        <translation>     Sekunden...Tage -&gt; zeigt die Restzeit in den gewählten Einheiten</translation>
    </message>
    <message>
        <source>     Total Days     -&gt; shows the total number of days left.</source>
        <translation>     Tage insgesamt  -&gt; zeigt die Zahl der verbleibenden Tage insgesamt.</translation>
    </message>
    <message>
        <source>     Labels         -&gt; turns on/off labels displayed</source>
        <translation>     Beschriftungen  -&gt; blendet die Beschriftungen ein/aus</translation>
    </message>
    <message>
        <source>     Menus          -&gt; turns on/off menus (click on form edge to toggle)</source>
        <translation>     Menüs           -&gt; blendet die Menüs ein/aus (Klick auf den Fensterrand schaltet um)</translation>
    </message>
    <message>
        <source>     Show Local Time-&gt; turns on/off local time display</source>
        <translation>     Ortszeit anzeigen-&gt; blendet die Ortszeit ein/aus</translation>
    </message>
    <message>
        <source>     Keep On Top    -&gt; when enabled, forces tempiro screen to stay visible</source>
        <translation>     Immer im Vordergrund -&gt; hält das Tempiro-Fenster, wenn eingeschaltet, stets sichtbar</translation>
    </message>
    <message>
        <source>   Tools Menu -&gt; Lets you create an appointment in MS Outlook to coincide with event.</source>
        <translation>   Menü Extras -&gt; legt in MS Outlook einen Termin zum Zeitpunkt des Ereignisses an.</translation>
    </message>
    <message>
        <source>  Shortcuts: </source>
        <translation>  Abkürzungen: </translation>
    </message>
    <message>
        <source>    Clicking Clock Window opens time set form.</source>
        <translation>    Ein Klick auf das Uhrfeld öffnet das Fenster zum Stellen der Zeit.</translation>
    </message>
    <message>
        <source>    Clicking Time  Window pauses the time display.</source>
        <translation>    Ein Klick auf das Zeitfeld hält die Zeitanzeige an.</translation>
    </message>
    <message>
        <source>=============Enter Time Screen================</source>
        <translation>=============Fenster Zeit eingeben================</translation>
    </message>
    <message>
        <source>  Enter the time and description of the event being timed</source>
        <translation>  Zeit und Beschreibung des gemessenen Ereignisses eingeben</translation>
    </message>
    <message>
        <source>   Input is expected in local the &lt;date&gt; &lt;time&gt; formats, </source>
        <translation>   Erwartet wird die Eingabe in den örtlichen Formaten &lt;Datum&gt; &lt;Zeit&gt;, </translation>
    </message>
    <message>
        <source>   Date formats: Enter valid date formats in region located. For users in the U.S. include month/day/year (i.e. 7/14/04) or in full month word format (i.e. July 14, 2004)</source>
        <translation>   Datumsformate: Gültige Datumsformate der eigenen Region eingeben. In den USA etwa Monat/Tag/Jahr (z. B. 7/14/04) oder mit ausgeschriebenem Monat (z. B. July 14, 2004)</translation>
    </message>
    <message>
        <source>   Time formats Enter valid time format in region located. U.S. users can use either a 12 hour AM/PM format (i.e. 1:15 PM) or a 24 hour clock format (i.e. 13:15).</source>
        <translation>   Zeitformate: Gültige Zeitformate der eigenen Region eingeben. In den USA ist das 12-Stunden-Format mit AM/PM (z. B. 1:15 PM) oder das 24-Stunden-Format (z. B. 13:15) möglich.</translation>
    </message>
    <message>
        <source>   Invalid date or time strings, including dates in the past, will not be accepted by the form.</source>
        <translation>   Ungültige Datums- oder Zeitangaben, auch Daten in der Vergangenheit, nimmt das Fenster nicht an.</translation>
    </message>
    <message>
        <source>  Mode: </source>
        <translation>  Modus: </translation>
    </message>
    <message>
        <source>     Timed - enter the end time of the event</source>
        <translation>     Zeitpunkt - das Ende des Ereignisses eingeben</translation>
    </message>
    <message>
        <source>     Interval - enter the length of time the event will last</source>
        <translation>     Intervall - die Dauer des Ereignisses eingeben</translation>
    </message>
    <message>
        <source>     Stop Watch - time an event</source>
        <translation>     Stoppuhr - die Dauer eines Ereignisses messen</translation>
    </message>
    <message>
        <source>  Auto Open: Check to start timer automatically from Tavolek on day the event expires</source>
        <translation>  Automatisch öffnen: Ankreuzen, damit Tavolek den Timer am Tag des Ablaufs automatisch startet</translation>
    </message>
    <message>
        <source>     Tavolek must be running to start the Tempiro Timer</source>
        <translation>     Tavolek muss laufen, um Tempiro Timer zu starten</translation>
    </message>
    <message>
        <source>  Warn Me:   Check to sound a series of warning beeps xx minutes before event expires</source>
        <translation>  Warnung:   Ankreuzen, um xx Minuten vor Ablauf des Ereignisses eine Reihe von Warntönen auszugeben</translation>
    </message>
    <message>
        <source>  (minutes): select how many minutes before event ends to begin warnings</source>
        <translation>  (Minuten): wählen, wie viele Minuten vor dem Ende die Warnungen beginnen</translation>
    </message>
    <message>
        <source>  Event URL: Web address of event being timed. Provides a web link on main screen to jump to event being timed</source>
        <translation>  Ereignis-URL: Webadresse des gemessenen Ereignisses. Setzt im Hauptfenster einen Link, der zum Ereignis springt</translation>
    </message>
    <message>
        <source>    You can cut and paste an auction end time directly in the enter time window </source>
        <translation>    Das Ende einer Auktion lässt sich direkt in das Fenster Zeit eingeben kopieren; </translation>
    </message>
    <message>
        <source>   the Tempiro utility will convert the end time to local time. </source>
        <translation>   Tempiro rechnet die Endzeit in die Ortszeit um. </translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>Problem running Browser</source>
        <translation>Problem beim Ausführen des Browsers</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alarm expired</source>
        <translation>Alarm abgelaufen</translation>
    </message>
    <message>
        <source>Cannot find Web Browser.</source>
        <translation>Kein Webbrowser gefunden.</translation>
    </message>
    <message>
        <source>Can&apos;t start Web browser. Error: %1  Description: %2</source>
        <translation>Der Webbrowser kann nicht gestartet werden. Fehler: %1  Beschreibung: %2</translation>
    </message>
    <message>
        <source>Cannot start Web Browser.</source>
        <translation>Der Webbrowser kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Error in loading IEXPLORE.</source>
        <translation>Fehler beim Laden von IEXPLORE.</translation>
    </message>
    <message>
        <source>RadozArod cannot function correctly without Browser</source>
        <translation>RadozArod funktioniert ohne Browser nicht richtig</translation>
    </message>
    <message>
        <source>Cannot start shell.</source>
        <translation>Die Shell kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Start browser and go to %1</source>
        <translation>Browser starten und %1 aufrufen</translation>
    </message>
    <message>
        <source>No desktop entry %1</source>
        <translation>Kein Desktop-Eintrag %1</translation>
    </message>
</context>
<context>
    <name>StorageText</name>
    <message>
        <source>another program is writing %1</source>
        <translation>ein anderes Programm schreibt %1</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>keine Berechtigung zum Schreiben in %1</translation>
    </message>
    <message>
        <source>cannot write in %1</source>
        <translation>in %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>not enough memory for the companion clock&apos;s file</source>
        <translation>nicht genug Speicher für die Datei der Begleituhr</translation>
    </message>
</context>
<context>
    <name>tempiro::Timer</name>
    <message>
        <source>The system clock is not synchronised: the countdown may be off by the clock&apos;s error.</source>
        <translation>Die Systemuhr ist nicht synchronisiert: Der Countdown kann um den Fehler der Uhr abweichen.</translation>
    </message>
    <message>
        <source>The countdown</source>
        <translation>Der Countdown</translation>
    </message>
    <message>
        <source>%1 ends at %2</source>
        <comment>why sleep is held off</comment>
        <translation>%1 endet um %2</translation>
    </message>
    <message>
        <source>Ended at %1, while the computer was asleep.</source>
        <translation>Um %1 abgelaufen, während der Rechner schlief.</translation>
    </message>
    <message>
        <source>Show Timer</source>
        <translation>Timer anzeigen</translation>
    </message>
    <message>
        <source>Open Event Page</source>
        <translation>Ereignisseite öffnen</translation>
    </message>
    <message>
        <source>Snooze 5 Minutes</source>
        <translation>5 Minuten schlummern</translation>
    </message>
    <message>
        <source>Tempiro Timer could not read its settings and kept the file as %1; it started with its first settings.</source>
        <translation>Tempiro Timer konnte seine Einstellungen nicht lesen und hat die Datei als %1 aufbewahrt; er startete mit den ersten Einstellungen.</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1</source>
        <translation>Tempiro Timer konnte seine Einstellungen nicht speichern: %1</translation>
    </message>
</context>
<context>
    <name>tempiro::frmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Klicken, um das Fenster zu schließen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Warnung: ...</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen …</translation>
    </message>
    <message>
        <source>Show Microsoft System information.</source>
        <translation>Microsoft-Systeminformationen anzeigen.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Marrowby Software %1</source>
        <translation>Marrowby Software %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Marrowby Software</source>
        <translation>Copyright © 2026 Marrowby Software</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Frei nutzbar und weitergebbar.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>It can be installed as a Windows 95 Accessory</source>
        <translation>Sie lassen sich als Zubehör von Windows 95 installieren</translation>
    </message>
</context>
<context>
    <name>tempiro::frmEnterTime</name>
    <message>
        <source>Enter a date/time (mm/dd/yy hh:mm:ss)  for the alarm.</source>
        <translation>Datum/Uhrzeit für den Alarm eingeben (TT.MM.JJ hh:mm:ss).</translation>
    </message>
    <message>
        <source>Enter the time interval (hh:mm:ss) to set the alarm.</source>
        <translation>Zeitspanne (hh:mm:ss) für den Alarm eingeben.</translation>
    </message>
    <message>
        <source>Operate in the stop watch mode.</source>
        <translation>Als Stoppuhr laufen.</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>Zeit eingeben</translation>
    </message>
    <message>
        <source>Time for next setting:</source>
        <translation>Zeitpunkt des Alarms:</translation>
    </message>
    <message>
        <source>Edit or enter the time for the setting to occur</source>
        <translation>Zeitpunkt für den Alarm eingeben oder ändern</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Zeitpunkt</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Intervall</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To set time and exit form.</source>
        <translation>Zeit übernehmen und Fenster schließen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>To exit form without setting time.</source>
        <translation>Fenster schließen, ohne die Zeit zu übernehmen.</translation>
    </message>
    <message>
        <source>&amp;Stop Watch</source>
        <translation>&amp;Stoppuhr</translation>
    </message>
    <message>
        <source>Event description</source>
        <translation>Beschreibung des Ereignisses</translation>
    </message>
    <message>
        <source>Event title:</source>
        <translation>Titel des Ereignisses:</translation>
    </message>
    <message>
        <source>warn me                minutes before ending</source>
        <comment>the run of blanks is where the minutes box stands: keep one of two blanks or more</comment>
        <translation>Warnung                Minuten vor dem Ende</translation>
    </message>
    <message>
        <source>Sound a warning beep 5 minutes before event expires</source>
        <translation>5 Minuten vor Ablauf des Ereignisses einen Warnton ausgeben</translation>
    </message>
    <message>
        <source>Web address of event being timed</source>
        <translation>Webadresse des gemessenen Ereignisses</translation>
    </message>
    <message>
        <source>Event URL:</source>
        <translation>Ereignis-URL:</translation>
    </message>
    <message>
        <source>auto open on due date</source>
        <translation>am Fälligkeitstag öffnen</translation>
    </message>
    <message>
        <source>Check to start timer automatically on event due date</source>
        <translation>Ankreuzen, damit der Timer am Fälligkeitstag startet</translation>
    </message>
    <message>
        <source>Warning minutes</source>
        <translation>Vorwarnzeit in Minuten</translation>
    </message>
    <message numerus="yes">
        <source>Warn me %n minutes before ending</source>
        <translation>
            <numerusform>Warnung %n Minute vor dem Ende</numerusform>
            <numerusform>Warnung %n Minuten vor dem Ende</numerusform>
        </translation>
    </message>
    <message>
        <source>Warn me %1 minutes before ending</source>
        <comment>not a whole number</comment>
        <translation>Warnung %1 Minuten vor dem Ende</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
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
        <translation>
=============Tasten und mehr====================
  F10, oder Alt allein gedrückt -&gt; öffnet die Menüs (eine verborgene Menüleiste zuerst).
  Pause oder Strg+P -&gt; hält den Timer an oder setzt ihn fort.
  Leertaste oder Eingabe auf der Zeitzeile -&gt; hält an oder setzt fort, wie ein Klick.
  Menü Anzeige -&gt; Symbol im Benachrichtigungsfeld: die Restzeit in der Leiste, mit einem
    Menü, um den Timer anzuzeigen, anzuhalten, den Alarm zu stellen oder ihn zu beenden.
  Menü Extras -&gt; Rechner gegen Ende wach halten: kein Ruhezustand und kein Abschalten
    des Bildschirms von der ersten Warnung bis eine Minute nach dem Ende.
  Befehlszeile: tempiro --in 10m --title Tee stellt den Timer, ob neu oder laufend;
    tempiro --help nennt alle Befehle.</translation>
    </message>
    <message>
        <source>Tempiro Timer Help</source>
        <translation>Hilfe zu Tempiro Timer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Klicken, um das Fenster zu schließen.</translation>
    </message>
</context>
<context>
    <name>tempiro::frmTempiro</name>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Sekunden</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>&amp;Minuten</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>S&amp;tunden</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>T&amp;age</translation>
    </message>
    <message>
        <source>&amp;Total Days</source>
        <translation>Tage &amp;insgesamt</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Beschriftungen</translation>
    </message>
    <message>
        <source>&amp;Menus</source>
        <translation>M&amp;enüs</translation>
    </message>
    <message>
        <source>Show Local &amp;Time</source>
        <translation>&amp;Ortszeit anzeigen</translation>
    </message>
    <message>
        <source>Keep on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Notification Area Icon</source>
        <translation>Symbol im Benachrichtigungsfeld</translation>
    </message>
    <message>
        <source>Event web address</source>
        <translation>Webadresse des Ereignisses</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>Opens the event&apos;s web page.</source>
        <translation>Öffnet die Webseite des Ereignisses.</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Einstellen</translation>
    </message>
    <message>
        <source>&amp;Alarm...</source>
        <translation>&amp;Alarm …</translation>
    </message>
    <message>
        <source>&amp;Clock...</source>
        <translation>&amp;Uhr …</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>A&amp;nzeige</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Create &amp;Appointment in Outlook</source>
        <translation>&amp;Termin in Outlook anlegen</translation>
    </message>
    <message>
        <source>Keep Computer Awake Near the End</source>
        <translation>Rechner gegen Ende wach halten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Marrowby Software &amp;Web Site</source>
        <translation>&amp;Website von Marrowby Software</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>This desktop (Wayland) does not let a program keep its window on top.</source>
        <translation>Diese Arbeitsumgebung (Wayland) lässt kein Programm sein Fenster im Vordergrund halten.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a notice said: its title, its text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Fortgesetzt</translation>
    </message>
    <message>
        <source>Please contact us at:</source>
        <translation>Sie erreichen uns unter:</translation>
    </message>
</context>
<context>
    <name>tempiro::mainwindow::TimeDisplay</name>
    <message>
        <source>The alarm time, the start of the stop watch or the local time. Click to set the alarm.</source>
        <translation>Die Alarmzeit, der Start der Stoppuhr oder die Ortszeit. Klicken, um den Alarm zu stellen.</translation>
    </message>
    <message>
        <source>The time that remains or has elapsed. Click to pause or resume.</source>
        <translation>Die verbleibende oder vergangene Zeit. Klicken zum Anhalten oder Fortsetzen.</translation>
    </message>
    <message>
        <source>System Time</source>
        <translation>Systemzeit</translation>
    </message>
    <message>
        <source>, paused</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, angehalten</translation>
    </message>
    <message>
        <source>, warning</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, Warnung</translation>
    </message>
</context>
<context>
    <name>tempiro::tray::TrayItem</name>
    <message>
        <source>Show Tempiro Timer</source>
        <translation>Tempiro Timer anzeigen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation>Alarm stellen …</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
</context>
</TS>
