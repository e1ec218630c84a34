<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandText</name>
    <message>
        <source>tempiro: %1
</source>
        <translation>tempiro&#xa0;: %1
</translation>
    </message>
    <message>
        <source>the running timer took the command but did not answer within %1 s; it may have been carried out.</source>
        <translation>le minuteur en cours a pris la commande mais n&apos;a pas répondu dans les %1 s&#xa0;; elle a peut-être été exécutée.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s; nothing was changed.</source>
        <translation>le minuteur en cours n&apos;a pas répondu dans les %1 s&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s.</source>
        <translation>le minuteur en cours n&apos;a pas répondu dans les %1 s.</translation>
    </message>
    <message>
        <source>the timer&apos;s socket %1 belongs to another user; nothing was sent to it.</source>
        <translation>le socket %1 du minuteur appartient à un autre utilisateur&#xa0;; rien ne lui a été envoyé.</translation>
    </message>
    <message>
        <source>tempiro: could not listen on %1; this timer takes no commands from the command line.
</source>
        <translation>tempiro&#xa0;: impossible d&apos;écouter sur %1&#xa0;; ce minuteur ne prend aucune commande de la ligne de commande.
</translation>
    </message>
    <message>
        <source>tempiro: Tempiro Timer is not running.
</source>
        <translation>tempiro&#xa0;: Tempiro Timer n&apos;est pas lancé.
</translation>
    </message>
    <message>
        <source>tempiro: the running timer does not read this request (a different version?).
</source>
        <translation>tempiro&#xa0;: le minuteur en cours ne comprend pas cette requête (une autre version&#xa0;?).
</translation>
    </message>
    <message>
        <source>tempiro: done, but the answer was too long to send back (over %1 KiB).
</source>
        <translation>tempiro&#xa0;: fait, mais la réponse était trop longue pour être renvoyée (plus de %1&#xa0;Kio).
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
Exemples&#xa0;:
  tempiro --in 25m --title Thé          un minuteur de 25 minutes appelé Thé
  tempiro --at &quot;12/25/2027 10:00 PM PST&quot; --title Enchère --url https://...
  tempiro --stopwatch                   démarrer un chronomètre
  tempiro --toggle-pause                pause ou reprise (pour un raccourci clavier)
  tempiro --status                      une ligne pour une barre d&apos;état

Avec les jours affichés et 11 jours ou plus à attendre, la ligne du bas de la
fenêtre montre, comme prévu, la date et l&apos;heure actuelles sous «&#xa0;Heure actuelle&#xa0;»
au lieu du décompte&#xa0;; --status et l&apos;infobulle de l&apos;icône continuent le décompte.
</translation>
    </message>
    <message>
        <source>Tempiro Timer: a countdown timer for one event at a time. Without options
it opens the timer; with them it sets, pauses or reads the running one.</source>
        <translation>Tempiro Timer&#xa0;: un minuteur pour un événement à la fois. Sans option,
