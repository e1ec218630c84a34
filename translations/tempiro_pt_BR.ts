<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>o temporizador em execução aceitou o comando, mas não respondeu em %1 s; ele pode ter sido executado.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s; nothing was changed.</source>
        <translation>o temporizador em execução não respondeu em %1 s; nada foi alterado.</translation>
    </message>
    <message>
        <source>the running timer did not answer within %1 s.</source>
        <translation>o temporizador em execução não respondeu em %1 s.</translation>
    </message>
    <message>
        <source>the timer&apos;s socket %1 belongs to another user; nothing was sent to it.</source>
        <translation>o socket %1 do temporizador pertence a outro usuário; nada foi enviado a ele.</translation>
    </message>
    <message>
        <source>tempiro: could not listen on %1; this timer takes no commands from the command line.
</source>
        <translation>tempiro: não foi possível escutar em %1; este temporizador não aceita comandos da linha de comando.
</translation>
    </message>
    <message>
        <source>tempiro: Tempiro Timer is not running.
</source>
        <translation>tempiro: o Tempiro Timer não está em execução.
</translation>
    </message>
    <message>
        <source>tempiro: the running timer does not read this request (a different version?).
</source>
        <translation>tempiro: o temporizador em execução não entende esta solicitação (outra versão?).
</translation>
    </message>
    <message>
        <source>tempiro: done, but the answer was too long to send back (over %1 KiB).
</source>
        <translation>tempiro: feito, mas a resposta era longa demais para ser devolvida (mais de %1 KiB).
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
Exemplos:
  tempiro --in 25m --title Chá          um temporizador de 25 minutos chamado Chá
  tempiro --at &quot;12/25/2027 10:00 PM PST&quot; --title Leilão --url https://...
  tempiro --stopwatch                   iniciar um cronômetro
  tempiro --toggle-pause                pausar ou continuar (para um atalho de teclado)
  tempiro --status                      uma linha para uma barra de status

Com os dias visíveis e 11 dias ou mais pela frente, a linha inferior da janela
mostra, como previsto, a data e a hora atuais sob “Hora atual” no lugar da
contagem; --status e a dica do ícone continuam contando.
</translation>
    </message>
    <message>
        <source>Tempiro Timer: a countdown timer for one event at a time. Without options
it opens the timer; with them it sets, pauses or reads the running one.</source>
        <translation>Tempiro Timer: um temporizador de contagem regressiva para um evento por vez. Sem
opções, abre o temporizador; com elas, define, pausa ou lê o que está em execução.</translation>
    </message>
    <message>
        <source>Count down a length: 1:30:00, 25m, 90s, 1h30m, 2h. A day or more (48h) is set as the time it ends.</source>
        <translation>Contar regressivamente uma duração: 1:30:00, 25m, 90s, 1h30m, 2h. Um dia ou mais (48h) é definido como o horário em que termina.</translation>
    </message>
    <message>
        <source>length</source>
        <translation>duração</translation>
    </message>
    <message>
        <source>Count down to a date and time, in your locale or in English, optionally with its zone: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</source>
        <translation>Contar regressivamente até uma data e hora, no formato da sua região ou em inglês, com o fuso horário se quiser: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ...</translation>
    </message>
    <message>
        <source>target</source>
        <translation>horário</translation>
    </message>
    <message>
        <source>Start a stop watch.</source>
        <translation>Iniciar um cronômetro.</translation>
    </message>
    <message>
        <source>The event&apos;s title.</source>
        <translation>O título do evento.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>The event&apos;s web address.</source>
        <translation>O endereço web do evento.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>endereço</translation>
    </message>
    <message>
        <source>Warn with beeps this many minutes before the end (a whole number); 0 turns warnings off.</source>
        <translation>Avisar com bipes tantos minutos antes do fim (um número inteiro); 0 desliga os avisos.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Open the timer on the due day.</source>
        <translation>Abrir o temporizador no dia do vencimento.</translation>
    </message>
    <message>
        <source>Do not open the timer on the due day.</source>
        <translation>Não abrir o temporizador no dia do vencimento.</translation>
    </message>
    <message>
        <source>Pause the display.</source>
        <translation>Pausar a exibição.</translation>
    </message>
    <message>
        <source>Resume a paused display.</source>
        <translation>Continuar uma exibição pausada.</translation>
    </message>
    <message>
        <source>Pause, or resume when paused.</source>
        <translation>Pausar, ou continuar se pausado.</translation>
    </message>
    <message>
        <source>Print the time left as one line.</source>
        <translation>Mostrar o tempo restante em uma linha.</translation>
    </message>
    <message>
        <source>With --status: print one JSON object.</source>
        <translation>Com --status: mostrar um objeto JSON.</translation>
    </message>
    <message>
        <source>Open the Enter Time dialog.</source>
        <translation>Abrir o diálogo “Informar horário”.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ajuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostrar a versão.</translation>
    </message>
    <message>
        <source>Usage: tempiro [options]</source>
        <translation>Uso: tempiro [opções]</translation>
    </message>
    <message>
        <source>tempiro: %1
