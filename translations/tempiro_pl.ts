<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>działający minutnik przyjął polecenie, ale nie odpowiedział w ciągu %1 s; mogło zostać wykonane.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s; nothing was changed.</source>
        <translation>działający minutnik nie odpowiedział w ciągu %1 s; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s.</source>
        <translation>działający minutnik nie odpowiedział w ciągu %1 s.</translation>
    </message>
    <message>
        <source>the timer&apos;s socket %1 belongs to another user; nothing was sent to it.</source>
        <translation>gniazdo minutnika %1 należy do innego użytkownika; niczego do niego nie wysłano.</translation>
    </message>
    <message>
        <source>tempiro: could not listen on %1; this timer takes no commands from the command line.
</source>
        <translation>tempiro: nie można nasłuchiwać na %1; ten minutnik nie przyjmuje poleceń z wiersza poleceń.
</translation>
    </message>
    <message>
        <source>tempiro: Tempiro Timer is not running.
</source>
        <translation>tempiro: Tempiro Timer nie działa.
</translation>
    </message>
    <message>
        <source>tempiro: the running timer does not read this request (a different version?).
</source>
        <translation>tempiro: działający minutnik nie rozumie tego żądania (inna wersja?).
</translation>
    </message>
    <message>
        <source>tempiro: done, but the answer was too long to send back (over %1 KiB).
</source>
        <translation>tempiro: wykonano, ale odpowiedź była za długa, by ją odesłać (ponad %1 KiB).
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
Przykłady:
  tempiro --in 25m --title Herbata      25-minutowy minutnik o nazwie Herbata
  tempiro --at &quot;12/25/2027 10:00 PM PST&quot; --title Aukcja --url https://...
  tempiro --stopwatch                   uruchamia stoper
  tempiro --toggle-pause                wstrzymuje lub wznawia (dla skrótu klawiszowego)
  tempiro --status                      jeden wiersz dla paska stanu

Gdy dni są widoczne, a do końca zostało 11 dni lub więcej, dolny wiersz okna
pokazuje, zgodnie z projektem, bieżącą datę i godzinę pod „Bieżący czas” zamiast
odliczania; --status i podpowiedź ikony nadal odliczają.
</translation>
    </message>
    <message>
        <source>Tempiro Timer: a countdown timer for one event at a time. Without options
it opens the timer; with them it sets, pauses or reads the running one.</source>
        <translation>Tempiro Timer: minutnik odliczający czas do jednego wydarzenia naraz. Bez opcji
otwiera minutnik; z opcjami ustawia, wstrzymuje lub odczytuje działający.</translation>
    </message>
    <message>
        <source>Count down a length: 1:30:00, 25m, 90s, 1h30m, 2h. A day or more (48h) is set as the time it ends.</source>
        <translation>Odliczaj podany czas: 1:30:00, 25m, 90s, 1h30m, 2h. Dzień lub dłużej (48h) ustawia się jako godzinę zakończenia.</translation>
    </message>
    <message>
        <source>length</source>
        <translation>czas</translation>
    </message>
    <message>
        <source>Count down to a date and time, in your locale or in English, optionally with its zone: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</source>
        <translation>Odliczaj do daty i godziny, w formacie regionu lub po angielsku, opcjonalnie ze strefą czasową: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</translation>
    </message>
    <message>
        <source>target</source>
        <translation>termin</translation>
    </message>
    <message>
        <source>Start a stop watch.</source>
        <translation>Uruchom stoper.</translation>
    </message>
    <message>
        <source>The event&apos;s title.</source>
        <translation>Tytuł wydarzenia.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>The event&apos;s web address.</source>
        <translation>Adres WWW wydarzenia.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adres</translation>
    </message>
    <message>
        <source>Warn with beeps this many minutes before the end (a whole number); 0 turns warnings off.</source>
        <translation>Ostrzegaj sygnałami tyle minut przed końcem (liczba całkowita); 0 wyłącza ostrzeżenia.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuty</translation>
    </message>
    <message>
        <source>Open the timer on the due day.</source>
        <translation>Otwórz minutnik w dniu terminu.</translation>
    </message>
    <message>
        <source>Do not open the timer on the due day.</source>
        <translation>Nie otwieraj minutnika w dniu terminu.</translation>
    </message>
    <message>
        <source>Pause the display.</source>
        <translation>Wstrzymaj wyświetlanie.</translation>
    </message>
    <message>
        <source>Resume a paused display.</source>
        <translation>Wznów wstrzymane wyświetlanie.</translation>
    </message>
    <message>
        <source>Pause, or resume when paused.</source>
        <translation>Wstrzymaj lub wznów, gdy wstrzymany.</translation>
    </message>
    <message>
        <source>Print the time left as one line.</source>
        <translation>Wypisz pozostały czas w jednym wierszu.</translation>
    </message>
    <message>
        <source>With --status: print one JSON object.</source>
        <translation>Z --status: wypisz jeden obiekt JSON.</translation>
    </message>
    <message>
        <source>Open the Enter Time dialog.</source>
        <translation>Otwórz okno „Podaj czas”.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Pokaż tę pomoc.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Pokaż wersję.</translation>
    </message>
    <message>
        <source>Usage: tempiro [options]</source>
        <translation>Użycie: tempiro [opcje]</translation>
    </message>
    <message>
        <source>tempiro: %1