il ouvre le minuteur&#xa0;; avec des options, il règle, met en pause ou lit celui en cours.</translation>
    </message>
    <message>
        <source>Count down a length: 1:30:00, 25m, 90s, 1h30m, 2h. A day or more (48h) is set as the time it ends.</source>
        <translation>Décompter une durée&#xa0;: 1:30:00, 25m, 90s, 1h30m, 2h. Un jour ou plus (48h) est réglé comme l&apos;heure où il se termine.</translation>
    </message>
    <message>
        <source>length</source>
        <translation>durée</translation>
    </message>
    <message>
        <source>Count down to a date and time, in your locale or in English, optionally with its zone: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</source>
        <translation>Décompter jusqu&apos;à une date et une heure, au format de votre région ou en anglais, avec son fuseau si besoin&#xa0;: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</translation>
    </message>
    <message>
        <source>target</source>
        <translation>échéance</translation>
    </message>
    <message>
        <source>Start a stop watch.</source>
        <translation>Démarrer un chronomètre.</translation>
    </message>
    <message>
        <source>The event&apos;s title.</source>
        <translation>Le titre de l&apos;événement.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>The event&apos;s web address.</source>
        <translation>L&apos;adresse web de l&apos;événement.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adresse</translation>
    </message>
    <message>
        <source>Warn with beeps this many minutes before the end (a whole number); 0 turns warnings off.</source>
        <translation>Avertir par des bips ce nombre de minutes avant la fin (un nombre entier)&#xa0;; 0 désactive les avertissements.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Open the timer on the due day.</source>
        <translation>Ouvrir le minuteur le jour de l&apos;échéance.</translation>
    </message>
    <message>
        <source>Do not open the timer on the due day.</source>
        <translation>Ne pas ouvrir le minuteur le jour de l&apos;échéance.</translation>
    </message>
    <message>
        <source>Pause the display.</source>
        <translation>Mettre l&apos;affichage en pause.</translation>
    </message>
    <message>
        <source>Resume a paused display.</source>
        <translation>Reprendre l&apos;affichage mis en pause.</translation>
    </message>
    <message>
        <source>Pause, or resume when paused.</source>
        <translation>Mettre en pause, ou reprendre si en pause.</translation>
    </message>
    <message>
        <source>Print the time left as one line.</source>
        <translation>Afficher le temps restant sur une ligne.</translation>
    </message>
    <message>
        <source>With --status: print one JSON object.</source>
        <translation>Avec --status&#xa0;: afficher un objet JSON.</translation>
    </message>
    <message>
        <source>Open the Enter Time dialog.</source>
        <translation>Ouvrir la boîte de dialogue «&#xa0;Saisir l&apos;heure&#xa0;».</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Afficher la version.</translation>
    </message>
    <message>
        <source>Usage: tempiro [options]</source>
        <translation>Utilisation&#xa0;: tempiro [options]</translation>
    </message>
    <message>
        <source>tempiro: %1
%2
See tempiro --help for the options.
</source>
        <translation>tempiro&#xa0;: %1
%2
Voir tempiro --help pour les options.
</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>give one of --in, --at and --stopwatch</source>
        <translation>indiquer une seule option parmi --in, --at et --stopwatch</translation>
    </message>
    <message>
        <source>give one of --pause, --resume and --toggle-pause</source>
        <translation>indiquer une seule option parmi --pause, --resume et --toggle-pause</translation>
    </message>
    <message>
        <source>give --auto-open or --no-auto-open, not both</source>
        <translation>indiquer --auto-open ou --no-auto-open, pas les deux</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json va avec --status</translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a length can be at most %n days.</source>
        <translation>
            <numerusform>tempiro&#xa0;: une durée ne peut dépasser %n jour.</numerusform>
            <numerusform>tempiro&#xa0;: une durée ne peut dépasser %n jours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a title can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro&#xa0;: un titre ne peut dépasser %n caractère.</numerusform>
            <numerusform>tempiro&#xa0;: un titre ne peut dépasser %n caractères.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a web address can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro&#xa0;: une adresse web ne peut dépasser %n caractère.</numerusform>
            <numerusform>tempiro&#xa0;: une adresse web ne peut dépasser %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>tempiro: the command is too long to send (over %1 KiB).</source>
        <translation>tempiro&#xa0;: la commande est trop longue pour être envoyée (plus de %1&#xa0;Kio).</translation>
    </message>
    <message>
        <source>tempiro: %1 is longer than an Interval can be (23:59:59); the alarm is set to end at %2.
</source>
        <translation>tempiro&#xa0;: %1 dépasse ce qu&apos;un intervalle peut durer (23:59:59)&#xa0;; l&apos;alarme est réglée pour finir à %2.
</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1
</source>
        <translation>Tempiro Timer n&apos;a pas pu enregistrer ses paramètres&#xa0;: %1
</translation>
    </message>
