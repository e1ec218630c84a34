#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tempiro::command {

// What a command line asks of the timer: a new alarm, changes to the running alarm's fields,
// a pause, or its status. It travels to a running copy as one small request.
struct Command {
    enum class Pause { None, Pause, Resume, Toggle };

    std::optional<int> mode; // a new alarm: --in, --at or --stopwatch
    QString timeText;        // its length or target, as the Enter Time box would hold it
    // A length of a day or more, which no Interval holds: a Time alarm that many seconds after
    // the running timer's now.
    std::optional<qint64> lengthSeconds;
    std::optional<QString> title;
    std::optional<QString> url;
    std::optional<QString> warnMinutes; // "0" turns warnings off
    std::optional<bool> autoOpen;
    Pause pause = Pause::None;
    bool status = false;
    bool json = false;
    bool enterTime = false; // --set-alarm: the Enter Time dialog, for the user to fill in
    // Where the command was given: its locale ("de_DE") and zone id, in which --at is read.
    QString locale;
    QString zone;

    // Whether it sets or changes an alarm (rather than only pausing or asking).
    bool setsAlarm() const;

    QByteArray toRequest() const;
    // Nothing when the request is not one this version reads.
    static std::optional<Command> fromRequest(const QByteArray& request);
    bool operator==(const Command&) const = default;
};

// The running copy's answer: what to print, and the exit status.
struct Answer {
    int status = 0;
    QString out;
    QString err;
    QByteArray toBytes() const;
    static std::optional<Answer> fromBytes(const QByteArray& bytes);
};

enum ExitStatus : int {
    kExitOk = 0,
    kExitFailed = 1,     // the running copy did not answer
    kExitBadInput = 2,   // a refused entry, an unknown option or a missing value
    kExitNotRunning = 3, // --status (or a pause) with no timer running
};

// The command line read: a command, or what to print and the status to end with (--help,
// --version, a mistake in the options).
struct ParsedArguments {
    std::optional<Command> command;
    Answer immediate;
};
ParsedArguments parseArguments(const QStringList& arguments, const QString& version);

// A length as the Interval mode reads it; "25m", "90s", "1h30m" and "2h" are made "h:mm:ss",
// anything else is left as typed.
QString lengthText(const QString& length);

// A length in units ("36h", "2h30m") or as h:mm:ss, in seconds; nothing when it is neither.
struct Length {
    std::optional<qint64> seconds;
    bool tooLong = false; // over kMaxLengthDays, or a number too large to count
};
Length readLength(const QString& length);
inline constexpr qint64 kMaxLengthDays = 9999;

// What a command line may carry, so that its request and the answer that repeats it fit the
// running copy's limits whatever the characters.
inline constexpr qsizetype kMaxTitleLength = 4096;
inline constexpr qsizetype kMaxUrlLength = 4096;
inline constexpr qsizetype kMaxRequestBytes = 60 * 1024;

// A text for a terminal: control characters written as escapes (\x1b, \n), so that a title
// can neither drive the terminal nor break the one line.
QString terminalSafe(const QString& text);

} // namespace tempiro::command
