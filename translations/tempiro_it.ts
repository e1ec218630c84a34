<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>il timer in esecuzione ha accettato il comando ma non ha risposto entro %1 s; potrebbe essere stato eseguito.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s; nothing was changed.</source>
        <translation>il timer in esecuzione non ha risposto entro %1 s; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s.</source>
        <translation>il timer in esecuzione non ha risposto entro %1 s.</translation>
    </message>
    <message>
        <source>the timer&apos;s socket %1 belongs to another user; nothing was sent to it.</source>
        <translation>il socket %1 del timer appartiene a un altro utente; non gli è stato inviato nulla.</translation>
    </message>
    <message>
        <source>tempiro: could not listen on %1; this timer takes no commands from the command line.
</source>
        <translation>tempiro: impossibile restare in ascolto su %1; questo timer non accetta comandi dalla riga di comando.
</translation>
    </message>
    <message>
        <source>tempiro: Tempiro Timer is not running.
</source>
        <translation>tempiro: Tempiro Timer non è in esecuzione.
</translation>
    </message>
    <message>
        <source>tempiro: the running timer does not read this request (a different version?).
</source>
        <translation>tempiro: il timer in esecuzione non comprende questa richiesta (una versione diversa?).
</translation>
    </message>
    <message>
        <source>tempiro: done, but the answer was too long to send back (over %1 KiB).
</source>
        <translation>tempiro: fatto, ma la risposta era troppo lunga per essere rimandata (oltre %1 KiB).
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
Esempi:
  tempiro --in 25m --title Tè           un timer di 25 minuti chiamato Tè
  tempiro --at &quot;12/25/2027 10:00 PM PST&quot; --title Asta --url https://...
  tempiro --stopwatch                   avvia un cronometro
  tempiro --toggle-pause                pausa o ripresa (per una scorciatoia da tastiera)
  tempiro --status                      una riga per una barra di stato

Con i giorni visibili e 11 giorni o più da attendere, la riga inferiore della
finestra mostra, come previsto, la data e l&apos;ora attuali sotto «Ora attuale»
al posto del conteggio; --status e il suggerimento dell&apos;icona continuano a contare.
</translation>
    </message>
    <message>
        <source>Tempiro Timer: a countdown timer for one event at a time. Without options
it opens the timer; with them it sets, pauses or reads the running one.</source>
        <translation>Tempiro Timer: un timer per il conto alla rovescia di un evento alla volta. Senza
opzioni apre il timer; con le opzioni imposta, mette in pausa o legge quello in esecuzione.</translation>
    </message>
    <message>
        <source>Count down a length: 1:30:00, 25m, 90s, 1h30m, 2h. A day or more (48h) is set as the time it ends.</source>
        <translation>Conta alla rovescia una durata: 1:30:00, 25m, 90s, 1h30m, 2h. Un giorno o più (48h) è impostato come l&apos;ora in cui termina.</translation>
    </message>
    <message>
        <source>length</source>
        <translation>durata</translation>
    </message>
    <message>
        <source>Count down to a date and time, in your locale or in English, optionally with its zone: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</source>
        <translation>Conta alla rovescia fino a una data e ora, nel formato della propria zona o in inglese, eventualmente con il fuso: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</translation>
    </message>
    <message>
        <source>target</source>
        <translation>scadenza</translation>
    </message>
    <message>
        <source>Start a stop watch.</source>
        <translation>Avvia un cronometro.</translation>
    </message>
    <message>
        <source>The event&apos;s title.</source>
        <translation>Il titolo dell&apos;evento.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>The event&apos;s web address.</source>
        <translation>L&apos;indirizzo web dell&apos;evento.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>indirizzo</translation>
    </message>
    <message>
        <source>Warn with beeps this many minutes before the end (a whole number); 0 turns warnings off.</source>
        <translation>Avvisa con segnali acustici tanti minuti prima della fine (un numero intero); 0 disattiva gli avvisi.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Open the timer on the due day.</source>
        <translation>Apri il timer il giorno della scadenza.</translation>
    </message>
    <message>
        <source>Do not open the timer on the due day.</source>
        <translation>Non aprire il timer il giorno della scadenza.</translation>
    </message>
    <message>
        <source>Pause the display.</source>
        <translation>Metti in pausa la visualizzazione.</translation>
    </message>
    <message>
        <source>Resume a paused display.</source>
        <translation>Riprendi una visualizzazione in pausa.</translation>
    </message>
    <message>
        <source>Pause, or resume when paused.</source>
        <translation>Metti in pausa, o riprendi se in pausa.</translation>
    </message>
    <message>
        <source>Print the time left as one line.</source>
        <translation>Stampa il tempo rimasto su una riga.</translation>
    </message>
    <message>
        <source>With --status: print one JSON object.</source>
        <translation>Con --status: stampa un oggetto JSON.</translation>
    </message>
    <message>
        <source>Open the Enter Time dialog.</source>
        <translation>Apri la finestra «Inserisci ora».</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>Usage: tempiro [options]</source>
        <translation>Uso: tempiro [opzioni]</translation>
    </message>
    <message>
        <source>tempiro: %1
