#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// Runs the real program with its own configuration and data folders.
class ProgramTest : public ::testing::Test {
protected:
    void start() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", QDir(home.path()).filePath("config"));
        env.insert("XDG_DATA_HOME", QDir(home.path()).filePath("data"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(TEMPIRO_PROGRAM, {});
        ASSERT_TRUE(program.waitForStarted(5000));
        // Give it time to load and show its window.
        QThread::msleep(1500);
        ASSERT_EQ(program.state(), QProcess::Running);
    }
    QString settingsFile() const {
        return QDir(home.path()).filePath("config/VB and VBA Program Settings/Tempiro Timer.conf");
    }

    QTemporaryDir home;
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
    const QString reg =
        QDir(home.path()).filePath("data/VB and VBA Program Settings/HKEY_USERS.reg");
    QDir().mkpath(QFileInfo(reg).path());
    QFile file(reg);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("REGEDIT4\n\n[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program "
               "Settings\\TVSrvc\\Options]\n");
    file.close();

    start();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(5000));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("\"bTPAutoOpen\"=\"False\"\n")) << content.toStdString();
    EXPECT_TRUE(content.contains("\"sTPAlarmTime\"=\"")) << content.toStdString();
}

TEST_F(ProgramTest, ASettingsFileThatCannotBeWrittenLeavesTheOldOneIntact) {
    const QString folder = QFileInfo(settingsFile()).path();
    QDir().mkpath(folder);
    QFile old(settingsFile());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("[Settings]\nsEventTitle=Kept\nnWarnMin=9\n");
    old.close();
    // A directory where the lock file would go makes every write of the store fail.
    ASSERT_TRUE(QDir().mkpath(settingsFile() + ".lock/blocked"));

    start();
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(5000)) << "no hang";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no crash";
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "[Settings]\nsEventTitle=Kept\nnWarnMin=9\n");
}
