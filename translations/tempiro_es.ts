<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>el temporizador en marcha aceptó la orden pero no respondió en %1 s; puede que se haya ejecutado.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s; nothing was changed.</source>
        <translation>el temporizador en marcha no respondió en %1 s; no se cambió nada.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s.</source>
        <translation>el temporizador en marcha no respondió en %1 s.</translation>
    </message>
    <message>
        <source>the timer&apos;s socket %1 belongs to another user; nothing was sent to it.</source>
        <translation>el socket %1 del temporizador pertenece a otro usuario; no se le envió nada.</translation>
    </message>
    <message>
        <source>tempiro: could not listen on %1; this timer takes no commands from the command line.
</source>
        <translation>tempiro: no se puede escuchar en %1; este temporizador no acepta órdenes de la línea de órdenes.
</translation>
    </message>
    <message>
        <source>tempiro: Tempiro Timer is not running.
</source>
        <translation>tempiro: Tempiro Timer no está en marcha.
</translation>
    </message>
    <message>
        <source>tempiro: the running timer does not read this request (a different version?).
</source>
        <translation>tempiro: el temporizador en marcha no entiende esta petición (¿otra versión?).
</translation>
    </message>
    <message>
        <source>tempiro: done, but the answer was too long to send back (over %1 KiB).
</source>
        <translation>tempiro: hecho, pero la respuesta era demasiado larga para devolverla (más de %1 KiB).
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
Ejemplos:
  tempiro --in 25m --title Té           un temporizador de 25 minutos llamado Té
  tempiro --at &quot;12/25/2027 10:00 PM PST&quot; --title Subasta --url https://...
  tempiro --stopwatch                   iniciar un cronómetro
  tempiro --toggle-pause                pausar o reanudar (para un atajo de teclado)
  tempiro --status                      una línea para una barra de estado

Con los días visibles y 11 días o más por delante, la línea inferior de la
ventana muestra, según el diseño, la fecha y hora actuales bajo «Hora actual»
en lugar de la cuenta; --status y la descripción del icono siguen la cuenta.
</translation>
    </message>
    <message>
        <source>Tempiro Timer: a countdown timer for one event at a time. Without options
it opens the timer; with them it sets, pauses or reads the running one.</source>
        <translation>Tempiro Timer: un temporizador de cuenta atrás para un evento cada vez. Sin
opciones abre el temporizador; con ellas ajusta, pausa o lee el que está en marcha.</translation>
    </message>
    <message>
        <source>Count down a length: 1:30:00, 25m, 90s, 1h30m, 2h. A day or more (48h) is set as the time it ends.</source>
        <translation>Contar hacia atrás una duración: 1:30:00, 25m, 90s, 1h30m, 2h. Un día o más (48h) se ajusta como la hora en que termina.</translation>
    </message>
    <message>
        <source>length</source>
        <translation>duración</translation>
    </message>
    <message>
        <source>Count down to a date and time, in your locale or in English, optionally with its zone: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</source>
        <translation>Contar hacia atrás hasta una fecha y hora, en el formato de su región o en inglés, con su zona horaria si se quiere: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</translation>
    </message>
    <message>
        <source>target</source>
        <translation>momento</translation>
    </message>
    <message>
        <source>Start a stop watch.</source>
        <translation>Iniciar un cronómetro.</translation>
    </message>
    <message>
        <source>The event&apos;s title.</source>
        <translation>El título del evento.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>The event&apos;s web address.</source>
        <translation>La dirección web del evento.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>Warn with beeps this many minutes before the end (a whole number); 0 turns warnings off.</source>
        <translation>Avisar con pitidos tantos minutos antes del fin (un número entero); 0 desactiva los avisos.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Open the timer on the due day.</source>
        <translation>Abrir el temporizador el día del vencimiento.</translation>
    </message>
    <message>
        <source>Do not open the timer on the due day.</source>
        <translation>No abrir el temporizador el día del vencimiento.</translation>
    </message>
    <message>
        <source>Pause the display.</source>
        <translation>Pausar la visualización.</translation>
    </message>
    <message>
        <source>Resume a paused display.</source>
        <translation>Reanudar una visualización en pausa.</translation>
    </message>
    <message>
        <source>Pause, or resume when paused.</source>
        <translation>Pausar, o reanudar si está en pausa.</translation>
    </message>
    <message>
        <source>Print the time left as one line.</source>
        <translation>Mostrar el tiempo restante en una línea.</translation>
    </message>
    <message>
        <source>With --status: print one JSON object.</source>
        <translation>Con --status: mostrar un objeto JSON.</translation>
    </message>
    <message>
        <source>Open the Enter Time dialog.</source>
        <translation>Abrir el diálogo «Introducir hora».</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar la versión.</translation>
    </message>
    <message>
        <source>Usage: tempiro [options]</source>
        <translation>Uso: tempiro [opciones]</translation>
    </message>
    <message>
        <source>tempiro: %1
