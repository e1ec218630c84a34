#include "ProgramHome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <chrono>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <thread>

namespace {

// Runs the real program with its own configuration and data folders.
class ProgramTest : public ::testing::Test {
protected:
    // Starts the program and waits for its first display: by then it has loaded its settings
    // and answers signals.
    void start() {
        QProcessEnvironment env = home.environment();
        env.insert("QT_LOGGING_RULES", "tempiro.trace.debug=true");
        program.setProcessEnvironment(env);
        program.setReadChannel(QProcess::StandardError);
        program.start(TEMPIRO_PROGRAM, {});
        ASSERT_TRUE(program.waitForStarted(5000));
        QElapsedTimer waited;
        waited.start();
        while (!program.canReadLine() || !program.readLine().contains("tempiro.trace: Display:")) {
            ASSERT_EQ(program.state(), QProcess::Running);
            ASSERT_LT(waited.elapsed(), 10000) << "no display within 10 s";
            program.waitForReadyRead(100);
        }
    }
    QString settingsFile() const { return home.settingsFile(); }
    QString handOffFile() const { return home.handOffFile(); }
    static void writeFile(const QString& path, const QByteArray& content) {
        ProgramHome::writeFile(path, content);
    }
    static QByteArray readFile(const QString& path) { return ProgramHome::readFile(path); }

    ProgramHome home;
    QProcess program;
};

} // namespace

TEST_F(ProgramTest, TerminationSignalsCloseThroughTheNormalPathAndSave) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        QFile::remove(settingsFile());
        start();
        ::kill(static_cast<pid_t>(program.processId()), signal);
        ASSERT_TRUE(program.waitForFinished(5000)) << "signal " << signal;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);

        QSettings saved(settingsFile(), QSettings::IniFormat);
        EXPECT_EQ(saved.value("Settings/bSec").toString(), "True") << "signal " << signal;
        EXPECT_EQ(saved.value("Settings/nTimeorInterval").toString(), "0");
        EXPECT_FALSE(saved.value("Settings/AlarmTime").toString().isEmpty());
        EXPECT_TRUE(saved.contains("Settings/WidthfrmTempiro"));
    }
}

TEST_F(ProgramTest, TheCompanionReceivesTheAlarmAtTheClose) {
    writeFile(handOffFile(), "REGEDIT4\n\n[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program "
                             "Settings\\TVSrvc\\Options]\n");

    start();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(5000));
    const QByteArray content = readFile(handOffFile());
    EXPECT_TRUE(content.contains("\"bTPAutoOpen\"=\"False\"\n")) << content.toStdString();
    EXPECT_TRUE(content.contains("\"sTPAlarmTime\"=\"")) << content.toStdString();
}

TEST_F(ProgramTest, ASettingsFileThatCannotBeWrittenLeavesTheOldOneIntact) {
    writeFile(settingsFile(), "[Settings]\nsEventTitle=Kept\nnWarnMin=9\n");
    // A directory where the lock file would go makes every write of the store fail.
    ASSERT_TRUE(QDir().mkpath(settingsFile() + ".lock/blocked"));

    start();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(5000)) << "no hang";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no crash";
    EXPECT_EQ(readFile(settingsFile()), "[Settings]\nsEventTitle=Kept\nnWarnMin=9\n");
}