%2
See tempiro --help for the options.
</source>
        <translation>tempiro: %1
%2
Veja tempiro --help para as opções.
</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>give one of --in, --at and --stopwatch</source>
        <translation>informe apenas uma entre --in, --at e --stopwatch</translation>
    </message>
    <message>
        <source>give one of --pause, --resume and --toggle-pause</source>
        <translation>informe apenas uma entre --pause, --resume e --toggle-pause</translation>
    </message>
    <message>
        <source>give --auto-open or --no-auto-open, not both</source>
        <translation>informe --auto-open ou --no-auto-open, não as duas</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json é usada com --status</translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a length can be at most %n days.</source>
        <translation>
            <numerusform>tempiro: uma duração pode ter no máximo %n dia.</numerusform>
            <numerusform>tempiro: uma duração pode ter no máximo %n dias.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a title can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro: um título pode ter no máximo %n caractere.</numerusform>
            <numerusform>tempiro: um título pode ter no máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tempiro: a web address can be at most %n characters.</source>
        <translation>
            <numerusform>tempiro: um endereço web pode ter no máximo %n caractere.</numerusform>
            <numerusform>tempiro: um endereço web pode ter no máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>tempiro: the command is too long to send (over %1 KiB).</source>
        <translation>tempiro: o comando é longo demais para ser enviado (mais de %1 KiB).</translation>
    </message>
    <message>
        <source>tempiro: %1 is longer than an Interval can be (23:59:59); the alarm is set to end at %2.
</source>
        <translation>tempiro: %1 é mais longo do que um intervalo pode ser (23:59:59); o alarme vai terminar às %2.
</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1
</source>
        <translation>O Tempiro Timer não conseguiu salvar suas configurações: %1
</translation>
    </message>
</context>
<context>
    <name>DisplayText</name>
    <message>
        <source>Stop Watch</source>
        <translation>Cronômetro</translation>
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
        <translation>dias</translation>
    </message>
    <message>
        <source>Days</source>
        <comment>the heading over the total of days</comment>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Hora do alarme</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Time Remain</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Time Expired</source>
        <translation>Tempo esgotado</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>Hora atual</translation>
    </message>
    <message>
        <source>Timing of %1</source>
        <translation>Cronometrando %1</translation>
    </message>
    <message>
        <source>Tempiro to %1</source>
        <translation>Tempiro até %1</translation>
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
        <translation>mais %1</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
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
        <translation>menos de um minuto</translation>
    </message>
    <message>
        <source>expired %1 ago</source>
        <translation>esgotado há %1</translation>
    </message>
    <message>
        <source>%1 left, ends %2</source>
        <translation>faltam %1, termina %2</translation>
    </message>
    <message>
        <source>paused, %1</source>
        <translation>pausado, %1</translation>
    </message>
    <message>
        <source>%1 (not running)</source>
        <translation>%1 (não está em execução)</translation>
    </message>
    <message>
        <source>%1 elapsed</source>
        <translation>%1 decorridos</translation>
    </message>
    <message>
        <source>ends %1</source>
        <translation>termina %1</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>pausado</translation>
    </message>