%2
See tempiro --help for the options.
</source>
        <translation>tempiro: %1
%2
Consulte tempiro --help para ver las opciones.
</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>give one of --in, --at and --stopwatch</source>
        <translation>indique solo una de --in, --at y --stopwatch</translation>
    </message>
    <message>
        <source>give one of --pause, --resume and --toggle-pause</source>
        <translation>indique solo una de --pause, --resume y --toggle-pause</translation>
    </message>
    <message>
        <source>give --auto-open or --no-auto-open, not both</source>
        <translation>indique --auto-open o --no-auto-open, no ambas</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json va con --status</translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a length can be at most %n days.</source>
        <translation>
            <numerusform>tempiro: una duración puede ser como mucho de %n día.</numerusform>
            <numerusform>tempiro: una duración puede ser como mucho de %n días.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a title can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro: un título puede tener como mucho %n carácter.</numerusform>
            <numerusform>tempiro: un título puede tener como mucho %n caracteres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a web address can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro: una dirección web puede tener como mucho %n carácter.</numerusform>
            <numerusform>tempiro: una dirección web puede tener como mucho %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>tempiro: the command is too long to send (over %1 KiB).</source>
        <translation>tempiro: la orden es demasiado larga para enviarla (más de %1 KiB).</translation>
    </message>
    <message>
        <source>tempiro: %1 is longer than an Interval can be (23:59:59); the alarm is set to end at %2.
</source>
        <translation>tempiro: %1 supera lo que puede durar un intervalo (23:59:59); la alarma terminará a las %2.
</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1
</source>
        <translation>Tempiro Timer no pudo guardar su configuración: %1
</translation>
    </message>
</context>
<context>
    <name>DisplayText</name>
    <message>
        <source>Stop Watch</source>
        <translation>Cronómetro</translation>
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
        <translation>horas</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>the minutes&apos; heading over their digits</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>a unit in the heading, said</comment>
        <translation>minutos</translation>
    </message>
    <message>
        <source>ss</source>
        <comment>the seconds&apos; heading over their digits</comment>
        <translation>ss</translation>
    </message>
    <message>
        <source>seconds</source>
        <comment>a unit in the heading, said</comment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>dy</source>
        <comment>the days&apos; heading over their digits</comment>
        <translation>dd</translation>
    </message>
    <message>
        <source>days</source>
        <comment>a unit in the heading, said</comment>
        <translation>días</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the heading over the total of days</comment>
        <translation>Días</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Hora de alarma</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Time Remain</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Time Expired</source>
        <translation>Tiempo agotado</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>Timing of %1</source>
        <translation>Cronometrando %1</translation>
    </message>
    <message>
        <source>Tempiro to %1</source>
        <translation>Tempiro hasta %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the heading&apos;s units</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the heading&apos;s units</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>plus %1</source>
        <comment>the time since the end, said</comment>
        <translation>más %1</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message>
        <source>expired %1 ago</source>
        <translation>agotado hace %1</translation>
    </message>
    <message>
        <source>%1 left, ends %2</source>
        <translation>quedan %1, termina %2</translation>
    </message>
    <message>
        <source>paused, %1</source>
        <translation>en pausa, %1</translation>
    </message>
    <message>
        <source>%1 (not running)</source>
        <translation>%1 (no está en marcha)</translation>
    </message>
    <message>
        <source>%1 elapsed</source>
        <translation>%1 transcurrido</translation>
    </message>
    <message>
        <source>ends %1</source>
        <translation>termina %1</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