%2
See tempiro --help for the options.
</source>
        <translation>tempiro: %1
%2
Vedere tempiro --help per le opzioni.
</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argomento inatteso: %1</translation>
    </message>
    <message>
        <source>give one of --in, --at and --stopwatch</source>
        <translation>indicare solo una tra --in, --at e --stopwatch</translation>
    </message>
    <message>
        <source>give one of --pause, --resume and --toggle-pause</source>
        <translation>indicare solo una tra --pause, --resume e --toggle-pause</translation>
    </message>
    <message>
        <source>give --auto-open or --no-auto-open, not both</source>
        <translation>indicare --auto-open o --no-auto-open, non entrambe</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json va usata con --status</translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a length can be at most %n days.</source>
        <translation>
            <numerusform>tempiro: una durata può essere al massimo di %n giorno.</numerusform>
            <numerusform>tempiro: una durata può essere al massimo di %n giorni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a title can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro: un titolo può avere al massimo %n carattere.</numerusform>
            <numerusform>tempiro: un titolo può avere al massimo %n caratteri.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a web address can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro: un indirizzo web può avere al massimo %n carattere.</numerusform>
            <numerusform>tempiro: un indirizzo web può avere al massimo %n caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>tempiro: the command is too long to send (over %1 KiB).</source>
        <translation>tempiro: il comando è troppo lungo per essere inviato (oltre %1 KiB).</translation>
    </message>
    <message>
        <source>tempiro: %1 is longer than an Interval can be (23:59:59); the alarm is set to end at %2.
</source>
        <translation>tempiro: %1 supera quanto può durare un intervallo (23:59:59); l&apos;allarme terminerà alle %2.
</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1
</source>
        <translation>Tempiro Timer non ha potuto salvare le impostazioni: %1
</translation>
    </message>