</context>
<context>
    <name>EntryText</name>
    <message>
        <source>Date/time is not in the correct format.</source>
        <translation>A data ou hora não está no formato correto.</translation>
    </message>
    <message>
        <source>Date must be within 30 years.</source>
        <translation>A data deve estar dentro de 30 anos.</translation>
    </message>
    <message>
        <source>Date/time must be in the future.</source>
        <translation>A data ou hora deve estar no futuro.</translation>
    </message>
    <message>
        <source>Interval must be a length, like 1:30:00.</source>
        <translation>O intervalo deve ser uma duração, como 1:30:00.</translation>
    </message>
    <message>
        <source>Warning minutes must be a number from -32768 to 32767.</source>
        <translation>Os minutos de aviso devem ser um número de -32768 a 32767.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>==============Main Screen=====================</source>
        <translation>==============Janela principal=====================</translation>
    </message>
    <message>
        <source>  Main Menu:</source>
        <translation>  Menu principal:</translation>
    </message>
    <message>
        <source>   Set Menu -&gt; Set Alarm-&gt; set the alarm or stopwatch. Set Clock-&gt; open Tavolek</source>
        <translation>   Menu Definir -&gt; Alarme-&gt; define o alarme ou o cronômetro. Relógio-&gt; abre o Tavolek</translation>
    </message>
    <message>
        <source>   Display Menu -&gt; set the clock display</source>
        <translation>   Menu Exibir -&gt; define a exibição do relógio</translation>
    </message>
    <message>
        <source>     Seconds...Days -&gt; shows the time remaining in units selected</source>
        <translation>     Segundos...Dias -&gt; mostra o tempo restante nas unidades escolhidas</translation>
    </message>
    <message>
        <source>     Total Days     -&gt; shows the total number of days left.</source>
        <translation>     Total de dias  -&gt; mostra o número total de dias restantes.</translation>
    </message>
    <message>
        <source>     Labels         -&gt; turns on/off labels displayed</source>
        <translation>     Rótulos        -&gt; mostra/oculta os rótulos</translation>
    </message>
    <message>
        <source>     Menus          -&gt; turns on/off menus (click on form edge to toggle)</source>
        <translation>     Menus          -&gt; mostra/oculta os menus (um clique na borda da janela alterna)</translation>
    </message>
    <message>
        <source>     Show Local Time-&gt; turns on/off local time display</source>
        <translation>     Mostrar hora local-&gt; mostra/oculta a hora local</translation>
    </message>
    <message>
        <source>     Keep On Top    -&gt; when enabled, forces tempiro screen to stay visible</source>
        <translation>     Sempre no topo -&gt; quando ativado, mantém a janela do Tempiro visível</translation>
    </message>
    <message>
        <source>   Tools Menu -&gt; Lets you create an appointment in MS Outlook to coincide with event.</source>
        <translation>   Menu Ferramentas -&gt; cria um compromisso no MS Outlook no horário do evento.</translation>
    </message>
    <message>
        <source>  Shortcuts: </source>
        <translation>  Atalhos: </translation>
    </message>
    <message>
        <source>    Clicking Clock Window opens time set form.</source>
        <translation>    Um clique na linha do relógio abre a janela para definir o horário.</translation>
    </message>
    <message>
        <source>    Clicking Time  Window pauses the time display.</source>
        <translation>    Um clique na linha do tempo pausa a exibição.</translation>
    </message>
    <message>
        <source>=============Enter Time Screen================</source>
        <translation>=============Janela Informar horário================</translation>
    </message>
    <message>
        <source>  Enter the time and description of the event being timed</source>
        <translation>  Informe o horário e a descrição do evento cronometrado</translation>
    </message>
    <message>
        <source>   Input is expected in local the &lt;date&gt; &lt;time&gt; formats, </source>
        <translation>   A entrada é esperada nos formatos locais de &lt;data&gt; &lt;hora&gt;, </translation>
    </message>
    <message>
        <source>   Date formats: Enter valid date formats in region located. For users in the U.S. include month/day/year (i.e. 7/14/04) or in full month word format (i.e. July 14, 2004)</source>
        <translation>   Formatos de data: informe um formato de data válido na sua região. Nos EUA, por exemplo, mês/dia/ano (ex.: 7/14/04) ou com o mês por extenso (ex.: July 14, 2004)</translation>
    </message>
    <message>
        <source>   Time formats Enter valid time format in region located. U.S. users can use either a 12 hour AM/PM format (i.e. 1:15 PM) or a 24 hour clock format (i.e. 13:15).</source>
        <translation>   Formatos de hora: informe um formato de hora válido na sua região. Nos EUA pode-se usar o formato de 12 horas com AM/PM (ex.: 1:15 PM) ou o de 24 horas (ex.: 13:15).</translation>
    </message>
    <message>
        <source>   Invalid date or time strings, including dates in the past, will not be accepted by the form.</source>
        <translation>   Datas ou horas inválidas, inclusive datas passadas, não são aceitas.</translation>
    </message>
    <message>
        <source>  Mode: </source>
        <translation>  Modo: </translation>
    </message>
    <message>
        <source>     Timed - enter the end time of the event</source>
        <translation>     Horário - informe o horário de término do evento</translation>
    </message>
    <message>
        <source>     Interval - enter the length of time the event will last</source>
        <translation>     Intervalo - informe quanto tempo o evento vai durar</translation>
    </message>
    <message>
        <source>     Stop Watch - time an event</source>
        <translation>     Cronômetro - cronometrar um evento</translation>
    </message>
    <message>
        <source>  Auto Open: Check to start timer automatically from Tavolek on day the event expires</source>
        <translation>  Abrir automaticamente: marque para que o Tavolek inicie o temporizador no dia em que o evento vence</translation>
    </message>
    <message>
        <source>     Tavolek must be running to start the Tempiro Timer</source>
        <translation>     O Tavolek precisa estar em execução para iniciar o Tempiro Timer</translation>
    </message>
    <message>
        <source>  Warn Me:   Check to sound a series of warning beeps xx minutes before event expires</source>
        <translation>  Avisar:    marque para emitir uma série de bipes de aviso xx minutos antes do fim do evento</translation>
    </message>
    <message>
        <source>  (minutes): select how many minutes before event ends to begin warnings</source>
        <translation>  (minutos): escolha quantos minutos antes do fim os avisos começam</translation>
    </message>
    <message>
        <source>  Event URL: Web address of event being timed. Provides a web link on main screen to jump to event being timed</source>
        <translation>  URL do evento: endereço web do evento cronometrado. Coloca na janela principal um link para o evento</translation>
    </message>
    <message>
        <source>    You can cut and paste an auction end time directly in the enter time window </source>
        <translation>    Você pode copiar e colar o horário de término de um leilão direto na janela Informar horário;</translation>
    </message>
    <message>
        <source>   the Tempiro utility will convert the end time to local time. </source>
        <translation>   o Tempiro converte o horário de término para a hora local. </translation>
    </message>