</context>
<context>
    <name>DisplayText</name>
    <message>
        <source>Stop Watch</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>hh</source>
        <comment>the hours&apos; heading over their digits</comment>
        <translation>hh</translation>
    </message>
    <message>
        <source>hours</source>
        <comment>a unit in the heading, said</comment>
        <translation>heures</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>the minutes&apos; heading over their digits</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>minutes</source>
        <comment>a unit in the heading, said</comment>
        <translation>minutes</translation>
    </message>
    <message>
        <source>ss</source>
        <comment>the seconds&apos; heading over their digits</comment>
        <translation>ss</translation>
    </message>
    <message>
        <source>seconds</source>
        <comment>a unit in the heading, said</comment>
        <translation>secondes</translation>
    </message>
    <message>
        <source>dy</source>
        <comment>the days&apos; heading over their digits</comment>
        <translation>jj</translation>
    </message>
    <message>
        <source>days</source>
        <comment>a unit in the heading, said</comment>
        <translation>jours</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the heading over the total of days</comment>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Heure d&apos;alarme</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>Time Remain</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Time Expired</source>
        <translation>Temps expiré</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>Timing of %1</source>
        <translation>Chronométrage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tempiro to %1</source>
        <translation>Tempiro jusqu’à %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of the heading&apos;s units</comment>
        <translation>%1 et %2</translation>
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
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>moins d&apos;une minute</translation>
    </message>
    <message>
        <source>expired %1 ago</source>
        <translation>expiré depuis %1</translation>
    </message>
    <message>
        <source>%1 left, ends %2</source>
        <translation>reste %1, fin %2</translation>
    </message>
    <message>
        <source>paused, %1</source>
        <translation>en pause, %1</translation>
    </message>
    <message>
        <source>%1 (not running)</source>
        <translation>%1 (non lancé)</translation>
    </message>
    <message>
        <source>%1 elapsed</source>
        <translation>%1 écoulé</translation>
    </message>
    <message>
        <source>ends %1</source>
        <translation>fin %1</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
    </message>