</context>
<context>
    <name>DisplayText</name>
    <message>
        <source>Stop Watch</source>
        <translation>Cronometro</translation>
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
        <translation>ore</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>the minutes&apos; heading over their digits</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>a unit in the heading, said</comment>
        <translation>minuti</translation>
    </message>
    <message>
        <source>ss</source>
        <comment>the seconds&apos; heading over their digits</comment>
        <translation>ss</translation>
    </message>
    <message>
        <source>seconds</source>
        <comment>a unit in the heading, said</comment>
        <translation>secondi</translation>
    </message>
    <message>
        <source>dy</source>
        <comment>the days&apos; heading over their digits</comment>
        <translation>gg</translation>
    </message>
    <message>
        <source>days</source>
        <comment>a unit in the heading, said</comment>
        <translation>giorni</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the heading over the total of days</comment>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Ora allarme</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>Time Remain</source>
        <translation>Tempo rimasto</translation>
    </message>
    <message>
        <source>Time Expired</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Ora attuale</translation>
    </message>
    <message>
        <source>Timing of %1</source>
        <translation>Cronometraggio: %1</translation>
    </message>
    <message>
        <source>Tempiro to %1</source>
        <translation>Tempiro fino a %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the heading&apos;s units</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the heading&apos;s units</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>plus %1</source>
        <comment>the time since the end, said</comment>
        <translation>più %1</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>meno di un minuto</translation>
    </message>
    <message>
        <source>expired %1 ago</source>
        <translation>scaduto da %1</translation>
    </message>
    <message>
        <source>%1 left, ends %2</source>
        <translation>mancano %1, fine %2</translation>
    </message>
    <message>
        <source>paused, %1</source>
        <translation>in pausa, %1</translation>
    </message>
    <message>
        <source>%1 (not running)</source>
        <translation>%1 (non in esecuzione)</translation>
    </message>
    <message>
        <source>%1 elapsed</source>
        <translation>%1 trascorsi</translation>
    </message>
    <message>
        <source>ends %1</source>
        <translation>fine %1</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>in pausa</translation>
    </message>