</context>
<context>
    <name>LaunchText</name>
    <message>
        <source>No desktop entry %1</source>
        <translation>Nenhuma entrada de desktop %1</translation>
    </message>
    <message>
        <source>Error in loading IEXPLORE.</source>
        <translation>Erro ao carregar o IEXPLORE.</translation>
    </message>
    <message>
        <source>RadozArod cannot function correctly without Browser</source>
        <translation>O RadozArod não funciona corretamente sem navegador</translation>
    </message>
    <message>
        <source>Problem running Browser</source>
        <translation>Problema ao executar o navegador</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarm expired</source>
        <translation>Alarme esgotado</translation>
    </message>
    <message>
        <source>Start browser and go to %1</source>
        <translation>Inicie o navegador e vá para %1</translation>
    </message>
    <message>
        <source>Cannot find Web Browser.</source>
        <translation>Nenhum navegador web encontrado.</translation>
    </message>
    <message>
        <source>Can&apos;t start Web browser. Error: %1  Description: %2</source>
        <translation>Não é possível iniciar o navegador web. Erro: %1  Descrição: %2</translation>
    </message>
    <message>
        <source>Cannot start Web Browser.</source>
        <translation>Não é possível iniciar o navegador web.</translation>
    </message>
    <message>
        <source>Cannot start shell.</source>
        <translation>Não é possível iniciar o shell.</translation>
    </message>
</context>
<context>
    <name>StorageText</name>
    <message>
        <source>not enough memory for the companion clock&apos;s file</source>
        <translation>memória insuficiente para o arquivo do relógio companheiro</translation>
    </message>
    <message>
        <source>another program is writing %1</source>
        <translation>outro programa está gravando %1</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>sem permissão para gravar em %1</translation>
    </message>
    <message>
        <source>cannot write in %1</source>
        <translation>não é possível gravar em %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>não é possível ler %1</translation>
    </message>