namespace {

const QByteArray kOldSettings = "[Settings]\n"
                                "AlarmTime=2027-03-01T09:30:00\n"
                                "nTimeorInterval=0\n"
                                "sEventTitle=Auction ends\n"
                                "bAutoOpen=True\n";

// Both sections the close writes to, each value already present with another value (as a
// close of this version leaves them), and a key of some other program that must survive every
// write.
const QByteArray kOldHandOff =
    "REGEDIT4\n"
    "\n"
    "[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program Settings\\TVSrvc\\Options]\n"
    "\"bTPAutoOpen\"=\"False\"\n"
    "\"sTPAlarmTime\"=\"1/1/2020 8:00:00 AM\"\n"
    "\"sTPAlarmTimeISO\"=\"2020-01-01T08:00:00\"\n"
    "\n"
    "[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program Settings\\Tempiro Timer\\Settings]\n"
    "\"bAutoOpen\"=\"False\"\n"
    "\"bAdminReadOnly\"=\"False\"\n"
    "\"AlarmTime\"=\"1/1/2020 8:00:00 AM\"\n"
    "\n"
    "[HKEY_USERS\\.DEFAULT\\Software\\Another Program]\n"
    "\"Kept\"=\"yes\"\n";

// The hand-off is written one value at a time, as the companion's store is; every state in
// between is a whole file whose lines are each either the old or the new one.
// Many more lines of other programs make every write long enough for a kill to land inside it.
QByteArray withBulk(QByteArray content, const QByteArray& section, const QByteArray& prefix) {
    content += section;
    for (int i = 0; i < 20000; ++i)
        content += prefix + QByteArray::number(i) + "\"=\"" + QByteArray(24, 'x') + "\"\n";
    return content;
}

bool isWholeHandOff(const QByteArray& content, const QByteArray& before, const QByteArray& after) {
    const QList<QByteArray> lines = content.split('\n');
    const QList<QByteArray> old = before.split('\n');
    const QList<QByteArray> saved = after.split('\n');
    if (lines.size() != old.size() || saved.size() != old.size())
        return false;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i] != old[i] && lines[i] != saved[i])
            return false;
    return true;
}

} // namespace

TEST_F(ProgramTest, AKillInTheMiddleOfSavingLeavesWholeFiles) {
    const QByteArray oldSettings = withBulk(kOldSettings, "[Other]\n", "\"key");
    const QByteArray oldHandOff =
        withBulk(kOldHandOff, "\n[HKEY_USERS\\.DEFAULT\\Software\\Third]\n", "\"v");
    // A normal close first: what the files hold once the save is complete, and how long the
    // close takes, so that the kills below fall before, inside and after the save.
    writeFile(settingsFile(), oldSettings);
    writeFile(handOffFile(), oldHandOff);
    start();
    QElapsedTimer closing;
    closing.start();
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(5000));
    const qint64 closeMicroseconds = closing.nsecsElapsed() / 1000;
    const QByteArray newSettings = readFile(settingsFile());
    const QByteArray newHandOff = readFile(handOffFile());
    ASSERT_NE(newSettings, oldSettings);
    ASSERT_NE(newHandOff, oldHandOff);
    ASSERT_TRUE(isWholeHandOff(newHandOff, oldHandOff, newHandOff))
        << newHandOff.left(400).toStdString();

    const auto killDuringClose = [&](std::chrono::microseconds delay) {
        writeFile(settingsFile(), oldSettings);
        writeFile(handOffFile(), oldHandOff);
        start();
        const auto pid = static_cast<pid_t>(program.processId());
        ::kill(pid, SIGTERM);
        std::this_thread::sleep_for(delay);
        ::kill(pid, SIGKILL);
        ASSERT_TRUE(program.waitForFinished(5000));
    };
    // Nothing but the file itself, perhaps the lock of a writer that was killed (and the lock Qt
    // takes to remove such a lock, when the kill fell inside that removal; the next writer's
    // lock clears both) and, after a kill, the new file under its temporary name when the kill
    // fell between linking it in and renaming it (an atomic replace cannot avoid that moment;
    // the next save clears it).
    const auto strayFiles = [](const QString& file, bool afterKill) {
        QStringList stray = QDir(QFileInfo(file).path()).entryList(QDir::Files | QDir::Hidden);
        stray.removeAll(QFileInfo(file).fileName());
        stray.removeAll(QFileInfo(file).fileName() + ".lock");
        stray.removeAll(QFileInfo(file).fileName() + ".lock.rmlock");
        if (afterKill)
            stray.removeIf([&](const QString& name) {
                return QRegularExpression("^" +
                                          QRegularExpression::escape(QFileInfo(file).fileName()) +
                                          "\\.[A-Za-z0-9]{6}$")
                    .match(name)
                    .hasMatch();
            });
        return stray.join(' ').toStdString();
    };

    constexpr int kKills = 24;
    int keptOld = 0;
    int savedNew = 0;
    for (int i = 0; i < kKills; ++i) {
        // Up to twice the measured close: a busy machine may take longer than it did.
        const auto delay = std::chrono::microseconds(2 * closeMicroseconds * i / (kKills - 1));
        killDuringClose(delay);
        const QByteArray settings = readFile(settingsFile());
        const QByteArray handOff = readFile(handOffFile());
        EXPECT_TRUE(settings == oldSettings || settings == newSettings)
            << "kill after " << delay.count() << " us:\n"
            << settings.left(400).toStdString();
        EXPECT_TRUE(isWholeHandOff(handOff, oldHandOff, newHandOff))
            << "kill after " << delay.count() << " us:\n"
            << handOff.left(400).toStdString();
        EXPECT_EQ(strayFiles(settingsFile(), true), "");
        EXPECT_EQ(strayFiles(handOffFile(), true), "");
        keptOld += settings == oldSettings && handOff == oldHandOff;
        savedNew += settings == newSettings && handOff == newHandOff;
    }
    // The kills did reach both sides of the save.
    EXPECT_GT(keptOld, 0);
    EXPECT_GT(savedNew, 0);

    // Whatever a kill in the middle left behind does not stop the next close from saving.
    killDuringClose(std::chrono::microseconds(closeMicroseconds / 2));
    start();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(readFile(settingsFile()), newSettings);
    EXPECT_EQ(readFile(handOffFile()), newHandOff);
    EXPECT_EQ(strayFiles(settingsFile(), false), "");
    EXPECT_EQ(strayFiles(handOffFile(), false), "");

    std::cout << "close " << closeMicroseconds << " us; kills before the save " << keptOld
              << ", after it " << savedNew << ", inside " << kKills - keptOld - savedNew << '\n';
}