</context>
<context>
    <name>EntryText</name>
    <message>
        <source>Date/time is not in the correct format.</source>
        <translation>La data o l&apos;ora non è nel formato corretto.</translation>
    </message>
    <message>
        <source>Date must be within 30 years.</source>
        <translation>La data deve essere entro 30 anni.</translation>
    </message>
    <message>
        <source>Date/time must be in the future.</source>
        <translation>La data o l&apos;ora deve essere nel futuro.</translation>
    </message>
    <message>
        <source>Interval must be a length, like 1:30:00.</source>
        <translation>L&apos;intervallo deve essere una durata, come 1:30:00.</translation>
    </message>
    <message>
        <source>Warning minutes must be a number from -32768 to 32767.</source>
        <translation>I minuti di avviso devono essere un numero da -32768 a 32767.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>==============Main Screen=====================</source>
        <translation>==============Finestra principale=====================</translation>
    </message>
    <message>
        <source>  Main Menu:</source>
        <translation>  Menu principale:</translation>
    </message>
    <message>
        <source>   Set Menu -&gt; Set Alarm-&gt; set the alarm or stopwatch. Set Clock-&gt; open Tavolek</source>
        <translation>   Menu Imposta -&gt; Allarme-&gt; imposta l&apos;allarme o il cronometro. Orologio-&gt; apre Tavolek</translation>
    </message>
    <message>
        <source>   Display Menu -&gt; set the clock display</source>
        <translation>   Menu Visualizza -&gt; imposta la visualizzazione dell&apos;orologio</translation>
    </message>
    <message>
        <source>     Seconds...Days -&gt; shows the time remaining in units selected</source>
        <translation>     Secondi...Giorni -&gt; mostra il tempo rimasto nelle unità scelte</translation>
    </message>
    <message>
        <source>     Total Days     -&gt; shows the total number of days left.</source>
        <translation>     Giorni totali  -&gt; mostra il numero totale di giorni rimasti.</translation>
    </message>
    <message>
        <source>     Labels         -&gt; turns on/off labels displayed</source>
        <translation>     Etichette      -&gt; mostra/nasconde le etichette</translation>
    </message>
    <message>
        <source>     Menus          -&gt; turns on/off menus (click on form edge to toggle)</source>
        <translation>     Menu           -&gt; mostra/nasconde i menu (un clic sul bordo della finestra li alterna)</translation>
    </message>
    <message>
        <source>     Show Local Time-&gt; turns on/off local time display</source>
        <translation>     Mostra ora locale-&gt; mostra/nasconde l&apos;ora locale</translation>
    </message>
    <message>
        <source>     Keep On Top    -&gt; when enabled, forces tempiro screen to stay visible</source>
        <translation>     Sempre in primo piano -&gt; se attivo, mantiene visibile la finestra di Tempiro</translation>
    </message>
    <message>
        <source>   Tools Menu -&gt; Lets you create an appointment in MS Outlook to coincide with event.</source>
        <translation>   Menu Strumenti -&gt; crea un appuntamento in MS Outlook all&apos;ora dell&apos;evento.</translation>
    </message>
    <message>
        <source>  Shortcuts: </source>
        <translation>  Scorciatoie: </translation>
    </message>
    <message>
        <source>    Clicking Clock Window opens time set form.</source>
        <translation>    Un clic sulla riga dell&apos;orologio apre la finestra per impostare l&apos;ora.</translation>
    </message>
    <message>
        <source>    Clicking Time  Window pauses the time display.</source>
        <translation>    Un clic sulla riga del tempo mette in pausa la visualizzazione.</translation>
    </message>
    <message>
        <source>=============Enter Time Screen================</source>
        <translation>=============Finestra Inserisci ora================</translation>
    </message>
    <message>
        <source>  Enter the time and description of the event being timed</source>
        <translation>  Inserire l&apos;ora e la descrizione dell&apos;evento cronometrato</translation>
    </message>
    <message>
        <source>   Input is expected in local the &lt;date&gt; &lt;time&gt; formats, </source>
        <translation>   L&apos;inserimento è atteso nei formati locali &lt;data&gt; &lt;ora&gt;, </translation>
    </message>
    <message>
        <source>   Date formats: Enter valid date formats in region located. For users in the U.S. include month/day/year (i.e. 7/14/04) or in full month word format (i.e. July 14, 2004)</source>
        <translation>   Formati di data: inserire un formato di data valido nella propria zona. Negli USA, per esempio, mese/giorno/anno (es. 7/14/04) o con il mese in lettere (es. July 14, 2004)</translation>
    </message>
    <message>
        <source>   Time formats Enter valid time format in region located. U.S. users can use either a 12 hour AM/PM format (i.e. 1:15 PM) or a 24 hour clock format (i.e. 13:15).</source>
        <translation>   Formati dell&apos;ora: inserire un formato dell&apos;ora valido nella propria zona. Negli USA si può usare il formato a 12 ore con AM/PM (es. 1:15 PM) o quello a 24 ore (es. 13:15).</translation>
    </message>
    <message>
        <source>   Invalid date or time strings, including dates in the past, will not be accepted by the form.</source>
        <translation>   Date o ore non valide, comprese le date passate, non vengono accettate.</translation>
    </message>
    <message>
        <source>  Mode: </source>
        <translation>  Modalità: </translation>
    </message>
    <message>
        <source>     Timed - enter the end time of the event</source>
        <translation>     Ora - inserire l&apos;ora di fine dell&apos;evento</translation>
    </message>
    <message>
        <source>     Interval - enter the length of time the event will last</source>
        <translation>     Intervallo - inserire quanto durerà l&apos;evento</translation>
    </message>
    <message>
        <source>     Stop Watch - time an event</source>
        <translation>     Cronometro - cronometrare un evento</translation>
    </message>
    <message>
        <source>  Auto Open: Check to start timer automatically from Tavolek on day the event expires</source>
        <translation>  Apertura automatica: spuntare perché Tavolek avvii il timer il giorno in cui l&apos;evento scade</translation>
    </message>
    <message>
        <source>     Tavolek must be running to start the Tempiro Timer</source>
        <translation>     Tavolek deve essere in esecuzione per avviare Tempiro Timer</translation>
    </message>
    <message>
        <source>  Warn Me:   Check to sound a series of warning beeps xx minutes before event expires</source>
        <translation>  Avvisa:    spuntare per emettere una serie di segnali di avviso xx minuti prima della fine dell&apos;evento</translation>
    </message>
    <message>
        <source>  (minutes): select how many minutes before event ends to begin warnings</source>
        <translation>  (minuti):  scegliere quanti minuti prima della fine iniziano gli avvisi</translation>
    </message>
    <message>
        <source>  Event URL: Web address of event being timed. Provides a web link on main screen to jump to event being timed</source>
        <translation>  URL dell&apos;evento: indirizzo web dell&apos;evento cronometrato. Mette nella finestra principale un collegamento all&apos;evento</translation>
    </message>
    <message>
        <source>    You can cut and paste an auction end time directly in the enter time window </source>
        <translation>    Si può copiare e incollare l&apos;ora di fine di un&apos;asta direttamente nella finestra Inserisci ora;</translation>
    </message>
    <message>
        <source>   the Tempiro utility will convert the end time to local time. </source>
        <translation>   Tempiro convertirà l&apos;ora di fine nell&apos;ora locale. </translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>No desktop entry %1</source>
        <translation>Nessuna voce desktop %1</translation>
    </message>
    <message>
        <source>Error in loading IEXPLORE.</source>
        <translation>Errore nel caricamento di IEXPLORE.</translation>
    </message>
    <message>
        <source>RadozArod cannot function correctly without Browser</source>
        <translation>RadozArod non può funzionare correttamente senza browser</translation>
    </message>
    <message>
        <source>Problem running Browser</source>
        <translation>Problema nell&apos;esecuzione del browser</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Alarm expired</source>
        <translation>Allarme scaduto</translation>
    </message>
    <message>
        <source>Start browser and go to %1</source>
        <translation>Avviare il browser e andare a %1</translation>
    </message>
    <message>
        <source>Cannot find Web Browser.</source>
        <translation>Nessun browser web trovato.</translation>
    </message>
    <message>
        <source>Can&apos;t start Web browser. Error: %1  Description: %2</source>
        <translation>Impossibile avviare il browser web. Errore: %1  Descrizione: %2</translation>
    </message>
    <message>
        <source>Cannot start Web Browser.</source>
        <translation>Impossibile avviare il browser web.</translation>
    </message>
    <message>
        <source>Cannot start shell.</source>
        <translation>Impossibile avviare la shell.</translation>
    </message>