</context>
<context>
    <name>EntryText</name>
    <message>
        <source>Date/time is not in the correct format.</source>
        <translation>La fecha u hora no tiene el formato correcto.</translation>
    </message>
    <message>
        <source>Date must be within 30 years.</source>
        <translation>La fecha debe estar dentro de 30 años.</translation>
    </message>
    <message>
        <source>Date/time must be in the future.</source>
        <translation>La fecha u hora debe ser futura.</translation>
    </message>
    <message>
        <source>Interval must be a length, like 1:30:00.</source>
        <translation>El intervalo debe ser una duración, como 1:30:00.</translation>
    </message>
    <message>
        <source>Warning minutes must be a number from -32768 to 32767.</source>
        <translation>Los minutos de aviso deben ser un número de -32768 a 32767.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>==============Main Screen=====================</source>
        <translation>==============Ventana principal=====================</translation>
    </message>
    <message>
        <source>  Main Menu:</source>
        <translation>  Menú principal:</translation>
    </message>
    <message>
        <source>   Set Menu -&gt; Set Alarm-&gt; set the alarm or stopwatch. Set Clock-&gt; open Tavolek</source>
        <translation>   Menú Ajustar -&gt; Alarma-&gt; ajustar la alarma o el cronómetro. Reloj-&gt; abrir Tavolek</translation>
    </message>
    <message>
        <source>   Display Menu -&gt; set the clock display</source>
        <translation>   Menú Mostrar -&gt; ajustar la visualización del reloj</translation>
    </message>
    <message>
        <source>     Seconds...Days -&gt; shows the time remaining in units selected</source>
        <translation>     Segundos...Días -&gt; muestra el tiempo restante en las unidades elegidas</translation>
    </message>
    <message>
        <source>     Total Days     -&gt; shows the total number of days left.</source>
        <translation>     Total de días  -&gt; muestra el número total de días que quedan.</translation>
    </message>
    <message>
        <source>     Labels         -&gt; turns on/off labels displayed</source>
        <translation>     Etiquetas      -&gt; muestra u oculta las etiquetas</translation>
    </message>
    <message>
        <source>     Menus          -&gt; turns on/off menus (click on form edge to toggle)</source>
        <translation>     Menús          -&gt; muestra u oculta los menús (un clic en el borde de la ventana los alterna)</translation>
    </message>
    <message>
        <source>     Show Local Time-&gt; turns on/off local time display</source>
        <translation>     Mostrar hora local-&gt; muestra u oculta la hora local</translation>
    </message>
    <message>
        <source>     Keep On Top    -&gt; when enabled, forces tempiro screen to stay visible</source>
        <translation>     Siempre encima -&gt; si está activo, mantiene visible la ventana de Tempiro</translation>
    </message>
    <message>
        <source>   Tools Menu -&gt; Lets you create an appointment in MS Outlook to coincide with event.</source>
        <translation>   Menú Herramientas -&gt; crea una cita en MS Outlook a la hora del evento.</translation>
    </message>
    <message>
        <source>  Shortcuts: </source>
        <translation>  Atajos: </translation>
    </message>
    <message>
        <source>    Clicking Clock Window opens time set form.</source>
        <translation>    Un clic en la línea del reloj abre la ventana para ajustar la hora.</translation>
    </message>
    <message>
        <source>    Clicking Time  Window pauses the time display.</source>
        <translation>    Un clic en la línea del tiempo pausa la visualización.</translation>
    </message>
    <message>
        <source>=============Enter Time Screen================</source>
        <translation>=============Ventana Introducir hora================</translation>
    </message>
    <message>
        <source>  Enter the time and description of the event being timed</source>
        <translation>  Introduzca la hora y la descripción del evento que se cronometra</translation>
    </message>
    <message>
        <source>   Input is expected in local the &lt;date&gt; &lt;time&gt; formats, </source>
        <translation>   Se espera la entrada en los formatos locales de &lt;fecha&gt; &lt;hora&gt;, </translation>
    </message>
    <message>
        <source>   Date formats: Enter valid date formats in region located. For users in the U.S. include month/day/year (i.e. 7/14/04) or in full month word format (i.e. July 14, 2004)</source>
        <translation>   Formatos de fecha: introduzca un formato de fecha válido en su región. En EE. UU., por ejemplo, mes/día/año (p. ej. 7/14/04) o con el mes en letras (p. ej. July 14, 2004)</translation>
    </message>
    <message>
        <source>   Time formats Enter valid time format in region located. U.S. users can use either a 12 hour AM/PM format (i.e. 1:15 PM) or a 24 hour clock format (i.e. 13:15).</source>
        <translation>   Formatos de hora: introduzca un formato de hora válido en su región. En EE. UU. se puede usar el formato de 12 horas con AM/PM (p. ej. 1:15 PM) o el de 24 horas (p. ej. 13:15).</translation>
    </message>
    <message>
        <source>   Invalid date or time strings, including dates in the past, will not be accepted by the form.</source>
        <translation>   No se aceptan fechas ni horas no válidas, tampoco fechas pasadas.</translation>
    </message>
    <message>
        <source>  Mode: </source>
        <translation>  Modo: </translation>
    </message>
    <message>
        <source>     Timed - enter the end time of the event</source>
        <translation>     Hora - introduzca la hora de fin del evento</translation>
    </message>
    <message>
        <source>     Interval - enter the length of time the event will last</source>
        <translation>     Intervalo - introduzca cuánto durará el evento</translation>
    </message>
    <message>
        <source>     Stop Watch - time an event</source>
        <translation>     Cronómetro - cronometrar un evento</translation>
    </message>
    <message>
        <source>  Auto Open: Check to start timer automatically from Tavolek on day the event expires</source>
        <translation>  Apertura automática: marque para que Tavolek inicie el temporizador el día en que vence el evento</translation>
    </message>
    <message>
        <source>     Tavolek must be running to start the Tempiro Timer</source>
        <translation>     Tavolek debe estar en marcha para iniciar Tempiro Timer</translation>
    </message>
    <message>
        <source>  Warn Me:   Check to sound a series of warning beeps xx minutes before event expires</source>
        <translation>  Avisar:    marque para emitir una serie de pitidos de aviso xx minutos antes del fin del evento</translation>
    </message>
    <message>
        <source>  (minutes): select how many minutes before event ends to begin warnings</source>
        <translation>  (minutos): elija cuántos minutos antes del fin empiezan los avisos</translation>
    </message>
    <message>
        <source>  Event URL: Web address of event being timed. Provides a web link on main screen to jump to event being timed</source>
        <translation>  URL del evento: dirección web del evento cronometrado. Pone en la ventana principal un enlace al evento</translation>
    </message>
    <message>
        <source>    You can cut and paste an auction end time directly in the enter time window </source>
        <translation>    Puede copiar y pegar la hora de fin de una subasta directamente en la ventana Introducir hora;</translation>
    </message>
    <message>
        <source>   the Tempiro utility will convert the end time to local time. </source>
        <translation>   Tempiro convertirá la hora de fin a la hora local. </translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>No desktop entry %1</source>
        <translation>No hay entrada de escritorio %1</translation>
    </message>
    <message>
        <source>Error in loading IEXPLORE.</source>
        <translation>Error al cargar IEXPLORE.</translation>
    </message>
    <message>
        <source>RadozArod cannot function correctly without Browser</source>
        <translation>RadozArod no puede funcionar correctamente sin navegador</translation>
    </message>
    <message>
        <source>Problem running Browser</source>
        <translation>Problema al ejecutar el navegador</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Alarm expired</source>
        <translation>Alarma agotada</translation>
    </message>
    <message>
        <source>Start browser and go to %1</source>
        <translation>Inicie el navegador y vaya a %1</translation>
    </message>
    <message>
        <source>Cannot find Web Browser.</source>
        <translation>No se encuentra ningún navegador web.</translation>
    </message>
    <message>
        <source>Can&apos;t start Web browser. Error: %1  Description: %2</source>
        <translation>No se puede iniciar el navegador web. Error: %1  Descripción: %2</translation>
    </message>
    <message>
        <source>Cannot start Web Browser.</source>
        <translation>No se puede iniciar el navegador web.</translation>
    </message>
    <message>
        <source>Cannot start shell.</source>
        <translation>No se puede iniciar el intérprete de órdenes.</translation>
    </message>