</context>
<context>
    <name>EntryText</name>
    <message>
        <source>Date/time is not in the correct format.</source>
        <translation>La date ou l&apos;heure n&apos;est pas au bon format.</translation>
    </message>
    <message>
        <source>Date must be within 30 years.</source>
        <translation>La date doit être dans les 30 ans.</translation>
    </message>
    <message>
        <source>Date/time must be in the future.</source>
        <translation>La date ou l&apos;heure doit être dans le futur.</translation>
    </message>
    <message>
        <source>Interval must be a length, like 1:30:00.</source>
        <translation>L&apos;intervalle doit être une durée, comme 1:30:00.</translation>
    </message>
    <message>
        <source>Warning minutes must be a number from -32768 to 32767.</source>
        <translation>Minutes d&apos;avertissement&#xa0;: un nombre de -32768 à 32767.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>==============Main Screen=====================</source>
        <translation>==============Fenêtre principale=====================</translation>
    </message>
    <message>
        <source>  Main Menu:</source>
        <translation>  Menu principal&#xa0;:</translation>
    </message>
    <message>
        <source>   Set Menu -&gt; Set Alarm-&gt; set the alarm or stopwatch. Set Clock-&gt; open Tavolek</source>
        <translation>   Menu Régler -&gt; Alarme-&gt; régler l&apos;alarme ou le chronomètre. Horloge-&gt; ouvrir Tavolek</translation>
    </message>
    <message>
        <source>   Display Menu -&gt; set the clock display</source>
        <translation>   Menu Affichage -&gt; régler l&apos;affichage de l&apos;horloge</translation>
    </message>
    <message>
        <source>     Seconds...Days -&gt; shows the time remaining in units selected</source>
        <translation>     Secondes...Jours -&gt; affiche le temps restant dans les unités choisies</translation>
    </message>
    <message>
        <source>     Total Days     -&gt; shows the total number of days left.</source>
        <translation>     Total en jours -&gt; affiche le nombre total de jours restants.</translation>
    </message>
    <message>
        <source>     Labels         -&gt; turns on/off labels displayed</source>
        <translation>     Légendes       -&gt; affiche/masque les légendes</translation>
    </message>
    <message>
        <source>     Menus          -&gt; turns on/off menus (click on form edge to toggle)</source>
        <translation>     Menus          -&gt; affiche/masque les menus (un clic sur le bord de la fenêtre bascule)</translation>
    </message>
    <message>
        <source>     Show Local Time-&gt; turns on/off local time display</source>
        <translation>     Afficher l&apos;heure locale-&gt; affiche/masque l&apos;heure locale</translation>
    </message>
    <message>
        <source>     Keep On Top    -&gt; when enabled, forces tempiro screen to stay visible</source>
        <translation>     Toujours au premier plan -&gt; garde, si activé, la fenêtre de Tempiro visible</translation>
    </message>
    <message>
        <source>   Tools Menu -&gt; Lets you create an appointment in MS Outlook to coincide with event.</source>
        <translation>   Menu Outils -&gt; crée un rendez-vous dans MS Outlook à l&apos;heure de l&apos;événement.</translation>
    </message>
    <message>
        <source>  Shortcuts: </source>
        <translation>  Raccourcis&#xa0;: </translation>
    </message>
    <message>
        <source>    Clicking Clock Window opens time set form.</source>
        <translation>    Un clic sur la ligne de l&apos;horloge ouvre la fenêtre de réglage de l&apos;heure.</translation>
    </message>
    <message>
        <source>    Clicking Time  Window pauses the time display.</source>
        <translation>    Un clic sur la ligne du temps met l&apos;affichage en pause.</translation>
    </message>
    <message>
        <source>=============Enter Time Screen================</source>
        <translation>=============Fenêtre Saisir l&apos;heure================</translation>
    </message>
    <message>
        <source>  Enter the time and description of the event being timed</source>
        <translation>  Saisir l&apos;heure et la description de l&apos;événement chronométré</translation>
    </message>
    <message>
        <source>   Input is expected in local the &lt;date&gt; &lt;time&gt; formats, </source>
        <translation>   La saisie est attendue aux formats locaux &lt;date&gt; &lt;heure&gt;, </translation>
    </message>
    <message>
        <source>   Date formats: Enter valid date formats in region located. For users in the U.S. include month/day/year (i.e. 7/14/04) or in full month word format (i.e. July 14, 2004)</source>
        <translation>   Formats de date&#xa0;: saisir un format de date valide dans votre région. Aux États-Unis, par exemple mois/jour/année (p. ex. 7/14/04) ou avec le mois en toutes lettres (p. ex. July 14, 2004)</translation>
    </message>
    <message>
        <source>   Time formats Enter valid time format in region located. U.S. users can use either a 12 hour AM/PM format (i.e. 1:15 PM) or a 24 hour clock format (i.e. 13:15).</source>
        <translation>   Formats d&apos;heure&#xa0;: saisir un format d&apos;heure valide dans votre région. Aux États-Unis, le format sur 12 heures avec AM/PM (p. ex. 1:15 PM) ou sur 24 heures (p. ex. 13:15).</translation>
    </message>
    <message>
        <source>   Invalid date or time strings, including dates in the past, will not be accepted by the form.</source>
        <translation>   Les dates ou heures invalides, y compris les dates passées, ne sont pas acceptées.</translation>
    </message>
    <message>
        <source>  Mode: </source>
        <translation>  Mode&#xa0;: </translation>
    </message>
    <message>
        <source>     Timed - enter the end time of the event</source>
        <translation>     Heure - saisir l&apos;heure de fin de l&apos;événement</translation>
    </message>
    <message>
        <source>     Interval - enter the length of time the event will last</source>
        <translation>     Intervalle - saisir la durée de l&apos;événement</translation>
    </message>
    <message>
        <source>     Stop Watch - time an event</source>
        <translation>     Chronomètre - chronométrer un événement</translation>
    </message>
    <message>
        <source>  Auto Open: Check to start timer automatically from Tavolek on day the event expires</source>
        <translation>  Ouverture auto&#xa0;: cocher pour que Tavolek lance le minuteur le jour où l&apos;événement expire</translation>
    </message>
    <message>
        <source>     Tavolek must be running to start the Tempiro Timer</source>
        <translation>     Tavolek doit être lancé pour démarrer Tempiro Timer</translation>
    </message>
    <message>
        <source>  Warn Me:   Check to sound a series of warning beeps xx minutes before event expires</source>
        <translation>  Avertir&#xa0;:   cocher pour émettre une série de bips xx minutes avant la fin de l&apos;événement</translation>
    </message>
    <message>
        <source>  (minutes): select how many minutes before event ends to begin warnings</source>
        <translation>  (minutes)&#xa0;: choisir combien de minutes avant la fin commencent les avertissements</translation>
    </message>
    <message>
        <source>  Event URL: Web address of event being timed. Provides a web link on main screen to jump to event being timed</source>
        <translation>  URL de l&apos;événement&#xa0;: adresse web de l&apos;événement chronométré. Donne un lien dans la fenêtre principale vers l&apos;événement</translation>
    </message>
    <message>
        <source>    You can cut and paste an auction end time directly in the enter time window </source>
        <translation>    Vous pouvez copier-coller l&apos;heure de fin d&apos;une enchère directement dans la fenêtre Saisir l&apos;heure&#xa0;;</translation>
    </message>
    <message>
        <source>   the Tempiro utility will convert the end time to local time. </source>
        <translation>   Tempiro convertit l&apos;heure de fin en heure locale. </translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>No desktop entry %1</source>
        <translation>Pas d&apos;entrée de bureau %1</translation>
    </message>
    <message>
        <source>Error in loading IEXPLORE.</source>
        <translation>Erreur au chargement de IEXPLORE.</translation>
    </message>
    <message>
        <source>RadozArod cannot function correctly without Browser</source>
        <translation>RadozArod ne peut fonctionner correctement sans navigateur</translation>
    </message>
    <message>
        <source>Problem running Browser</source>
        <translation>Problème d&apos;exécution du navigateur</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarm expired</source>
        <translation>Alarme expirée</translation>
    </message>
    <message>
        <source>Start browser and go to %1</source>
        <translation>Lancez le navigateur et allez à %1</translation>
    </message>
    <message>
        <source>Cannot find Web Browser.</source>
        <translation>Navigateur web introuvable.</translation>
    </message>
    <message>
        <source>Can&apos;t start Web browser. Error: %1  Description: %2</source>
        <translation>Impossible de lancer le navigateur web. Erreur&#xa0;: %1  Description&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot start Web Browser.</source>
        <translation>Impossible de lancer le navigateur web.</translation>
    </message>
    <message>
        <source>Cannot start shell.</source>
        <translation>Impossible de lancer le shell.</translation>
    </message>
