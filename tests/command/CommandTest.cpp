#include "command/CommandApply.h"
#include "core/DayCount.h"
#include "fakes/FakeTimer.h"

#include <gtest/gtest.h>

using namespace tempiro;
using command::Command;

TEST(CommandLine, LengthsInUnitsReadAsTheIntervalBoxReadsThem) {
    const std::pair<QString, QString> cases[] = {
        {"25m", "00:25:00"}, {"90s", "00:01:30"},    {"1h30m", "01:30:00"},
        {"2H", "02:00:00"},  {"1:30:00", "1:30:00"}, {" 25:00 ", "25:00"},
    };
    for (const auto& [typed, text] : cases)
        EXPECT_EQ(command::lengthText(typed), text) << typed.toStdString();
}

TEST(CommandLine, ARequestCarriesTheCommandWholeAndNothingElseIsRead) {
    Command c;
    c.mode = kModeTime;
    c.timeText = "12/25/2027 10:00 PM PST";
    c.title = "Auction, \"lot\" 7\n";
    c.warnMinutes = "0";
    c.autoOpen = false;
    c.pause = Command::Pause::Toggle;
    EXPECT_EQ(Command::fromRequest(c.toRequest()), c);
    for (const QByteArray& garbage :
         {QByteArray("tempiro-command 2\n{}"), QByteArray("{}"), QByteArray("tempiro-command 1\n["),
          QByteArray("tempiro-command 1\n{\"mode\":7}")})
        EXPECT_EQ(Command::fromRequest(garbage), std::nullopt) << garbage.toStdString();
}

// What a command line does to the running timer, in three locales: the alarm it makes (target
// as stored, title, warning) or the Enter Time dialog's own message and the exit status. A
// refused command leaves the timer as it was.
TEST(CommandLine, ArgumentsMakeTheAlarmOrTheMessageTheDialogWouldGive) {
    const struct {
        QLocale::Language language;
        QLocale::Country country;
        QStringList arguments;
        int status;
        QString stored; // AlarmTimeISO, or the message on standard error
        QString title;
    } cases[] = {
        {QLocale::English,
         QLocale::UnitedStates,
         {"--in", "25m", "--title", "Tea"},
         0,
         "2026-12-08T09:55:00",
         "Tea"},
        {QLocale::English,
         QLocale::UnitedStates,
         {"--at", "12/25/2027 10:00 PM PST"},
         0,
         "2027-12-26T06:00:00",
         "Kept"},
        {QLocale::English,
         QLocale::UnitedStates,
         {"--title", "Renamed", "--warn", "0"},
         0,
         "2026-12-08T11:30:00",
         "Renamed"},
        {QLocale::English,
         QLocale::UnitedKingdom,
         {"--at", "25/12/2027 22:00"},
         0,
         "2027-12-25T22:00:00",
         "Kept"},
        {QLocale::English,
         QLocale::UnitedKingdom,
         {"--in", "1/1/2027"},
         2,
         "Interval must be a length, like 1:30:00.\n",
         "Kept"},
        {QLocale::German,
         QLocale::Germany,
         {"--at", "25.12.2027 22:00", "--title", "Auktion"},
         0,
         "2027-12-25T22:00:00",
         "Auktion"},
        {QLocale::German,
         QLocale::Germany,
         {"--at", "not a date"},
         2,
         "Date/time is not in the correct format.\n",
         "Kept"},
        {QLocale::English,
         QLocale::UnitedStates,
         {"--at", "1/1/2020 10:00 AM"},
         2,
         "Date/time must be in the future.\n",
         "Kept"},
        {QLocale::English,
         QLocale::UnitedStates,
         {"--in", "5m", "--warn", "99999"},
         2,
         "Warning minutes must be a number from -32768 to 32767.\n",
         "Kept"},
        {QLocale::English,
         QLocale::UnitedStates,
         {"--bogus"},
         2,
         "tempiro: Unknown option 'bogus'.\nUsage: tempiro [options]\nSee tempiro --help for "
         "the options.\n",
         "Kept"},
        {QLocale::English,
         QLocale::UnitedStates,
         {"--in"},
         2,
         "tempiro: Missing value after '--in'.\nUsage: tempiro [options]\nSee tempiro --help for "
         "the options.\n",
         "Kept"},
        {QLocale::English,
         QLocale::UnitedStates,
         {"--stopwatch", "--in", "5m"},
         2,
         "tempiro: give one of --in, --at and --stopwatch\nUsage: tempiro [options]\nSee "
         "tempiro --help for the options.\n",
         "Kept"},
    };
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(c.language, c.country));
        platform::FakePlatform fake;
        fake.clock.set(toDayCount(QDate(2026, 12, 8), QTime(9, 30)));
        Timer timer(fake.services().forTimer());
        timer.load();
        AlarmRequest kept;
        kept.title = "Kept";
        kept.warnMinutes = timer.state().nWarnMin;
        timer.commitAlarm(kept, false);
        const double before = timer.state().dAlarmTime;
        const int flushes = fake.settings.flushes;
        const auto parsed = command::parseArguments(QStringList{"tempiro"} + c.arguments, "1");
        const command::Answer answer =
            parsed.command ? command::applyCommand(timer, *parsed.command) : parsed.immediate;
        const std::string row = c.arguments.join(' ').toStdString();
        EXPECT_EQ(answer.status, c.status) << row;
        EXPECT_EQ(timer.state().sEventTitle, c.title) << row;
        if (c.status == 0) {
            EXPECT_EQ(fake.settings.value("AlarmTimeISO"), c.stored) << row << " saved at once";
            EXPECT_EQ(timer.state().bWarn, !c.arguments.contains("0")) << row;
        } else {
            EXPECT_EQ(answer.err.toStdString(), c.stored.toStdString()) << row;
            EXPECT_EQ(timer.state().dAlarmTime, before) << row;
            EXPECT_EQ(fake.settings.flushes, flushes) << row << " nothing saved";
        }
    }
    QLocale::setDefault(QLocale::c());
}