</context>
<context>
    <name>StorageText</name>
    <message>
        <source>not enough memory for the companion clock&apos;s file</source>
        <translation>no hay memoria suficiente para el archivo del reloj acompañante</translation>
    </message>
    <message>
        <source>another program is writing %1</source>
        <translation>otro programa está escribiendo %1</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>sin permiso para escribir en %1</translation>
    </message>
    <message>
        <source>cannot write in %1</source>
        <translation>no se puede escribir en %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
</context>
<context>
    <name>tempiro::Timer</name>
    <message>
        <source>The system clock is not synchronised: the countdown may be off by the clock&apos;s error.</source>
        <translation>El reloj del sistema no está sincronizado: la cuenta atrás puede desviarse tanto como el error del reloj.</translation>
    </message>
    <message>
        <source>The countdown</source>
        <translation>La cuenta atrás</translation>
    </message>
    <message>
        <source>%1 ends at %2</source>
        <comment>why sleep is held off</comment>
        <translation>%1 termina a las %2</translation>
    </message>
    <message>
        <source>Ended at %1, while the computer was asleep.</source>
        <translation>Terminó a las %1, mientras el equipo estaba suspendido.</translation>
    </message>
    <message>
        <source>Show Timer</source>
        <translation>Mostrar temporizador</translation>
    </message>
    <message>
        <source>Open Event Page</source>
        <translation>Abrir página del evento</translation>
    </message>
    <message>
        <source>Snooze 5 Minutes</source>
        <translation>Posponer 5 minutos</translation>
    </message>
    <message>
        <source>Tempiro Timer could not read its settings and kept the file as %1; it started with its first settings.</source>
        <translation>Tempiro Timer no pudo leer su configuración y conservó el archivo como %1; se inició con la configuración inicial.</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1</source>
        <translation>Tempiro Timer no pudo guardar su configuración: %1</translation>
    </message>