TEST_F(ProgramTest, ABigCompanionFileIsRewrittenOnceInTimeAndMemoryInProportionToItsSize) {
    // 50 MB of other programs' lines: half blank, half ordinary values, before the two sections.
    QByteArray big = "REGEDIT4\n" + QByteArray(25'000'000, '\n') + "[HKEY_USERS\\Other]\n";
    while (big.size() < 50'000'000)
        big += "\"value" + QByteArray::number(big.size()) + "\"=\"" + QByteArray(24, 'x') + "\"\n";
    const QByteArray before = big + kOldHandOff.mid(QByteArray("REGEDIT4\n").size());
    writeFile(settingsFile(), kOldSettings);
    writeFile(handOffFile(), before);
    start();
    QElapsedTimer closing;
    closing.start();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(120000));
    const qint64 closeMilliseconds = closing.elapsed();
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);

    const QByteArray after = readFile(handOffFile());
    EXPECT_TRUE(after.startsWith(big)) << "every other line kept";
    EXPECT_TRUE(
        after.contains("\"bTPAutoOpen\"=\"True\"\n\"sTPAlarmTime\"=\"1 Mar 2027 09:30:00\"\n"))
        << after.right(600).toStdString();
    EXPECT_TRUE(after.endsWith("\"Kept\"=\"yes\"\n"));
    EXPECT_LT(closeMilliseconds, 20000);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(usage.ru_maxrss * 1024, 4 * before.size()) << "peak resident memory, bytes";
#endif
    std::cout << "close of a " << before.size() / 1000000 << " MB hand-off: " << closeMilliseconds
              << " ms, peak memory " << usage.ru_maxrss / 1024 << " MB\n";
}

