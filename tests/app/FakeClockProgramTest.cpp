// The real program under libfaketime: a wall clock that jumps, a machine that sleeps, and a
// clock running sixty times fast for a soak. The program's display is followed through its
// diagnostic lines ("Display: <caption> <lower line>").
#include "ProgramHome.h"
#include "core/DateText.h"
#include "core/DayCount.h"

#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QThread>
#include <algorithm>
#include <array>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>

using namespace tempiro;

namespace {

// One program with its own configuration and data folders and its own clock.
class FakeClockProgram {
public:
    explicit FakeClockProgram(const QByteArray& settings) {
        ProgramHome::writeFile(m_home.settingsFile(), settings);
    }
    ~FakeClockProgram() {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished(3000);
        }
    }

    // A clock read from a file on every look, so that the test can move it while the program
    // runs; timers keep real time, as they do when the wall clock is set.
    void startWithClockFile() {
        setClock("@2026-12-08 12:00:00");
        QProcessEnvironment env = environment();
        env.insert("FAKETIME_TIMESTAMP_FILE", clockFile());
        env.insert("FAKETIME_NO_CACHE", "1");
        env.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");
        start(env);
    }
    // A clock that everything, timers and sleeps included, sees running as `setting` says.
    void startWithClock(const QString& setting, const QString& zone = QString()) {
        QProcessEnvironment env = environment();
        env.insert("FAKETIME", setting);
        if (!zone.isEmpty())
            env.insert("TZ", zone);
        start(env);
    }

    void setClock(const QByteArray& setting) {
        QSaveFile out(clockFile());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(setting + '\n');
        ASSERT_TRUE(out.commit());
    }

    // The next diagnostic line matching `pattern`, read within `timeoutMs`; empty if none.
    QString waitForLine(const QRegularExpression& pattern, int timeoutMs = 5000) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < timeoutMs) {
            while (m_program.canReadLine()) {
                const QString line = QString::fromUtf8(m_program.readLine()).trimmed();
                m_lines.append(line);
                if (pattern.match(line).hasMatch())
                    return line;
            }
            m_program.waitForReadyRead(100);
        }
        return {};
    }
    // Takes in everything written so far; a full pipe would stop the program at its next line.
    void drain() {
        for (int reads = 0; reads < 1000 && m_program.waitForReadyRead(0); ++reads) {
        }
        while (m_program.canReadLine())
            m_lines.append(QString::fromUtf8(m_program.readLine()).trimmed());
    }
    QString waitForDisplay(const QString& pattern, int timeoutMs = 5000) {
        return waitForLine(QRegularExpression("^tempiro.trace: Display: " + pattern + '$'),
                           timeoutMs);
    }
    const QStringList& lines() const { return m_lines; }
    QString lastLine(const QString& prefix) const {
        for (auto line = m_lines.crbegin(); line != m_lines.crend(); ++line)
            if (line->startsWith(prefix))
                return *line;
        return {};
    }

    void signal(int number) { ::kill(static_cast<pid_t>(m_program.processId()), number); }
    bool closeNormally() {
        signal(SIGTERM);
        const bool ended = m_program.waitForFinished(5000);
        drain();
        return ended && m_program.exitStatus() == QProcess::NormalExit && m_program.exitCode() == 0;
    }
    bool running() const { return m_program.state() == QProcess::Running; }

    // Resident memory in KiB, from the kernel's view of the process.
    qint64 residentKiB() const {
        QFile status(QStringLiteral("/proc/%1/status").arg(m_program.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLongLong();
        return -1;
    }

    QString savedValue(const QString& key) const {
        return QSettings(m_home.settingsFile(), QSettings::IniFormat)
            .value("Settings/" + key)
            .toString();
    }

private:
    QString clockFile() const { return m_home.filePath("clock"); }
    QProcessEnvironment environment() const {
        QProcessEnvironment env = m_home.environment();
        env.insert("QT_LOGGING_RULES", "tempiro.trace.debug=true");
        env.insert("LD_PRELOAD", TEMPIRO_FAKETIME_LIBRARY);
        return env;
    }
    void start(const QProcessEnvironment& env) {
        m_program.setProcessEnvironment(env);
        m_program.setReadChannel(QProcess::StandardError);
        m_program.start(TEMPIRO_PROGRAM, {});
        ASSERT_TRUE(m_program.waitForStarted(5000));
    }

    ProgramHome m_home;
    QProcess m_program;
    QStringList m_lines;
};

double savedDayCount(const QString& text) {
    const auto parsed = tempiro::DateText(QLocale::system()).parse(text, 2026);
    return parsed ? *parsed.value : -1;
}

// Lines the program may print on this test platform that are not faults of its own.
bool isPlatformNoise(const QString& line) {
    return line == "This plugin does not support propagateSizeHints()";
}

} // namespace