</context>
<context>
    <name>StorageText</name>
    <message>
        <source>not enough memory for the companion clock&apos;s file</source>
        <translation>pas assez de mémoire pour le fichier de l&apos;horloge compagnon</translation>
    </message>
    <message>
        <source>another program is writing %1</source>
        <translation>un autre programme écrit %1</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>pas le droit d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>cannot write in %1</source>
        <translation>impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossible de lire %1</translation>
    </message>
</context>
<context>
    <name>tempiro::Timer</name>
    <message>
        <source>The system clock is not synchronised: the countdown may be off by the clock&apos;s error.</source>
        <translation>L&apos;horloge du système n&apos;est pas synchronisée&#xa0;: le compte à rebours peut être décalé de l&apos;erreur de l&apos;horloge.</translation>
    </message>
    <message>
        <source>The countdown</source>
        <translation>Le compte à rebours</translation>
    </message>
    <message>
        <source>%1 ends at %2</source>
        <comment>why sleep is held off</comment>
        <translation>%1 se termine à %2</translation>
    </message>
    <message>
        <source>Ended at %1, while the computer was asleep.</source>
        <translation>Terminé à %1, pendant que l&apos;ordinateur était en veille.</translation>
    </message>
    <message>
        <source>Show Timer</source>
        <translation>Afficher le minuteur</translation>
    </message>
    <message>
        <source>Open Event Page</source>
        <translation>Ouvrir la page de l&apos;événement</translation>
    </message>
    <message>
        <source>Snooze 5 Minutes</source>
        <translation>Répéter dans 5 minutes</translation>
    </message>
    <message>
        <source>Tempiro Timer could not read its settings and kept the file as %1; it started with its first settings.</source>
        <translation>Tempiro Timer n&apos;a pas pu lire ses paramètres et a conservé le fichier sous %1&#xa0;; il a démarré avec ses paramètres initiaux.</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1</source>
        <translation>Tempiro Timer n&apos;a pas pu enregistrer ses paramètres&#xa0;: %1</translation>
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
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Cliquer pour fermer la fenêtre.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Avertissement&#xa0;: ...</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système…</translation>
    </message>
    <message>
        <source>Show Microsoft System information.</source>
        <translation>Afficher les informations système de Microsoft.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Libre à utiliser et à partager.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>It can be installed as a Windows 95 Accessory</source>
        <translation>Elles peuvent être installées comme accessoire de Windows 95</translation>
    </message>