// A later start hands --at to the running timer with its own locale and zone, in which it is
// read: 3 April 22:00 in Berlin's summer, not 4 March on the running timer's UTC clock.
TEST(CommandLine, AnotherStartsTargetIsReadInItsLocaleAndZone) {
    platform::FakeTimer started;
    command::Command given =
        *command::parseArguments({"tempiro", "--at", "03.04.2027 22:00"}, "1").command;
    given.locale = "de_DE";
    given.zone = "Europe/Berlin";
    const command::Answer answer =
        command::applyCommand(started.timer, *command::Command::fromRequest(given.toRequest()));
    EXPECT_EQ(answer.status, command::kExitOk) << answer.err.toStdString();
    EXPECT_DOUBLE_EQ(started.timer.state().dAlarmTime, toDayCount(QDate(2027, 4, 3), QTime(20, 0)));
}

// --status: one line for people, one JSON object for scripts; paused and expired said.
TEST(CommandLine, TheStatusSaysTheTimeLeftAndTheState) {
    platform::FakeTimer started;
    Timer& timer = started.timer;
    platform::FakeClock& clock = started.fake.clock;
    const auto run = [&](QStringList arguments) {
        return command::applyCommand(
            timer, *command::parseArguments(QStringList{"tempiro"} + arguments, "1").command);
    };
    run({"--at", "12/8/2026 11:29:51 AM", "--title", "Auction"});
    EXPECT_EQ(run({"--status"}).out,
              "Tempiro to Auction: 01:59:51 left, ends 12/8/2026 11:29:51 AM\n");
    EXPECT_EQ(run({"--pause", "--status"}).out,
              "Tempiro to Auction: paused, 01:59:51 left, ends 12/8/2026 11:29:51 AM\n");
    EXPECT_TRUE(timer.state().bPaused);
    clock.advanceSeconds(2 * 3600 + 3 * 60 + 1);
    EXPECT_EQ(run({"--resume", "--status", "--json"}).out,
              "{\"expired\":true,\"mode\":\"time\",\"paused\":false,\"running\":true,"
              "\"secondsLeft\":-190,\"target\":\"2026-12-08T11:29:51Z\",\"title\":\"Auction\","
              "\"url\":\"\",\"warning\":false}\n");
    run({"--stopwatch"});
    clock.advanceSeconds(12 * 60 + 4);
    EXPECT_EQ(run({"--status"}).out, "Timing of Auction: 00:12:04\n");
    run({"--at", "12/25/2027 10:00 PM", "--title", "Auction"});
    EXPECT_EQ(run({"--status"}).out.section(u',', 0, 0).toStdString(),
              "Tempiro to Auction: 382 days 10:14:55 left")
        << "a long wait in days";
}