</context>
<context>
    <name>tempiro::frmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Pulse para cerrar la ventana.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Advertencia: ...</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema…</translation>
    </message>
    <message>
        <source>Show Microsoft System information.</source>
        <translation>Mostrar la información del sistema de Microsoft.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
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
        <translation>Libre para usar y compartir.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>It can be installed as a Windows 95 Accessory</source>
        <translation>Puede instalarse como accesorio de Windows 95</translation>
    </message>
</context>
<context>
    <name>tempiro::frmEnterTime</name>
    <message>
        <source>Enter a date/time (mm/dd/yy hh:mm:ss)  for the alarm.</source>
        <translation>Introduzca la fecha y hora de la alarma (dd/mm/aa hh:mm:ss).</translation>
    </message>
    <message>
        <source>Enter the time interval (hh:mm:ss) to set the alarm.</source>
        <translation>Introduzca el intervalo (hh:mm:ss) de la alarma.</translation>
    </message>
    <message>
        <source>Operate in the stop watch mode.</source>
        <translation>Funcionar como cronómetro.</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>Introducir hora</translation>
    </message>
    <message>
        <source>Time for next setting:</source>
        <translation>Hora de la alarma:</translation>
    </message>
    <message>
        <source>Edit or enter the time for the setting to occur</source>
        <translation>Introduzca o modifique la hora de la alarma</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Hora</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Intervalo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>To set time and exit form.</source>
        <translation>Aplicar la hora y cerrar la ventana.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>To exit form without setting time.</source>
        <translation>Cerrar la ventana sin aplicar la hora.</translation>
    </message>
    <message>
        <source>&amp;Stop Watch</source>
        <translation>&amp;Cronómetro</translation>
    </message>
    <message>
        <source>Event description</source>
        <translation>Descripción del evento</translation>
    </message>
    <message>
        <source>Event title:</source>
        <translation>Título del evento:</translation>
    </message>
    <message>
        <source>warn me                minutes before ending</source>
        <comment>the run of blanks is where the minutes box stands: keep one of two blanks or more</comment>
        <translation>avisar                minutos antes del fin</translation>
    </message>
    <message>
        <source>Sound a warning beep 5 minutes before event expires</source>
        <translation>Emitir un pitido de aviso 5 minutos antes del fin del evento</translation>
    </message>
    <message>
        <source>Web address of event being timed</source>
        <translation>Dirección web del evento cronometrado</translation>
    </message>
    <message>
        <source>Event URL:</source>
        <translation>URL del evento:</translation>
    </message>
    <message>
        <source>auto open on due date</source>
        <translation>abrir el día del vencimiento</translation>
    </message>
    <message>
        <source>Check to start timer automatically on event due date</source>
        <translation>Marque para iniciar el temporizador el día del vencimiento</translation>
    </message>
    <message>
        <source>Warning minutes</source>
        <translation>Minutos de aviso</translation>
    </message>
    <message numerus="yes">
        <source>Warn me %n minutes before ending</source>
        <translation>
            <numerusform>Avisar %n minuto antes del fin</numerusform>
            <numerusform>Avisar %n minutos antes del fin</numerusform>
        </translation>
    </message>
    <message>
        <source>Warn me %1 minutes before ending</source>
        <comment>not a whole number</comment>
        <translation>Avisar %1 minutos antes del fin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
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
=============Teclas y más====================
  F10, o Alt sola -&gt; abre los menús (mostrando antes una barra de menús oculta).
  Pausa o Ctrl+P -&gt; pausa o reanuda el temporizador.
  Espacio o Intro en la línea del tiempo -&gt; pausa o reanuda, como un clic.
  Menú Mostrar -&gt; Icono en el área de notificación: el tiempo restante en el panel, con un
    menú para mostrar el temporizador, pausarlo, ajustar la alarma o salir.
  Menú Herramientas -&gt; Mantener el equipo activo cerca del fin: ni suspensión ni apagado
    de la pantalla desde el primer aviso hasta un minuto después del fin.
  Línea de órdenes: tempiro --in 10m --title Té ajusta el temporizador, iniciado o no;
    tempiro --help enumera todas las órdenes.</translation>
    </message>
    <message>
        <source>Tempiro Timer Help</source>
        <translation>Ayuda de Tempiro Timer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Pulse para cerrar la ventana.</translation>
    </message>