%2
See tempiro --help for the options.
</source>
        <translation>tempiro: %1
%2
Opcje opisuje tempiro --help.
</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>nieoczekiwany argument: %1</translation>
    </message>
    <message>
        <source>give one of --in, --at and --stopwatch</source>
        <translation>podaj tylko jedną z opcji --in, --at i --stopwatch</translation>
    </message>
    <message>
        <source>give one of --pause, --resume and --toggle-pause</source>
        <translation>podaj tylko jedną z opcji --pause, --resume i --toggle-pause</translation>
    </message>
    <message>
        <source>give --auto-open or --no-auto-open, not both</source>
        <translation>podaj --auto-open albo --no-auto-open, nie obie</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json działa tylko z --status</translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a length can be at most %n days.</source>
        <translation>
            <numerusform>tempiro: czas może wynosić najwyżej %n dzień.</numerusform>
            <numerusform>tempiro: czas może wynosić najwyżej %n dni.</numerusform>
            <numerusform>tempiro: czas może wynosić najwyżej %n dni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a title can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro: tytuł może mieć najwyżej %n znak.</numerusform>
            <numerusform>tempiro: tytuł może mieć najwyżej %n znaki.</numerusform>
            <numerusform>tempiro: tytuł może mieć najwyżej %n znaków.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a web address can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro: adres WWW może mieć najwyżej %n znak.</numerusform>
            <numerusform>tempiro: adres WWW może mieć najwyżej %n znaki.</numerusform>
            <numerusform>tempiro: adres WWW może mieć najwyżej %n znaków.</numerusform>
        </translation>
    </message>
    <message>
        <source>tempiro: the command is too long to send (over %1 KiB).</source>
        <translation>tempiro: polecenie jest za długie, by je wysłać (ponad %1 KiB).</translation>
    </message>
    <message>
        <source>tempiro: %1 is longer than an Interval can be (23:59:59); the alarm is set to end at %2.
</source>
        <translation>tempiro: %1 to więcej, niż może trwać odstęp (23:59:59); alarm zakończy się o %2.
</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1
</source>
        <translation>Tempiro Timer nie mógł zapisać ustawień: %1
</translation>
    </message>