</context>
<context>
    <name>StorageText</name>
    <message>
        <source>not enough memory for the companion clock&apos;s file</source>
        <translation>memoria insufficiente per il file dell&apos;orologio compagno</translation>
    </message>
    <message>
        <source>another program is writing %1</source>
        <translation>un altro programma sta scrivendo %1</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>nessun permesso di scrittura in %1</translation>
    </message>
    <message>
        <source>cannot write in %1</source>
        <translation>impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossibile leggere %1</translation>
    </message>
</context>
<context>
    <name>tempiro::Timer</name>
    <message>
        <source>The system clock is not synchronised: the countdown may be off by the clock&apos;s error.</source>
        <translation>L&apos;orologio di sistema non è sincronizzato: il conto alla rovescia può discostarsi quanto l&apos;errore dell&apos;orologio.</translation>
    </message>
    <message>
        <source>The countdown</source>
        <translation>Il conto alla rovescia</translation>
    </message>
    <message>
        <source>%1 ends at %2</source>
        <comment>why sleep is held off</comment>
        <translation>%1 termina alle %2</translation>
    </message>
    <message>
        <source>Ended at %1, while the computer was asleep.</source>
        <translation>Terminato alle %1, mentre il computer era in sospensione.</translation>
    </message>
    <message>
        <source>Show Timer</source>
        <translation>Mostra timer</translation>
    </message>
    <message>
        <source>Open Event Page</source>
        <translation>Apri pagina dell&apos;evento</translation>
    </message>
    <message>
        <source>Snooze 5 Minutes</source>
        <translation>Posticipa di 5 minuti</translation>
    </message>
    <message>
        <source>Tempiro Timer could not read its settings and kept the file as %1; it started with its first settings.</source>
        <translation>Tempiro Timer non ha potuto leggere le impostazioni e ha conservato il file come %1; è stato avviato con le impostazioni iniziali.</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1</source>
        <translation>Tempiro Timer non ha potuto salvare le impostazioni: %1</translation>
    </message>