</context>
<context>
    <name>tempiro::frmEnterTime</name>
    <message>
        <source>Enter a date/time (mm/dd/yy hh:mm:ss)  for the alarm.</source>
        <translation>Saisir la date et l&apos;heure de l&apos;alarme (jj/mm/aa hh:mm:ss).</translation>
    </message>
    <message>
        <source>Enter the time interval (hh:mm:ss) to set the alarm.</source>
        <translation>Saisir l&apos;intervalle (hh:mm:ss) de l&apos;alarme.</translation>
    </message>
    <message>
        <source>Operate in the stop watch mode.</source>
        <translation>Fonctionner en chronomètre.</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>Saisir l&apos;heure</translation>
    </message>
    <message>
        <source>Time for next setting:</source>
        <translation>Heure de l&apos;alarme&#xa0;:</translation>
    </message>
    <message>
        <source>Edit or enter the time for the setting to occur</source>
        <translation>Saisir ou modifier l&apos;heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Heure</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Intervalle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To set time and exit form.</source>
        <translation>Valider l&apos;heure et fermer la fenêtre.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>To exit form without setting time.</source>
        <translation>Fermer la fenêtre sans valider l&apos;heure.</translation>
    </message>
    <message>
        <source>&amp;Stop Watch</source>
        <translation>&amp;Chronomètre</translation>
    </message>
    <message>
        <source>Event description</source>
        <translation>Description de l&apos;événement</translation>
    </message>
    <message>
        <source>Event title:</source>
        <translation>Titre de l&apos;événement&#xa0;:</translation>
    </message>
    <message>
        <source>warn me                minutes before ending</source>
        <comment>the run of blanks is where the minutes box stands: keep one of two blanks or more</comment>
        <translation>avertir                minutes avant la fin</translation>
    </message>
    <message>
        <source>Sound a warning beep 5 minutes before event expires</source>
        <translation>Émettre un bip d&apos;avertissement 5 minutes avant la fin</translation>
    </message>
    <message>
        <source>Web address of event being timed</source>
        <translation>Adresse web de l&apos;événement chronométré</translation>
    </message>
    <message>
        <source>Event URL:</source>
        <translation>URL de l&apos;événement&#xa0;:</translation>
    </message>
    <message>
        <source>auto open on due date</source>
        <translation>ouvrir le jour de l&apos;échéance</translation>
    </message>
    <message>
        <source>Check to start timer automatically on event due date</source>
        <translation>Cocher pour lancer le minuteur le jour de l&apos;échéance</translation>
    </message>
    <message>
        <source>Warning minutes</source>
        <translation>Minutes d&apos;avertissement</translation>
    </message>
    <message numerus="yes">
        <source>Warn me %n minutes before ending</source>
        <translation>
            <numerusform>Avertir %n minute avant la fin</numerusform>
            <numerusform>Avertir %n minutes avant la fin</numerusform>
        </translation>
    </message>
    <message>
        <source>Warn me %1 minutes before ending</source>
        <comment>not a whole number</comment>
        <translation>Avertir %1 minutes avant la fin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
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
=============Touches et plus====================
  F10, ou Alt seul -&gt; ouvre les menus (en affichant d&apos;abord une barre de menus masquée).
  Pause ou Ctrl+P -&gt; met le minuteur en pause ou le reprend.
  Espace ou Entrée sur la ligne du temps -&gt; pause ou reprise, comme un clic.
  Menu Affichage -&gt; Icône dans la zone de notification&#xa0;: le temps restant dans le
    tableau de bord, avec un menu pour afficher le minuteur, le mettre en pause, régler
    l&apos;alarme ou quitter.
  Menu Outils -&gt; Garder l&apos;ordinateur éveillé vers la fin&#xa0;: ni veille ni extinction de
    l&apos;écran du premier avertissement à une minute après la fin.
  Ligne de commande&#xa0;: tempiro --in 10m --title Thé règle le minuteur, lancé ou non&#xa0;;
    tempiro --help liste toutes les commandes.</translation>
    </message>
    <message>
        <source>Tempiro Timer Help</source>
        <translation>Aide de Tempiro Timer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Cliquer pour fermer la fenêtre.</translation>
    </message>
