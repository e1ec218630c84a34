#include "command/Command.h"

#include "core/DayCount.h"
#include "core/TimerFacts.h"
#include "core/Translate.h"
#include "core/WarningMinutes.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace tempiro::command {

namespace {

// The request's first line: the protocol and its version. A copy that reads another version
// says so rather than guessing.
const QByteArray kRequestHeader = QByteArrayLiteral("tempiro-command 1\n");

const char* const kExamples = QT_TRANSLATE_NOOP(
    "CommandText",
    "\n"
    "Examples:\n"
    "  tempiro --in 25m --title Tea          a 25-minute timer called Tea\n"
    "  tempiro --at \"12/25/2027 10:00 PM PST\" --title Auction --url https://...\n"
    "  tempiro --stopwatch                   start a stop watch\n"
    "  tempiro --toggle-pause                pause or resume (for a key binding)\n"
    "  tempiro --status                      one line for a status bar\n"
    "\n"
    "With Days shown and 11 days or more to go, the window's lower line shows the\n"
    "current date and time under \"Current Time\" instead of the count, as the design\n"
    "has it; --status and the item's tooltip still count down.\n");

void put(QJsonObject& o, const char* key, const std::optional<QString>& value) {
    if (value)
        o[QLatin1String(key)] = *value;
}

std::optional<QString> text(const QJsonObject& o, const char* key) {
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isString() ? std::optional(v.toString()) : std::nullopt;
}

} // namespace

bool Command::setsAlarm() const {
    return mode || title || url || warnMinutes || autoOpen;
}