</context>
<context>
    <name>DisplayText</name>
    <message>
        <source>Stop Watch</source>
        <translation>Stoper</translation>
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
        <translation>godziny</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>the minutes&apos; heading over their digits</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>a unit in the heading, said</comment>
        <translation>minuty</translation>
    </message>
    <message>
        <source>ss</source>
        <comment>the seconds&apos; heading over their digits</comment>
        <translation>ss</translation>
    </message>
    <message>
        <source>seconds</source>
        <comment>a unit in the heading, said</comment>
        <translation>sekundy</translation>
    </message>
    <message>
        <source>dy</source>
        <comment>the days&apos; heading over their digits</comment>
        <translation>dd</translation>
    </message>
    <message>
        <source>days</source>
        <comment>a unit in the heading, said</comment>
        <translation>dni</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the heading over the total of days</comment>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Czas alarmu</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Czas startu</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Czas lokalny</translation>
    </message>
    <message>
        <source>Time Remain</source>
        <translation>Pozostało</translation>
    </message>
    <message>
        <source>Time Expired</source>
        <translation>Czas minął</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Upłynęło</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Bieżący czas</translation>
    </message>
    <message>
        <source>Timing of %1</source>
        <translation>Pomiar czasu: %1</translation>
    </message>
    <message>
        <source>Tempiro to %1</source>
        <translation>Tempiro do: %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the heading&apos;s units</comment>
        <translation>%1 i %2</translation>
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
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>mniej niż minuta</translation>
    </message>
    <message>
        <source>expired %1 ago</source>
        <translation>po czasie: %1</translation>
    </message>
    <message>
        <source>%1 left, ends %2</source>
        <translation>jeszcze %1, koniec %2</translation>
    </message>
    <message>
        <source>paused, %1</source>
        <translation>wstrzymany, %1</translation>
    </message>
    <message>
        <source>%1 (not running)</source>
        <translation>%1 (nie działa)</translation>
    </message>
    <message>
        <source>%1 elapsed</source>
        <translation>upłynęło: %1</translation>
    </message>
    <message>
        <source>ends %1</source>
        <translation>koniec %1</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>wstrzymany</translation>
    </message>