</context>
<context>
    <name>tempiro::frmTempiro</name>
    <message>
        <source>&amp;Seconds</source>
        <translation>&amp;Secondes</translation>
    </message>
    <message>
        <source>&amp;Minutes</source>
        <translation>&amp;Minutes</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Heures</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Jours</translation>
    </message>
    <message>
        <source>&amp;Total Days</source>
        <translation>&amp;Total en jours</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>Lé&amp;gendes</translation>
    </message>
    <message>
        <source>&amp;Menus</source>
        <translation>M&amp;enus</translation>
    </message>
    <message>
        <source>Show Local &amp;Time</source>
        <translation>Afficher l&apos;heure &amp;locale</translation>
    </message>
    <message>
        <source>Keep on Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Notification Area Icon</source>
        <translation>Icône dans la zone de notification</translation>
    </message>
    <message>
        <source>Event web address</source>
        <translation>Adresse web de l&apos;événement</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Aller</translation>
    </message>
    <message>
        <source>Opens the event&apos;s web page.</source>
        <translation>Ouvre la page web de l&apos;événement.</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Régler</translation>
    </message>
    <message>
        <source>&amp;Alarm...</source>
        <translation>&amp;Alarme…</translation>
    </message>
    <message>
        <source>&amp;Clock...</source>
        <translation>&amp;Horloge…</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Create &amp;Appointment in Outlook</source>
        <translation>Créer un &amp;rendez-vous dans Outlook</translation>
    </message>
    <message>
        <source>Keep Computer Awake Near the End</source>
        <translation>Garder l&apos;ordinateur éveillé vers la fin</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Marrowby Software &amp;Web Site</source>
        <translation>Site &amp;web de Marrowby Software</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>This desktop (Wayland) does not let a program keep its window on top.</source>
        <translation>Ce bureau (Wayland) ne permet pas à un programme de garder sa fenêtre au premier plan.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a notice said: its title, its text</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Repris</translation>
    </message>
    <message>
        <source>Please contact us at:</source>
        <translation>Contactez-nous à&#xa0;:</translation>
    </message>
</context>
<context>
    <name>tempiro::mainwindow::TimeDisplay</name>
    <message>
        <source>The alarm time, the start of the stop watch or the local time. Click to set the alarm.</source>
        <translation>L&apos;heure d&apos;alarme, le début du chronomètre ou l&apos;heure locale. Cliquer pour régler l&apos;alarme.</translation>
    </message>
    <message>
        <source>The time that remains or has elapsed. Click to pause or resume.</source>
        <translation>Le temps restant ou écoulé. Cliquer pour mettre en pause ou reprendre.</translation>
    </message>
    <message>
        <source>System Time</source>
        <translation>Heure système</translation>
    </message>
    <message>
        <source>, paused</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, en pause</translation>
    </message>
    <message>
        <source>, warning</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, avertissement</translation>
    </message>
</context>
<context>
    <name>tempiro::tray::TrayItem</name>
    <message>
        <source>Show Tempiro Timer</source>
        <translation>Afficher Tempiro Timer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation>Régler l&apos;alarme…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
</context>
</TS>