TEST_F(ProgramTest, AFullDiskAtTheCloseKeepsBothFilesWholeAndSaysWhy) {
    // A small file system of the test's own, filled to the last block.
    const QString root = home.filePath("");
    if (::mount("tmpfs", QFile::encodeName(root).constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root: " << std::strerror(errno);
    const auto unmount =
        qScopeGuard([&] { ::umount2(QFile::encodeName(root).constData(), MNT_DETACH); });
    home.makeRuntimeFolder();
    writeFile(settingsFile(), kOldSettings);
    writeFile(handOffFile(), kOldHandOff);
    QFile filler(home.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    filler.close();

    start();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(readFile(settingsFile()), kOldSettings);
    EXPECT_EQ(readFile(handOffFile()), kOldHandOff);
    EXPECT_TRUE(
        program.readAllStandardError().contains("Settings not saved: No space left on device"));
}

TEST_F(ProgramTest, AFloodOfSignalsEndsInOneNormalClose) {
    writeFile(handOffFile(), withBulk(kOldHandOff, "[Third]\n", "\"v")); // a close that takes time
    start();
    const auto pid = static_cast<pid_t>(program.processId());
    for (int i = 0; i < 50000 && ::kill(pid, i % 2 ? SIGTERM : SIGHUP) == 0; ++i) {
    }
    ASSERT_TRUE(program.waitForFinished(10000)) << "the program must end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(readFile(handOffFile()).contains("\"bTPAutoOpen\"=\"False\""));
    EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).value("Settings/sEventTitle"), "");
    EXPECT_TRUE(QSettings(settingsFile(), QSettings::IniFormat).contains("Settings/AlarmTime"));
}

TEST_F(ProgramTest, WithoutADisplayOneLineSaysSoAndTheExitStatusIsOne) {
    for (const char* display : {"", ":77"}) {
        QProcessEnvironment env = home.environment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("WAYLAND_DISPLAY");
        env.insert("DISPLAY", display);
        program.setProcessEnvironment(env);
        program.start(TEMPIRO_PROGRAM, {});
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
        EXPECT_EQ(program.exitCode(), 1);
        const QList<QByteArray> lines = program.readAllStandardError().trimmed().split('\n');
        ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
        EXPECT_TRUE(lines[0].startsWith("tempiro: cannot open the display")) << lines[0].data();
    }
    // Asked for Wayland where Qt's Wayland plugin is not installed.
    if (!QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms")
             .entryList({"libqwayland*"})
             .isEmpty())
        GTEST_SKIP() << "Qt's Wayland plugin is installed here";
    QProcessEnvironment env = home.environment();
    env.insert("QT_QPA_PLATFORM", "wayland");
    program.setProcessEnvironment(env);
    program.start(TEMPIRO_PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.readAllStandardError(),
              "tempiro: cannot open the display: the window system plugin \"wayland\" is not "
              "installed (package qt6-wayland)\n");
}

TEST_F(ProgramTest, AStoredSizeOfZeroOrBeyondTheScreensOpensAtTheDesignedSize) {
    for (const char* size : {"0", "-3000", "1e30", "3e9"}) {
        writeFile(settingsFile(), QByteArray("[Settings]\nWidthfrmTempiro=") + size +
                                      "\nHeightfrmTempiro=" + size + "\n");
        start();
        program.terminate();
        ASSERT_TRUE(program.waitForFinished(5000));
        QSettings saved(settingsFile(), QSettings::IniFormat);
        EXPECT_EQ(saved.value("Settings/WidthfrmTempiro").toString(), "5280") << size;
        EXPECT_GT(saved.value("Settings/HeightfrmTempiro").toDouble(), 4290) << size;
    }
}

TEST_F(ProgramTest, ASecondStartBringsTheRunningTimerForwardAndEnds) {
    start();
    QProcess second;
    second.setProcessEnvironment(program.processEnvironment());
    second.start(TEMPIRO_PROGRAM, {});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().contains("Already running"));
    QElapsedTimer waited;
    waited.start();
    QByteArray told;
    while (!told.contains("Brought forward by a second start") && waited.elapsed() < 5000) {
        program.waitForReadyRead(100);
        told += program.readAllStandardError();
    }
    EXPECT_TRUE(told.contains("Brought forward by a second start"));

    // A copy killed outright does not keep the next start away.
    program.kill();
    ASSERT_TRUE(program.waitForFinished(5000));
    start();
    program.terminate();
    EXPECT_TRUE(program.waitForFinished(5000));
}