</context>
<context>
    <name>EntryText</name>
    <message>
        <source>Date/time is not in the correct format.</source>
        <translation>Data lub godzina ma niepoprawny format.</translation>
    </message>
    <message>
        <source>Date must be within 30 years.</source>
        <translation>Data musi mieścić się w 30 latach.</translation>
    </message>
    <message>
        <source>Date/time must be in the future.</source>
        <translation>Data lub godzina musi być w przyszłości.</translation>
    </message>
    <message>
        <source>Interval must be a length, like 1:30:00.</source>
        <translation>Odstęp musi być czasem trwania, np. 1:30:00.</translation>
    </message>
    <message>
        <source>Warning minutes must be a number from -32768 to 32767.</source>
        <translation>Minuty ostrzeżenia muszą być liczbą od -32768 do 32767.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>==============Main Screen=====================</source>
        <translation>==============Okno główne=====================</translation>
    </message>
    <message>
        <source>  Main Menu:</source>
        <translation>  Menu główne:</translation>
    </message>
    <message>
        <source>   Set Menu -&gt; Set Alarm-&gt; set the alarm or stopwatch. Set Clock-&gt; open Tavolek</source>
        <translation>   Menu Ustaw -&gt; Alarm-&gt; ustawia alarm lub stoper. Zegar-&gt; otwiera Tavolek</translation>
    </message>
    <message>
        <source>   Display Menu -&gt; set the clock display</source>
        <translation>   Menu Wyświetlanie -&gt; ustawia wyświetlanie zegara</translation>
    </message>
    <message>
        <source>     Seconds...Days -&gt; shows the time remaining in units selected</source>
        <translation>     Sekundy...Dni  -&gt; pokazuje pozostały czas w wybranych jednostkach</translation>
    </message>
    <message>
        <source>     Total Days     -&gt; shows the total number of days left.</source>
        <translation>     Łącznie dni    -&gt; pokazuje łączną liczbę pozostałych dni.</translation>
    </message>
    <message>
        <source>     Labels         -&gt; turns on/off labels displayed</source>
        <translation>     Etykiety       -&gt; pokazuje/ukrywa etykiety</translation>
    </message>
    <message>
        <source>     Menus          -&gt; turns on/off menus (click on form edge to toggle)</source>
        <translation>     Menu           -&gt; pokazuje/ukrywa menu (kliknięcie krawędzi okna przełącza)</translation>
    </message>
    <message>
        <source>     Show Local Time-&gt; turns on/off local time display</source>
        <translation>     Pokaż czas lokalny-&gt; pokazuje/ukrywa czas lokalny</translation>
    </message>
    <message>
        <source>     Keep On Top    -&gt; when enabled, forces tempiro screen to stay visible</source>
        <translation>     Zawsze na wierzchu -&gt; gdy włączone, utrzymuje okno Tempiro na widoku</translation>
    </message>
    <message>
        <source>   Tools Menu -&gt; Lets you create an appointment in MS Outlook to coincide with event.</source>
        <translation>   Menu Narzędzia -&gt; tworzy w MS Outlook spotkanie w czasie wydarzenia.</translation>
    </message>
    <message>
        <source>  Shortcuts: </source>
        <translation>  Skróty: </translation>
    </message>
    <message>
        <source>    Clicking Clock Window opens time set form.</source>
        <translation>    Kliknięcie wiersza zegara otwiera okno ustawiania czasu.</translation>
    </message>
    <message>
        <source>    Clicking Time  Window pauses the time display.</source>
        <translation>    Kliknięcie wiersza czasu wstrzymuje wyświetlanie.</translation>
    </message>
    <message>
        <source>=============Enter Time Screen================</source>
        <translation>=============Okno Podaj czas================</translation>
    </message>
    <message>
        <source>  Enter the time and description of the event being timed</source>
        <translation>  Podaj czas i opis mierzonego wydarzenia</translation>
    </message>
    <message>
        <source>   Input is expected in local the &lt;date&gt; &lt;time&gt; formats, </source>
        <translation>   Oczekiwane są lokalne formaty &lt;data&gt; &lt;godzina&gt;, </translation>
    </message>
    <message>
        <source>   Date formats: Enter valid date formats in region located. For users in the U.S. include month/day/year (i.e. 7/14/04) or in full month word format (i.e. July 14, 2004)</source>
        <translation>   Formaty daty: podaj datę w formacie poprawnym dla regionu. W USA np. miesiąc/dzień/rok (np. 7/14/04) lub z nazwą miesiąca (np. July 14, 2004)</translation>
    </message>
    <message>
        <source>   Time formats Enter valid time format in region located. U.S. users can use either a 12 hour AM/PM format (i.e. 1:15 PM) or a 24 hour clock format (i.e. 13:15).</source>
        <translation>   Formaty godziny: podaj godzinę w formacie poprawnym dla regionu. W USA można użyć formatu 12-godzinnego z AM/PM (np. 1:15 PM) lub 24-godzinnego (np. 13:15).</translation>
    </message>
    <message>
        <source>   Invalid date or time strings, including dates in the past, will not be accepted by the form.</source>
        <translation>   Niepoprawne daty i godziny, także daty z przeszłości, nie są przyjmowane.</translation>
    </message>
    <message>
        <source>  Mode: </source>
        <translation>  Tryb: </translation>
    </message>
    <message>
        <source>     Timed - enter the end time of the event</source>
        <translation>     Godzina - podaj czas zakończenia wydarzenia</translation>
    </message>
    <message>
        <source>     Interval - enter the length of time the event will last</source>
        <translation>     Odstęp - podaj, jak długo potrwa wydarzenie</translation>
    </message>
    <message>
        <source>     Stop Watch - time an event</source>
        <translation>     Stoper - zmierz czas wydarzenia</translation>
    </message>
    <message>
        <source>  Auto Open: Check to start timer automatically from Tavolek on day the event expires</source>
        <translation>  Otwórz automatycznie: zaznacz, aby Tavolek uruchomił minutnik w dniu, w którym mija termin</translation>
    </message>
    <message>
        <source>     Tavolek must be running to start the Tempiro Timer</source>
        <translation>     Aby uruchomić Tempiro Timer, Tavolek musi działać</translation>
    </message>
    <message>
        <source>  Warn Me:   Check to sound a series of warning beeps xx minutes before event expires</source>
        <translation>  Ostrzeż:   zaznacz, aby xx minut przed końcem wydarzenia rozległa się seria sygnałów</translation>
    </message>
    <message>
        <source>  (minutes): select how many minutes before event ends to begin warnings</source>
        <translation>  (minuty):  wybierz, ile minut przed końcem zaczynają się ostrzeżenia</translation>
    </message>
    <message>
        <source>  Event URL: Web address of event being timed. Provides a web link on main screen to jump to event being timed</source>
        <translation>  URL wydarzenia: adres WWW mierzonego wydarzenia. Daje w oknie głównym odnośnik do wydarzenia</translation>
    </message>
    <message>
        <source>    You can cut and paste an auction end time directly in the enter time window </source>
        <translation>    Czas zakończenia aukcji można skopiować i wkleić prosto do okna Podaj czas;</translation>
    </message>
    <message>
        <source>   the Tempiro utility will convert the end time to local time. </source>
        <translation>   Tempiro przeliczy czas zakończenia na czas lokalny. </translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>No desktop entry %1</source>
        <translation>Brak pliku programu %1</translation>
    </message>
    <message>
        <source>Error in loading IEXPLORE.</source>
        <translation>Błąd wczytywania IEXPLORE.</translation>
    </message>
    <message>
        <source>RadozArod cannot function correctly without Browser</source>
        <translation>RadozArod nie działa poprawnie bez przeglądarki</translation>
    </message>
    <message>
        <source>Problem running Browser</source>
        <translation>Problem z uruchomieniem przeglądarki</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alarm expired</source>
        <translation>Alarm minął</translation>
    </message>
    <message>
        <source>Start browser and go to %1</source>
        <translation>Uruchom przeglądarkę i przejdź do %1</translation>
    </message>
    <message>
        <source>Cannot find Web Browser.</source>
        <translation>Nie znaleziono przeglądarki WWW.</translation>
    </message>
    <message>
        <source>Can&apos;t start Web browser. Error: %1  Description: %2</source>
        <translation>Nie można uruchomić przeglądarki WWW. Błąd: %1  Opis: %2</translation>
    </message>
    <message>
        <source>Cannot start Web Browser.</source>
        <translation>Nie można uruchomić przeglądarki WWW.</translation>
    </message>
    <message>
        <source>Cannot start shell.</source>
        <translation>Nie można uruchomić powłoki.</translation>
    </message>