TEST(FakeClockProgramTest, TheDisplayFollowsAWallClockThatJumpsOrSleeps) {
    FakeClockProgram timer("[Settings]\nAlarmTime=2026-12-08T18:00:00\nnTimeorInterval=0\n"
                           "bWarn=False\n");
    timer.startWithClockFile();
    EXPECT_FALSE(timer.waitForDisplay("Time Remain 00 (06:00:00|05:59:5\\d)").isEmpty());

    timer.setClock("@2026-12-08 15:00:00");
    EXPECT_FALSE(timer.waitForDisplay("Time Remain 00 (03:00:00|02:59:5\\d)").isEmpty())
        << "forward by three hours";
    timer.setClock("@2026-12-08 09:00:00");
    EXPECT_FALSE(timer.waitForDisplay("Time Remain 00 (09:00:00|08:59:5\\d)").isEmpty())
        << "back by six hours";

    // A suspend: nothing runs, and the wall clock has moved on when the machine wakes.
    timer.signal(SIGSTOP);
    timer.setClock("@2026-12-08 17:30:00");
    QThread::msleep(1500);
    timer.signal(SIGCONT);
    EXPECT_FALSE(timer.waitForDisplay("Time Remain (00:30:00|00:29:5\\d)").isEmpty())
        << "after the suspend";

    timer.setClock("@2026-12-08 19:00:00");
    // The tick's beep is traced before its display.
    EXPECT_FALSE(timer.waitForLine(QRegularExpression("Beeps: 1, .* expiry beeps: 1$")).isEmpty());
    EXPECT_FALSE(timer.waitForDisplay("Time Expired \\+ 01:00:0\\d").isEmpty()) << "past the end";
    timer.setClock("@2026-12-08 12:00:00");
    EXPECT_FALSE(timer.waitForDisplay("Time Remain 00 (06:00:00|05:59:5\\d)").isEmpty())
        << "back before the end";

    ASSERT_TRUE(timer.closeNormally());
    EXPECT_DOUBLE_EQ(savedDayCount(timer.savedValue("AlarmTime")),
                     tempiro::toDayCount(QDate(2026, 12, 8), QTime(18, 0)))
        << "the target never moved: " << timer.savedValue("AlarmTime").toStdString();
}

// Five hours of a countdown with warnings and its expiry, and of a stop watch with seconds
// hidden, in five minutes: no fault, no growing memory.
TEST(FakeClockProgramTest, ACountdownOverTheAutumnSwitchCountsTheRepeatedHour) {
    // From 00:30 daylight time to 03:00 standard time is three and a half real hours.
    FakeClockProgram timer("[Settings]\nAlarmTime=2026-11-01T03:00:00\nnTimeorInterval=0\n");
    timer.startWithClock("@2026-11-01 00:30:00", "America/New_York");
    EXPECT_FALSE(timer.waitForDisplay("Time Remain 00 (03:30:00|03:29:5\\d)").isEmpty())
        << timer.lastLine("tempiro.trace: Display:").toStdString();
    EXPECT_TRUE(timer.closeNormally());
    EXPECT_EQ(timer.savedValue("AlarmTime"), "1 Nov 2026 03:00:00") << "the target never moves";
}