</context>
<context>
    <name>tempiro::frmTempiro</name>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Segundos</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>M&amp;inutos</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Horas</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Días</translation>
    </message>
    <message>
        <source>&amp;Total Days</source>
        <translation>&amp;Total de días</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Etiquetas</translation>
    </message>
    <message>
        <source>&amp;Menus</source>
        <translation>Me&amp;nús</translation>
    </message>
    <message>
        <source>Show Local &amp;Time</source>
        <translation>Mostrar hora &amp;local</translation>
    </message>
    <message>
        <source>Keep on Top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>Notification Area Icon</source>
        <translation>Icono en el área de notificación</translation>
    </message>
    <message>
        <source>Event web address</source>
        <translation>Dirección web del evento</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>Opens the event&apos;s web page.</source>
        <translation>Abre la página web del evento.</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>&amp;Alarm...</source>
        <translation>&amp;Alarma…</translation>
    </message>
    <message>
        <source>&amp;Clock...</source>
        <translation>&amp;Reloj…</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Create &amp;Appointment in Outlook</source>
        <translation>Crear una &amp;cita en Outlook</translation>
    </message>
    <message>
        <source>Keep Computer Awake Near the End</source>
        <translation>Mantener el equipo activo cerca del fin</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Marrowby Software &amp;Web Site</source>
        <translation>Sitio &amp;web de Marrowby Software</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>This desktop (Wayland) does not let a program keep its window on top.</source>
        <translation>Este escritorio (Wayland) no permite que un programa mantenga su ventana siempre encima.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a notice said: its title, its text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Reanudado</translation>
    </message>
    <message>
        <source>Please contact us at:</source>
        <translation>Contacte con nosotros en:</translation>
    </message>
</context>
<context>
    <name>tempiro::mainwindow::TimeDisplay</name>
    <message>
        <source>The alarm time, the start of the stop watch or the local time. Click to set the alarm.</source>
        <translation>La hora de alarma, el inicio del cronómetro o la hora local. Pulse para ajustar la alarma.</translation>
    </message>
    <message>
        <source>The time that remains or has elapsed. Click to pause or resume.</source>
        <translation>El tiempo que queda o ha transcurrido. Pulse para pausar o reanudar.</translation>
    </message>
    <message>
        <source>System Time</source>
        <translation>Hora del sistema</translation>
    </message>
    <message>
        <source>, paused</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, en pausa</translation>
    </message>
    <message>
        <source>, warning</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, aviso</translation>
    </message>
</context>
<context>
    <name>tempiro::tray::TrayItem</name>
    <message>
        <source>Show Tempiro Timer</source>
        <translation>Mostrar Tempiro Timer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation>Ajustar alarma…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
</context>
</TS>