</context>
<context>
    <name>StorageText</name>
    <message>
        <source>not enough memory for the companion clock&apos;s file</source>
        <translation>za mało pamięci na plik zegara towarzyszącego</translation>
    </message>
    <message>
        <source>another program is writing %1</source>
        <translation>inny program zapisuje %1</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>brak uprawnień do zapisu w %1</translation>
    </message>
    <message>
        <source>cannot write in %1</source>
        <translation>nie można zapisać w %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
</context>
<context>
    <name>tempiro::Timer</name>
    <message>
        <source>The system clock is not synchronised: the countdown may be off by the clock&apos;s error.</source>
        <translation>Zegar systemowy nie jest zsynchronizowany: odliczanie może się mylić o błąd zegara.</translation>
    </message>
    <message>
        <source>The countdown</source>
        <translation>Odliczanie</translation>
    </message>
    <message>
        <source>%1 ends at %2</source>
        <comment>why sleep is held off</comment>
        <translation>%1 kończy się o %2</translation>
    </message>
    <message>
        <source>Ended at %1, while the computer was asleep.</source>
        <translation>Zakończono o %1, gdy komputer był uśpiony.</translation>
    </message>
    <message>
        <source>Show Timer</source>
        <translation>Pokaż minutnik</translation>
    </message>
    <message>
        <source>Open Event Page</source>
        <translation>Otwórz stronę wydarzenia</translation>
    </message>
    <message>
        <source>Snooze 5 Minutes</source>
        <translation>Drzemka 5 minut</translation>
    </message>
    <message>
        <source>Tempiro Timer could not read its settings and kept the file as %1; it started with its first settings.</source>
        <translation>Tempiro Timer nie mógł odczytać ustawień i zachował plik jako %1; uruchomił się z ustawieniami początkowymi.</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1</source>
        <translation>Tempiro Timer nie mógł zapisać ustawień: %1</translation>
    </message>