</context>
<context>
    <name>tempiro::Timer</name>
    <message>
        <source>The system clock is not synchronised: the countdown may be off by the clock&apos;s error.</source>
        <translation>O relógio do sistema não está sincronizado: a contagem regressiva pode se desviar tanto quanto o erro do relógio.</translation>
    </message>
    <message>
        <source>The countdown</source>
        <translation>A contagem regressiva</translation>
    </message>
    <message>
        <source>%1 ends at %2</source>
        <comment>why sleep is held off</comment>
        <translation>%1 termina às %2</translation>
    </message>
    <message>
        <source>Ended at %1, while the computer was asleep.</source>
        <translation>Terminou às %1, enquanto o computador estava suspenso.</translation>
    </message>
    <message>
        <source>Show Timer</source>
        <translation>Mostrar temporizador</translation>
    </message>
    <message>
        <source>Open Event Page</source>
        <translation>Abrir página do evento</translation>
    </message>
    <message>
        <source>Snooze 5 Minutes</source>
        <translation>Soneca de 5 minutos</translation>
    </message>
    <message>
        <source>Tempiro Timer could not read its settings and kept the file as %1; it started with its first settings.</source>
        <translation>O Tempiro Timer não conseguiu ler suas configurações e guardou o arquivo como %1; ele iniciou com as configurações iniciais.</translation>
    </message>
    <message>
        <source>Tempiro Timer could not save its settings: %1</source>
        <translation>O Tempiro Timer não conseguiu salvar suas configurações: %1</translation>
    </message>
</context>
<context>
    <name>tempiro::frmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Clique para fechar a janela.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Aviso: ...</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informações do &amp;sistema…</translation>
    </message>
    <message>
        <source>Show Microsoft System information.</source>
        <translation>Mostrar as informações do sistema da Microsoft.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
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
        <translation>Livre para usar e compartilhar.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
    <message>
        <source>It can be installed as a Windows 95 Accessory</source>
        <translation>Elas podem ser instaladas como acessório do Windows 95</translation>
    </message>