TEST(FakeClockProgramTest, FiveHoursAtSixtyTimesSpeedKeepMemoryFlat) {
    FakeClockProgram countdown("[Settings]\nAlarmTime=2026-12-08T12:30:00\nnTimeorInterval=0\n"
                               "bWarn=True\nnWarnMin=10\nsEventTitle=Soak\n");
    FakeClockProgram stopWatch("[Settings]\nAlarmTime=2026-12-08T11:00:00\nnTimeorInterval=2\n"
                               "bSec=False\nbShowLocalTime=True\n");
    const QString clock = "@2026-12-08 12:00:00 x60";
    countdown.startWithClock(clock);
    stopWatch.startWithClock(clock);

    constexpr int kSeconds = 300;
    constexpr int kSettleSeconds = 60; // past the expiry at half a minute, and its five beeps
    std::array<qint64, 2> settled{};
    std::array<qint64, 2> peak{};
    QElapsedTimer soak;
    soak.start();
    while (soak.elapsed() < kSeconds * 1000) {
        countdown.drain();
        stopWatch.drain();
        ASSERT_TRUE(countdown.running() && stopWatch.running());
        if (soak.elapsed() >= kSettleSeconds * 1000) {
            const std::array<qint64, 2> now{countdown.residentKiB(), stopWatch.residentKiB()};
            for (size_t i = 0; i < now.size(); ++i) {
                if (settled[i] == 0)
                    settled[i] = now[i];
                peak[i] = std::max(peak[i], now[i]);
            }
        }
        QThread::msleep(1000);
    }
    const std::array<qint64, 2> last{countdown.residentKiB(), stopWatch.residentKiB()};
    ASSERT_TRUE(countdown.closeNormally());
    ASSERT_TRUE(stopWatch.closeNormally());

    const std::array<const FakeClockProgram*, 2> programs{&countdown, &stopWatch};
    for (size_t i = 0; i < programs.size(); ++i) {
        const auto updates = std::count_if(
            programs[i]->lines().cbegin(), programs[i]->lines().cend(),
            [](const QString& line) { return line.startsWith("tempiro.trace: Display:"); });
        std::cout << (i == 0 ? "countdown" : "stop watch") << ": " << updates
                  << " display updates; resident " << settled[i] << " KiB after " << kSettleSeconds
                  << " s, peak " << peak[i] << " KiB, last " << last[i] << " KiB\n";
        // Five hours are some 19,000 ticks; a busy machine may merge a few of them.
        EXPECT_GT(updates, 15000);
        EXPECT_LT(peak[i] - settled[i], 1024) << "growth in KiB";
    }

    // The countdown went through every warning minute from ten down and its five expiry beeps.
    for (int minute = 10; minute >= 1; --minute)
        EXPECT_TRUE(countdown.lines().contains(
            QStringLiteral("tempiro.trace: Beeps: %1, last warning minute: %2, expiry beeps: 0")
                .arg(minute <= 5 ? minute : 1)
                .arg(minute)))
            << "warning at " << minute;
    EXPECT_TRUE(countdown.lines().contains(
        "tempiro.trace: Beeps: 1, last warning minute: 1, expiry beeps: 5"));
    EXPECT_TRUE(QRegularExpression("^tempiro.trace: Display: Time Expired \\+ 0[45]:\\d\\d:\\d\\d$")
                    .match(countdown.lastLine("tempiro.trace: Display:"))
                    .hasMatch())
        << countdown.lastLine("tempiro.trace: Display:").toStdString();
    EXPECT_TRUE(QRegularExpression("^tempiro.trace: Display: Time Elapsed 0[56]:\\d\\d$")
                    .match(stopWatch.lastLine("tempiro.trace: Display:"))
                    .hasMatch())
        << stopWatch.lastLine("tempiro.trace: Display:").toStdString();

    for (const FakeClockProgram* program : programs)
        for (const QString& line : program->lines())
            EXPECT_TRUE(line.startsWith("tempiro.trace: ") || isPlatformNoise(line))
                << line.toStdString();
    EXPECT_DOUBLE_EQ(savedDayCount(countdown.savedValue("AlarmTime")),
                     tempiro::toDayCount(QDate(2026, 12, 8), QTime(12, 30)));
}