</context>
<context>
    <name>tempiro::frmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Kliknij, aby zamknąć okno.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Ostrzeżenie: ...</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informacje o &amp;systemie…</translation>
    </message>
    <message>
        <source>Show Microsoft System information.</source>
        <translation>Pokaż informacje o systemie firmy Microsoft.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
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
        <translation>Wolno używać i udostępniać.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są teraz niedostępne</translation>
    </message>
    <message>
        <source>It can be installed as a Windows 95 Accessory</source>
        <translation>Można je zainstalować jako akcesorium systemu Windows 95</translation>
    </message>
</context>
<context>
    <name>tempiro::frmEnterTime</name>
    <message>
        <source>Enter a date/time (mm/dd/yy hh:mm:ss)  for the alarm.</source>
        <translation>Podaj datę i godzinę alarmu (dd.mm.rr hh:mm:ss).</translation>
    </message>
    <message>
        <source>Enter the time interval (hh:mm:ss) to set the alarm.</source>
        <translation>Podaj odstęp (hh:mm:ss) do alarmu.</translation>
    </message>
    <message>
        <source>Operate in the stop watch mode.</source>
        <translation>Działaj jako stoper.</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>Podaj czas</translation>
    </message>
    <message>
        <source>Time for next setting:</source>
        <translation>Czas alarmu:</translation>
    </message>
    <message>
        <source>Edit or enter the time for the setting to occur</source>
        <translation>Podaj lub zmień czas alarmu</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Godzina</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Odstęp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To set time and exit form.</source>
        <translation>Ustawia czas i zamyka okno.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>To exit form without setting time.</source>
        <translation>Zamyka okno bez ustawiania czasu.</translation>
    </message>
    <message>
        <source>&amp;Stop Watch</source>
        <translation>&amp;Stoper</translation>
    </message>
    <message>
        <source>Event description</source>
        <translation>Opis wydarzenia</translation>
    </message>
    <message>
        <source>Event title:</source>
        <translation>Tytuł wydarzenia:</translation>
    </message>
    <message>
        <source>warn me                minutes before ending</source>
        <comment>the run of blanks is where the minutes box stands: keep one of two blanks or more</comment>
        <translation>ostrzeż                minut przed końcem</translation>
    </message>
    <message>
        <source>Sound a warning beep 5 minutes before event expires</source>
        <translation>Sygnał ostrzegawczy 5 minut przed końcem wydarzenia</translation>
    </message>
    <message>
        <source>Web address of event being timed</source>
        <translation>Adres WWW mierzonego wydarzenia</translation>
    </message>
    <message>
        <source>Event URL:</source>
        <translation>URL wydarzenia:</translation>
    </message>
    <message>
        <source>auto open on due date</source>
        <translation>otwórz w dniu terminu</translation>
    </message>
    <message>
        <source>Check to start timer automatically on event due date</source>
        <translation>Zaznacz, aby uruchomić minutnik w dniu terminu</translation>
    </message>
    <message>
        <source>Warning minutes</source>
        <translation>Minuty ostrzeżenia</translation>
    </message>
    <message numerus="yes">
        <source>Warn me %n minutes before ending</source>
        <translation>
            <numerusform>Ostrzeż %n minutę przed końcem</numerusform>
            <numerusform>Ostrzeż %n minuty przed końcem</numerusform>
            <numerusform>Ostrzeż %n minut przed końcem</numerusform>
        </translation>
    </message>
    <message>
        <source>Warn me %1 minutes before ending</source>
        <comment>not a whole number</comment>
        <translation>Ostrzeż %1 minut przed końcem</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Uruchom</translation>
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
=============Klawisze i więcej====================
  F10 lub sam Alt -&gt; otwiera menu (najpierw pokazując ukryty pasek menu).
  Pause lub Ctrl+P -&gt; wstrzymuje lub wznawia minutnik.
  Spacja lub Enter na wierszu czasu -&gt; wstrzymuje lub wznawia, jak kliknięcie.
  Menu Wyświetlanie -&gt; Ikona w obszarze powiadamiania: pozostały czas na panelu, z menu,
    aby pokazać minutnik, wstrzymać go, ustawić alarm lub zakończyć.
  Menu Narzędzia -&gt; Nie usypiaj komputera przed końcem: bez uśpienia i wygaszania
    ekranu od pierwszego ostrzeżenia do minuty po końcu.
  Wiersz poleceń: tempiro --in 10m --title Herbata ustawia minutnik, nowy lub działający;
    tempiro --help wymienia wszystkie polecenia.</translation>
    </message>
    <message>
        <source>Tempiro Timer Help</source>
        <translation>Pomoc programu Tempiro Timer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Kliknij, aby zamknąć okno.</translation>
    </message>
