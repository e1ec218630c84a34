#include "command/Command.h"

#include "core/DayCount.h"
#include "core/TimerFacts.h"
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

const char* const kExamples = R"(
Examples:
  tempiro --in 25m --title Tea          a 25-minute timer called Tea
  tempiro --at "12/25/2027 10:00 PM PST" --title Auction --url https://...
  tempiro --stopwatch                   start a stop watch
  tempiro --toggle-pause                pause or resume (for a key binding)
  tempiro --status                      one line for a status bar

With Days shown and 11 days or more to go, the window's lower line shows the
current date and time under "Current Time" instead of the count, as the design
has it; --status and the item's tooltip still count down.
)";

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
    parser.setApplicationDescription(
        QStringLiteral("Tempiro Timer: a countdown timer for one event at a time. Without options\n"
                       "it opens the timer; with them it sets, pauses or reads the running one."));
    const QCommandLineOption in(
        QStringLiteral("in"),
        QStringLiteral("Count down a length: 1:30:00, 25m, 90s, 1h30m, 2h. A day or more (48h) is "
                       "set as the time it ends."),
        QStringLiteral("length"));
    const QCommandLineOption at(
        QStringLiteral("at"),
        QStringLiteral("Count down to a date and time, in your locale or in English, optionally "
                       "with its zone: PST ... EDT, UTC, GMT, Z, +01:00, UTC+1, CET, AEDT ..."),
        QStringLiteral("target"));
    const QCommandLineOption stopWatch(QStringLiteral("stopwatch"),
                                       QStringLiteral("Start a stop watch."));
    const QCommandLineOption title(QStringLiteral("title"), QStringLiteral("The event's title."),
                                   QStringLiteral("text"));
    const QCommandLineOption url(QStringLiteral("url"), QStringLiteral("The event's web address."),
                                 QStringLiteral("address"));
    const QCommandLineOption warn(
        QStringLiteral("warn"),
        QStringLiteral("Warn with beeps this many minutes before the end (a whole number); 0 turns "
                       "warnings off."),
        QStringLiteral("minutes"));
    const QCommandLineOption autoOpen(QStringLiteral("auto-open"),
                                      QStringLiteral("Open the timer on the due day."));
    const QCommandLineOption noAutoOpen(QStringLiteral("no-auto-open"),
                                        QStringLiteral("Do not open the timer on the due day."));
    const QCommandLineOption pause(QStringLiteral("pause"), QStringLiteral("Pause the display."));
    const QCommandLineOption resume(QStringLiteral("resume"),
                                    QStringLiteral("Resume a paused display."));
    const QCommandLineOption toggle(QStringLiteral("toggle-pause"),
                                    QStringLiteral("Pause, or resume when paused."));
    const QCommandLineOption status(QStringLiteral("status"),
                                    QStringLiteral("Print the time left as one line."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --status: print one JSON object."));
    const QCommandLineOption setAlarm(QStringLiteral("set-alarm"),
                                      QStringLiteral("Open the Enter Time dialog."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         QStringLiteral("Show the version."));
    parser.addOptions({in, at, stopWatch, title, url, warn, autoOpen, noAutoOpen, pause, resume,
                       toggle, status, json, setAlarm, help, showVersion});

    // The program's own name, whatever the running file is called (and there is no application
    // object yet to ask).
    const QString usageLine = QStringLiteral("Usage: tempiro [options]");
    const auto usage = [&] {
        const QString help = parser.helpText();
        return usageLine + help.mid(help.indexOf(u'\n'));
    };
    ParsedArguments result;
    const auto usageError = [&](const QString& message) {
        result.immediate = {kExitBadInput,
                            {},
                            QStringLiteral("tempiro: ") + message + u'\n' + usageLine +
                                QStringLiteral("\nSee tempiro --help for the options.\n")};
        return result;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument: ") +
                          parser.positionalArguments().first());
    if (parser.isSet(help)) {
        result.immediate.out = usage() + QLatin1String(kExamples);
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
        return usageError(QStringLiteral("give one of --in, --at and --stopwatch"));
    if (pauses > 1)
        return usageError(QStringLiteral("give one of --pause, --resume and --toggle-pause"));
    if (parser.isSet(autoOpen) && parser.isSet(noAutoOpen))
        return usageError(QStringLiteral("give --auto-open or --no-auto-open, not both"));
    if (parser.isSet(json) && !parser.isSet(status))
        return usageError(QStringLiteral("--json goes with --status"));

    // Mistakes in a value: the dialog's own message where the dialog has one, and nothing sent.
    const auto refuse = [&](const QString& message) {
        result.immediate = {kExitBadInput, {}, message + u'\n'};
        return result;
    };
    Command c;
    if (parser.isSet(in)) {
        const Length length = readLength(parser.value(in));
        if (length.tooLong)
            return refuse(
                QStringLiteral("tempiro: a length can be at most %1 days.").arg(kMaxLengthDays));
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
            return refuse(kOutOfRange);
    }
    if (c.title && c.title->size() > kMaxTitleLength)
        return refuse(
            QStringLiteral("tempiro: a title can be at most %1 characters.").arg(kMaxTitleLength));
    if (c.url && c.url->size() > kMaxUrlLength)
        return refuse(QStringLiteral("tempiro: a web address can be at most %1 characters.")
                          .arg(kMaxUrlLength));
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
        return refuse(QStringLiteral("tempiro: the command is too long to send (over %1 KiB).")
                          .arg(kMaxRequestBytes / 1024));
    result.command = c;
    return result;
}

} // namespace tempiro::command