QByteArray Command::toRequest() const {
    QJsonObject o;
    if (mode)
        o[QStringLiteral("mode")] = *mode;
    o[QStringLiteral("time")] = timeText;
    put(o, "title", title);
    put(o, "url", url);
    put(o, "warn", warnMinutes);
    if (lengthSeconds)
        o[QStringLiteral("length")] = double(*lengthSeconds);
    if (autoOpen)
        o[QStringLiteral("autoOpen")] = *autoOpen;
    o[QStringLiteral("pause")] = int(pause);
    o[QStringLiteral("status")] = status;
    o[QStringLiteral("json")] = json;
    o[QStringLiteral("enterTime")] = enterTime;
    o[QStringLiteral("locale")] = locale;
    o[QStringLiteral("zone")] = zone;
    return kRequestHeader + QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<Command> Command::fromRequest(const QByteArray& request) {
    if (!request.startsWith(kRequestHeader))
        return std::nullopt;
    const QJsonDocument doc = QJsonDocument::fromJson(request.mid(kRequestHeader.size()));
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    Command c;
    if (o.contains(QStringLiteral("mode")))
        c.mode = o.value(QStringLiteral("mode")).toInt(-1);
    if (c.mode && (*c.mode < kModeTime || *c.mode > kModeStopWatch))
        return std::nullopt;
    c.timeText = o.value(QStringLiteral("time")).toString();
    c.title = text(o, "title");
    c.url = text(o, "url");
    c.warnMinutes = text(o, "warn");
    if (const QJsonValue length = o.value(QStringLiteral("length")); length.isDouble())
        c.lengthSeconds = qint64(length.toDouble());
    if (o.value(QStringLiteral("autoOpen")).isBool())
        c.autoOpen = o.value(QStringLiteral("autoOpen")).toBool();
    const int pause = o.value(QStringLiteral("pause")).toInt();
    if (pause < int(Pause::None) || pause > int(Pause::Toggle))
        return std::nullopt;
    c.pause = Pause(pause);
    c.status = o.value(QStringLiteral("status")).toBool();
    c.json = o.value(QStringLiteral("json")).toBool();
    c.enterTime = o.value(QStringLiteral("enterTime")).toBool();
    c.locale = o.value(QStringLiteral("locale")).toString();
    c.zone = o.value(QStringLiteral("zone")).toString();
    return c;
}

QByteArray Answer::toBytes() const {
    return QJsonDocument(QJsonObject{{QStringLiteral("status"), status},
                                     {QStringLiteral("out"), out},
                                     {QStringLiteral("err"), err}})
        .toJson(QJsonDocument::Compact);
}

std::optional<Answer> Answer::fromBytes(const QByteArray& bytes) {
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    return Answer{o.value(QStringLiteral("status")).toInt(kExitFailed),
                  o.value(QStringLiteral("out")).toString(),
                  o.value(QStringLiteral("err")).toString()};
}

Length readLength(const QString& length) {
    static const QRegularExpression units(QStringLiteral("^(?:(\\d+)h)?(?:(\\d+)m)?(?:(\\d+)s)?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression clock(QStringLiteral("^(\\d+):([0-5]\\d):([0-5]\\d)$"));
    const QString trimmed = length.trimmed();
    QRegularExpressionMatch m = units.match(trimmed);
    if (trimmed.isEmpty() || !m.hasMatch())
        m = clock.match(trimmed);
    if (trimmed.isEmpty() || !m.hasMatch())
        return {};
    Length read;
    qint64 seconds = 0;
    const qint64 factors[] = {3600, 60, 1};
    for (int i = 0; i < 3; ++i) {
        bool counted = true;
        const qint64 number =
            m.captured(i + 1).isEmpty() ? 0 : m.captured(i + 1).toLongLong(&counted);
        if (!counted || number > kMaxLengthDays * kSecondsInDay)
            return {std::nullopt, true};
        seconds += number * factors[i];
    }
    read.seconds = seconds;
    read.tooLong = seconds > kMaxLengthDays * kSecondsInDay;
    return read;
}

QString lengthText(const QString& length) {
    const Length read = readLength(length);
    // A length already in h:mm:ss stays as typed, for the Interval box to read.
    if (!read.seconds || length.contains(u':'))
        return length.trimmed();
    return clockText(*read.seconds);
}

QString terminalSafe(const QString& text) {
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control && c != QChar::LineSeparator &&
            c != QChar::ParagraphSeparator) {
            safe += c;
            continue;
        }
        switch (c.unicode()) {
        case u'\n':
            safe += QLatin1String("\\n");
            break;
        case u'\r':
            safe += QLatin1String("\\r");
            break;
        case u'\t':
            safe += QLatin1String("\\t");
            break;
        default:
            safe += c.unicode() < 0x100
                        ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                        : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    return safe;
}

ParsedArguments parseArguments(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(CommandText::tr(
        "Tempiro Timer: a countdown timer for one event at a time. Without options\n"
        "it opens the timer; with them it sets, pauses or reads the running one."));
    const QCommandLineOption in(
        QStringLiteral("in"),
        CommandText::tr("Count down a length: 1:30:00, 25m, 90s, 1h30m, 2h. A day or more (48h) is "
                        "set as the time it ends."),
        CommandText::tr("length"));
    const QCommandLineOption at(
        QStringLiteral("at"),
        CommandText::tr("Count down to a date and time, in your locale or in English, optionally "
                        "with its zone: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ..."),
        CommandText::tr("target"));
    const QCommandLineOption stopWatch(QStringLiteral("stopwatch"),
                                       CommandText::tr("Start a stop watch."));
    const QCommandLineOption title(QStringLiteral("title"), CommandText::tr("The event's title."),
                                   CommandText::tr("text"));
    const QCommandLineOption url(QStringLiteral("url"), CommandText::tr("The event's web address."),
                                 CommandText::tr("address"));
    const QCommandLineOption warn(
        QStringLiteral("warn"),
        CommandText::tr(
            "Warn with beeps this many minutes before the end (a whole number); 0 turns "
            "warnings off."),
        CommandText::tr("minutes"));
    const QCommandLineOption autoOpen(QStringLiteral("auto-open"),
                                      CommandText::tr("Open the timer on the due day."));
    const QCommandLineOption noAutoOpen(QStringLiteral("no-auto-open"),
                                        CommandText::tr("Do not open the timer on the due day."));
    const QCommandLineOption pause(QStringLiteral("pause"), CommandText::tr("Pause the display."));
    const QCommandLineOption resume(QStringLiteral("resume"),
                                    CommandText::tr("Resume a paused display."));
    const QCommandLineOption toggle(QStringLiteral("toggle-pause"),
                                    CommandText::tr("Pause, or resume when paused."));
    const QCommandLineOption status(QStringLiteral("status"),
                                    CommandText::tr("Print the time left as one line."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  CommandText::tr("With --status: print one JSON object."));
    const QCommandLineOption setAlarm(QStringLiteral("set-alarm"),
                                      CommandText::tr("Open the Enter Time dialog."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandText::tr("Show this help."));
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         CommandText::tr("Show the version."));
    parser.addOptions({in, at, stopWatch, title, url, warn, autoOpen, noAutoOpen, pause, resume,
                       toggle, status, json, setAlarm, help, showVersion});

    // The program's own name, whatever the running file is called (and there is no application
    // object yet to ask).
    const QString usageLine = CommandText::tr("Usage: tempiro [options]");
    const auto usage = [&] {
        const QString help = parser.helpText();
        return usageLine + help.mid(help.indexOf(u'\n'));
    };
    ParsedArguments result;
    const auto usageError = [&](const QString& message) {
        result.immediate = {
            kExitBadInput,
            {},
            CommandText::tr("tempiro: %1\n%2\nSee tempiro --help for the options.\n")
                .arg(message, usageLine)};
        return result;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            CommandText::tr("unexpected argument: %1").arg(parser.positionalArguments().first()));
    if (parser.isSet(help)) {
        result.immediate.out = usage() + CommandText::tr(kExamples);
        return result;
    }
    if (parser.isSet(showVersion)) {
        result.immediate.out = QStringLiteral("Tempiro Timer ") + version + u'\n';
        return result;
    }
    const int alarms = int(parser.isSet(in)) + int(parser.isSet(at)) + int(parser.isSet(stopWatch));
    const int pauses =
        int(parser.isSet(pause)) + int(parser.isSet(resume)) + int(parser.isSet(toggle));
    if (alarms > 1)
        return usageError(CommandText::tr("give one of --in, --at and --stopwatch"));
    if (pauses > 1)
        return usageError(CommandText::tr("give one of --pause, --resume and --toggle-pause"));
    if (parser.isSet(autoOpen) && parser.isSet(noAutoOpen))
        return usageError(CommandText::tr("give --auto-open or --no-auto-open, not both"));
    if (parser.isSet(json) && !parser.isSet(status))
        return usageError(CommandText::tr("--json goes with --status"));

    // Mistakes in a value: the dialog's own message where the dialog has one, and nothing sent.
    const auto refuse = [&](const QString& message) {
        result.immediate = {kExitBadInput, {}, message + u'\n'};
        return result;
    };
    Command c;
    if (parser.isSet(in)) {
        const Length length = readLength(parser.value(in));
        if (length.tooLong)
            return refuse(counted(
                "CommandText",
                QT_TRANSLATE_N_NOOP("CommandText", "tempiro: a length can be at most %n days."),
                "tempiro: a length can be at most %n day.", kMaxLengthDays));
        c.mode = kModeInterval;
        c.timeText = lengthText(parser.value(in));
        // The Interval box holds less than a day; the command line counts longer lengths to
        // the moment they end.
        if (length.seconds && *length.seconds >= kSecondsInDay) {
            c.mode = kModeTime;
            c.timeText.clear();
            c.lengthSeconds = length.seconds;
        }
    } else if (parser.isSet(at)) {
        c.mode = kModeTime;
        c.timeText = parser.value(at);
    } else if (parser.isSet(stopWatch)) {
        c.mode = kModeStopWatch;
    }
    if (parser.isSet(title))
        c.title = parser.value(title);
    if (parser.isSet(url))
        c.url = parser.value(url);
    if (parser.isSet(warn)) {
        // A whole number, as the dialog's box takes it: "abc", "0.5" or "12abc" is a mistake
        // here, where no box shows what was read.
        static const QRegularExpression whole(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
        c.warnMinutes = parser.value(warn);
        if (!whole.match(*c.warnMinutes).hasMatch() || !minutesFromText(*c.warnMinutes))
            return refuse(warningOutOfRange());
    }
    if (c.title && c.title->size() > kMaxTitleLength)
        return refuse(counted(
            "CommandText",
            QT_TRANSLATE_N_NOOP("CommandText", "tempiro: a title can be at most %n characters."),
            "tempiro: a title can be at most %n character.", kMaxTitleLength));
    if (c.url && c.url->size() > kMaxUrlLength)
        return refuse(
            counted("CommandText",
                    QT_TRANSLATE_N_NOOP("CommandText",
                                        "tempiro: a web address can be at most %n characters."),
                    "tempiro: a web address can be at most %n character.", kMaxUrlLength));
    if (parser.isSet(autoOpen) || parser.isSet(noAutoOpen))
        c.autoOpen = parser.isSet(autoOpen);
    if (parser.isSet(pause))
        c.pause = Command::Pause::Pause;
    else if (parser.isSet(resume))
        c.pause = Command::Pause::Resume;
    else if (parser.isSet(toggle))
        c.pause = Command::Pause::Toggle;
    c.status = parser.isSet(status);
    c.json = parser.isSet(json);
    c.enterTime = parser.isSet(setAlarm);
    if (c.toRequest().size() > kMaxRequestBytes)
        return refuse(CommandText::tr("tempiro: the command is too long to send (over %1 KiB).")
                          .arg(kMaxRequestBytes / 1024));
    result.command = c;
    return result;
}

} // namespace tempiro::command