</context>
<context>
    <name>tempiro::frmTempiro</name>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Sekundy</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>&amp;Minuty</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Godziny</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Dni</translation>
    </message>
    <message>
        <source>&amp;Total Days</source>
        <translation>&amp;Łącznie dni</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Etykiety</translation>
    </message>
    <message>
        <source>&amp;Menus</source>
        <translation>M&amp;enu</translation>
    </message>
    <message>
        <source>Show Local &amp;Time</source>
        <translation>Pokaż czas &amp;lokalny</translation>
    </message>
    <message>
        <source>Keep on Top</source>
        <translation>Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>Notification Area Icon</source>
        <translation>Ikona w obszarze powiadamiania</translation>
    </message>
    <message>
        <source>Event web address</source>
        <translation>Adres WWW wydarzenia</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Idź</translation>
    </message>
    <message>
        <source>Opens the event&apos;s web page.</source>
        <translation>Otwiera stronę WWW wydarzenia.</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Ustaw</translation>
    </message>
    <message>
        <source>&amp;Alarm...</source>
        <translation>&amp;Alarm…</translation>
    </message>
    <message>
        <source>&amp;Clock...</source>
        <translation>&amp;Zegar…</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Wyświetlanie</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>Create &amp;Appointment in Outlook</source>
        <translation>Utwórz &amp;spotkanie w programie Outlook</translation>
    </message>
    <message>
        <source>Keep Computer Awake Near the End</source>
        <translation>Nie usypiaj komputera przed końcem</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Marrowby Software &amp;Web Site</source>
        <translation>Strona &amp;WWW Marrowby Software</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>This desktop (Wayland) does not let a program keep its window on top.</source>
        <translation>To środowisko (Wayland) nie pozwala programowi trzymać okna na wierzchu.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a notice said: its title, its text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Wznowiono</translation>
    </message>
    <message>
        <source>Please contact us at:</source>
        <translation>Skontaktuj się z nami:</translation>
    </message>
</context>
<context>
    <name>tempiro::mainwindow::TimeDisplay</name>
    <message>
        <source>The alarm time, the start of the stop watch or the local time. Click to set the alarm.</source>
        <translation>Czas alarmu, start stopera lub czas lokalny. Kliknij, aby ustawić alarm.</translation>
    </message>
    <message>
        <source>The time that remains or has elapsed. Click to pause or resume.</source>
        <translation>Czas pozostały lub upłynięty. Kliknij, aby wstrzymać lub wznowić.</translation>
    </message>
    <message>
        <source>System Time</source>
        <translation>Czas systemowy</translation>
    </message>
    <message>
        <source>, paused</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, wstrzymany</translation>
    </message>
    <message>
        <source>, warning</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, ostrzeżenie</translation>
    </message>
</context>
<context>
    <name>tempiro::tray::TrayItem</name>
    <message>
        <source>Show Tempiro Timer</source>
        <translation>Pokaż Tempiro Timer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation>Ustaw alarm…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
</context>
</TS>