// Values the command line refuses before anything is sent: status 2 and what is wrong.
TEST(CommandLine, NonsenseAndOversizeValuesAreRefusedBeforeSending) {
    const QString warn = "Warning minutes must be a number from -32768 to 32767.\n";
    const std::pair<QStringList, QString> cases[] = {
        {{"--warn", "abc"}, warn},
        {{"--warn", ""}, warn},
        {{"--warn", "0.5"}, warn},
        {{"--warn", "12abc"}, warn},
        {{"--warn", "32768"}, warn},
        {{"--in", "99999999999999999999h"}, "tempiro: a length can be at most 9999 days.\n"},
        {{"--in", "240000h"}, "tempiro: a length can be at most 9999 days.\n"},
        {{"--title", QString(4097, u'q')}, "tempiro: a title can be at most 4096 characters.\n"},
        {{"--url", QString(4097, u'u')},
         "tempiro: a web address can be at most 4096 characters.\n"},
        {{"--at", QString(70000, u'1')},
         "tempiro: the command is too long to send (over 60 KiB).\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const auto parsed = command::parseArguments(QStringList{"tempiro"} + arguments, "1");
        EXPECT_FALSE(parsed.command) << arguments.join(' ').left(40).toStdString();
        EXPECT_EQ(parsed.immediate.status, command::kExitBadInput);
        EXPECT_EQ(parsed.immediate.err, message);
    }
    for (const QString accepted : {"-5", " 15 ", "+3", "0"})
        EXPECT_TRUE(command::parseArguments({"tempiro", "--warn", accepted}, "1").command)
            << accepted.toStdString();
}

// A length of a day or more is counted to the moment it ends, in real seconds, and said so.
TEST(CommandLine, ALengthOfADayOrMoreBecomesATargetTime) {
    platform::FakeTimer started;
    const double now = started.timer.moment().wall;
    for (const auto& [length, seconds] :
         {std::pair<QString, qint64>{"48h", 172800}, {"24:00:30", 86430}}) {
        const auto parsed = command::parseArguments({"tempiro", "--in", length}, "1");
        const command::Answer answer = command::applyCommand(
            started.timer, *command::Command::fromRequest(parsed.command->toRequest()));
        EXPECT_EQ(answer.status, command::kExitOk) << answer.err.toStdString();
        EXPECT_EQ(started.timer.state().nTimeorInterval, kModeTime);
        EXPECT_NEAR(started.timer.state().dAlarmTime, now + seconds / 86400.0, 1e-6);
        EXPECT_TRUE(answer.err.contains("longer than an Interval can be (23:59:59)"))
            << answer.err.toStdString();
    }
}

// A title cannot drive the terminal that prints the status, nor break its one line.
TEST(CommandLine, ThePlainStatusShowsControlCharactersEscaped) {
    EXPECT_EQ(command::terminalSafe(QString("a\x1b[2J\a") + QChar(0) + "\nb\x7f" + QChar(0x2028)),
              "a\\x1b[2J\\x07\\x00\\nb\\x7f\\u2028");
    platform::FakeTimer started;
    command::applyCommand(
        started.timer,
        *command::parseArguments({"tempiro", "--in", "5m", "--title", "T\x1b\n"}, "1").command);
    const command::Answer answer = command::applyCommand(
        started.timer, *command::parseArguments({"tempiro", "--status"}, "1").command);
    EXPECT_TRUE(answer.out.startsWith("Tempiro to T\\x1b\\n: ")) << answer.out.toStdString();
    EXPECT_EQ(answer.out.count(u'\n'), 1);
}