</context>
<context>
    <name>tempiro::frmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Premere per chiudere la finestra.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Avviso: ...</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informazioni di &amp;sistema…</translation>
    </message>
    <message>
        <source>Show Microsoft System information.</source>
        <translation>Mostra le informazioni di sistema Microsoft.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
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
        <translation>Libero da usare e condividere.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili al momento</translation>
    </message>
    <message>
        <source>It can be installed as a Windows 95 Accessory</source>
        <translation>Possono essere installate come accessorio di Windows 95</translation>
    </message>
</context>
<context>
    <name>tempiro::frmEnterTime</name>
    <message>
        <source>Enter a date/time (mm/dd/yy hh:mm:ss)  for the alarm.</source>
        <translation>Inserire data e ora dell&apos;allarme (gg/mm/aa hh:mm:ss).</translation>
    </message>
    <message>
        <source>Enter the time interval (hh:mm:ss) to set the alarm.</source>
        <translation>Inserire l&apos;intervallo (hh:mm:ss) dell&apos;allarme.</translation>
    </message>
    <message>
        <source>Operate in the stop watch mode.</source>
        <translation>Funzionare come cronometro.</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>Inserisci ora</translation>
    </message>
    <message>
        <source>Time for next setting:</source>
        <translation>Ora dell&apos;allarme:</translation>
    </message>
    <message>
        <source>Edit or enter the time for the setting to occur</source>
        <translation>Inserire o modificare l&apos;ora dell&apos;allarme</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Ora</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Intervallo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To set time and exit form.</source>
        <translation>Applica l&apos;ora e chiude la finestra.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>To exit form without setting time.</source>
        <translation>Chiude la finestra senza applicare l&apos;ora.</translation>
    </message>
    <message>
        <source>&amp;Stop Watch</source>
        <translation>&amp;Cronometro</translation>
    </message>
    <message>
        <source>Event description</source>
        <translation>Descrizione dell&apos;evento</translation>
    </message>
    <message>
        <source>Event title:</source>
        <translation>Titolo dell&apos;evento:</translation>
    </message>
    <message>
        <source>warn me                minutes before ending</source>
        <comment>the run of blanks is where the minutes box stands: keep one of two blanks or more</comment>
        <translation>avvisa                minuti prima della fine</translation>
    </message>
    <message>
        <source>Sound a warning beep 5 minutes before event expires</source>
        <translation>Un segnale di avviso 5 minuti prima della fine</translation>
    </message>
    <message>
        <source>Web address of event being timed</source>
        <translation>Indirizzo web dell&apos;evento cronometrato</translation>
    </message>
    <message>
        <source>Event URL:</source>
        <translation>URL dell&apos;evento:</translation>
    </message>
    <message>
        <source>auto open on due date</source>
        <translation>apri il giorno della scadenza</translation>
    </message>
    <message>
        <source>Check to start timer automatically on event due date</source>
        <translation>Spuntare per avviare il timer il giorno della scadenza</translation>
    </message>
    <message>
        <source>Warning minutes</source>
        <translation>Minuti di avviso</translation>
    </message>
    <message numerus="yes">
        <source>Warn me %n minutes before ending</source>
        <translation>
            <numerusform>Avvisa %n minuto prima della fine</numerusform>
            <numerusform>Avvisa %n minuti prima della fine</numerusform>
        </translation>
    </message>
    <message>
        <source>Warn me %1 minutes before ending</source>
        <comment>not a whole number</comment>
        <translation>Avvisa %1 minuti prima della fine</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
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
=============Tasti e altro====================
  F10, o Alt da solo -&gt; apre i menu (mostrando prima una barra dei menu nascosta).
  Pausa o Ctrl+P -&gt; mette in pausa o riprende il timer.
  Spazio o Invio sulla riga del tempo -&gt; pausa o ripresa, come un clic.
  Menu Visualizza -&gt; Icona nell&apos;area di notifica: il tempo rimasto nel pannello, con un
    menu per mostrare il timer, metterlo in pausa, impostare l&apos;allarme o uscire.
  Menu Strumenti -&gt; Tieni sveglio il computer verso la fine: niente sospensione né
    spegnimento dello schermo dal primo avviso a un minuto dopo la fine.
  Riga di comando: tempiro --in 10m --title Tè imposta il timer, avviato o no;
    tempiro --help elenca tutti i comandi.</translation>
    </message>
    <message>
        <source>Tempiro Timer Help</source>
        <translation>Aiuto di Tempiro Timer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Premere per chiudere la finestra.</translation>
    </message>