</context>
<context>
    <name>tempiro::frmEnterTime</name>
    <message>
        <source>Enter a date/time (mm/dd/yy hh:mm:ss)  for the alarm.</source>
        <translation>Informe a data e a hora do alarme (dd/mm/aa hh:mm:ss).</translation>
    </message>
    <message>
        <source>Enter the time interval (hh:mm:ss) to set the alarm.</source>
        <translation>Informe o intervalo (hh:mm:ss) do alarme.</translation>
    </message>
    <message>
        <source>Operate in the stop watch mode.</source>
        <translation>Funcionar como cronômetro.</translation>
    </message>
    <message>
        <source>Enter Time</source>
        <translation>Informar horário</translation>
    </message>
    <message>
        <source>Time for next setting:</source>
        <translation>Horário do alarme:</translation>
    </message>
    <message>
        <source>Edit or enter the time for the setting to occur</source>
        <translation>Informe ou altere o horário do alarme</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Horário</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Intervalo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>To set time and exit form.</source>
        <translation>Aplica o horário e fecha a janela.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>To exit form without setting time.</source>
        <translation>Fecha a janela sem aplicar o horário.</translation>
    </message>
    <message>
        <source>&amp;Stop Watch</source>
        <translation>&amp;Cronômetro</translation>
    </message>
    <message>
        <source>Event description</source>
        <translation>Descrição do evento</translation>
    </message>
    <message>
        <source>Event title:</source>
        <translation>Título do evento:</translation>
    </message>
    <message>
        <source>warn me                minutes before ending</source>
        <comment>the run of blanks is where the minutes box stands: keep one of two blanks or more</comment>
        <translation>avisar                minutos antes do fim</translation>
    </message>
    <message>
        <source>Sound a warning beep 5 minutes before event expires</source>
        <translation>Emitir um bipe de aviso 5 minutos antes do fim do evento</translation>
    </message>
    <message>
        <source>Web address of event being timed</source>
        <translation>Endereço web do evento cronometrado</translation>
    </message>
    <message>
        <source>Event URL:</source>
        <translation>URL do evento:</translation>
    </message>
    <message>
        <source>auto open on due date</source>
        <translation>abrir no dia do vencimento</translation>
    </message>
    <message>
        <source>Check to start timer automatically on event due date</source>
        <translation>Marque para iniciar o temporizador no dia do vencimento</translation>
    </message>
    <message>
        <source>Warning minutes</source>
        <translation>Minutos de aviso</translation>
    </message>
    <message numerus="yes">
        <source>Warn me %n minutes before ending</source>
        <translation>
            <numerusform>Avisar %n minuto antes do fim</numerusform>
            <numerusform>Avisar %n minutos antes do fim</numerusform>
        </translation>
    </message>
    <message>
        <source>Warn me %1 minutes before ending</source>
        <comment>not a whole number</comment>
        <translation>Avisar %1 minutos antes do fim</translation>
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
=============Teclas e mais====================
  F10, ou Alt sozinho -&gt; abre os menus (mostrando antes uma barra de menus oculta).
  Pause ou Ctrl+P -&gt; pausa ou continua o temporizador.
  Espaço ou Enter na linha do tempo -&gt; pausa ou continua, como um clique.
  Menu Exibir -&gt; Ícone na área de notificação: o tempo restante no painel, com um menu
    para mostrar o temporizador, pausá-lo, definir o alarme ou sair.
  Menu Ferramentas -&gt; Manter o computador ativo perto do fim: sem suspensão nem tela
    apagada do primeiro aviso até um minuto depois do fim.
  Linha de comando: tempiro --in 10m --title Chá define o temporizador, iniciado ou não;
    tempiro --help lista todos os comandos.</translation>
    </message>
    <message>
        <source>Tempiro Timer Help</source>
        <translation>Ajuda do Tempiro Timer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Press to exit screen.</source>
        <translation>Clique para fechar a janela.</translation>
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
        <translation>&amp;Minutos</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Horas</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Dias</translation>
    </message>
    <message>
        <source>&amp;Total Days</source>
        <translation>&amp;Total de dias</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Rótulos</translation>
    </message>
    <message>
        <source>&amp;Menus</source>
        <translation>M&amp;enus</translation>
    </message>
    <message>
        <source>Show Local &amp;Time</source>
        <translation>Mostrar hora &amp;local</translation>
    </message>
    <message>
        <source>Keep on Top</source>
        <translation>Sempre no topo</translation>
    </message>
    <message>
        <source>Notification Area Icon</source>
        <translation>Ícone na área de notificação</translation>
    </message>
    <message>
        <source>Event web address</source>
        <translation>Endereço web do evento</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <source>Opens the event&apos;s web page.</source>
        <translation>Abre a página web do evento.</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Definir</translation>
    </message>
    <message>
        <source>&amp;Alarm...</source>
        <translation>&amp;Alarme…</translation>
    </message>
    <message>
        <source>&amp;Clock...</source>
        <translation>&amp;Relógio…</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>Create &amp;Appointment in Outlook</source>
        <translation>Criar &amp;compromisso no Outlook</translation>
    </message>
    <message>
        <source>Keep Computer Awake Near the End</source>
        <translation>Manter o computador ativo perto do fim</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Marrowby Software &amp;Web Site</source>
        <translation>&amp;Site da Marrowby Software</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>This desktop (Wayland) does not let a program keep its window on top.</source>
        <translation>Este ambiente (Wayland) não permite que um programa mantenha sua janela no topo.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a notice said: its title, its text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Continuado</translation>
    </message>
    <message>
        <source>Please contact us at:</source>
        <translation>Entre em contato conosco em:</translation>
    </message>
</context>
<context>
    <name>tempiro::mainwindow::TimeDisplay</name>
    <message>
        <source>The alarm time, the start of the stop watch or the local time. Click to set the alarm.</source>
        <translation>A hora do alarme, o início do cronômetro ou a hora local. Clique para definir o alarme.</translation>
    </message>
    <message>
        <source>The time that remains or has elapsed. Click to pause or resume.</source>
        <translation>O tempo que resta ou que decorreu. Clique para pausar ou continuar.</translation>
    </message>
    <message>
        <source>System Time</source>
        <translation>Hora do sistema</translation>
    </message>
    <message>
        <source>, paused</source>
        <comment>after the lower line&apos;s time, said</comment>
        <translation>, pausado</translation>
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
        <translation>Mostrar o Tempiro Timer</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation>Definir alarme…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
</context>
</TS>