</context>
<context>
    <name>tempiro::frmTempiro</name>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Secondi</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>&amp;Minuti</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Ore</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Giorni</translation>
    </message>
    <message>
        <source>&amp;Total Days</source>
        <translation>Giorni &amp;totali</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Etichette</translation>
    </message>
    <message>
        <source>&amp;Menus</source>
        <translation>Me&amp;nu</translation>
    </message>
    <message>
        <source>Show Local &amp;Time</source>
        <translation>Mostra ora &amp;locale</translation>
    </message>
    <message>
        <source>Keep on Top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Notification Area Icon</source>
        <translation>Icona nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Event web address</source>
        <translation>Indirizzo web dell&apos;evento</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Vai</translation>
    </message>
    <message>
        <source>Opens the event&apos;s web page.</source>
        <translation>Apre la pagina web dell&apos;evento.</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Imposta</translation>
    </message>
    <message>
        <source>&amp;Alarm...</source>
        <translation>&amp;Allarme…</translation>
    </message>
    <message>
        <source>&amp;Clock...</source>
        <translation>&amp;Orologio…</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>Create &amp;Appointment in Outlook</source>
        <translation>Crea un &amp;appuntamento in Outlook</translation>
    </message>
    <message>
        <source>Keep Computer Awake Near the End</source>
        <translation>Tieni sveglio il computer verso la fine</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Marrowby Software &amp;Web Site</source>
        <translation>Sito &amp;web di Marrowby Software</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>This desktop (Wayland) does not let a program keep its window on top.</source>
        <translation>Questo desktop (Wayland) non permette a un programma di tenere la sua finestra in primo piano.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a notice said: its title, its text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Ripreso</translation>
    </message>
    <message>
        <source>Please contact us at:</source>
        <translation>Contattateci a:</translation>
    </message>
</context>
<context>
    <name>tempiro::mainwindow::TimeDisplay</name>
    <message>
        <source>The alarm time, the start of the stop watch or the local time. Click to set the alarm.</source>
        <translation>L&apos;ora dell&apos;allarme, l&apos;inizio del cronometro o l&apos;ora locale. Fare clic per impostare l&apos;allarme.</translation>
    </message>
    <message>
        <source>The time that remains or has elapsed. Click to pause or resume.</source>
        <translation>Il tempo rimasto o trascorso. Fare clic per mettere in pausa o riprendere.</translation>
    </message>
    <message>
        <source>System Time</source>
        <translation>Ora di sistema</translation>
    </message>
    <message>
        <source>, paused</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, in pausa</translation>
    </message>
    <message>
        <source>, warning</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, avviso</translation>
    </message>
</context>
<context>
    <name>tempiro::tray::TrayItem</name>
    <message>
        <source>Show Tempiro Timer</source>
        <translation>Mostra Tempiro Timer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation>Imposta allarme…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
</context>
</TS>
