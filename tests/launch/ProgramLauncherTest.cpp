#include "launch/ProgramLauncher.h"

#include "fakes/FakePlatform.h"
#include "host/DesktopBrowserAssociation.h"
#include "host/SystemProgramStarter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <gtest/gtest.h>

using namespace tempiro;

using launch::programCommandLine;
using launch::StartProgram;

TEST(ProgramLauncher, TheCommandLineIsPlainConcatenation) {
    EXPECT_EQ(programCommandLine(R"(C:\Apps)", R"(\Tavolek.exe)", ""), R"(C:\Apps\Tavolek.exe )");
    EXPECT_EQ(programCommandLine(R"(C:\)", R"(\Tavolek.exe)", ""), R"(C:\\Tavolek.exe )");
    EXPECT_EQ(programCommandLine("/opt/tempiro", "/tavolek", "-x 1"), "/opt/tempiro/tavolek -x 1");
}

TEST(ProgramLauncher, OutcomesOfAStart) {
    platform::FakePlatform fake;
    EXPECT_TRUE(StartProgram(fake.services(), "/opt/tempiro", "/tavolek", "one \"two words\""));
    ASSERT_EQ(fake.programs.calls.size(), 1u);
    EXPECT_EQ(fake.programs.calls[0].program, "/opt/tempiro/tavolek");
    EXPECT_EQ(fake.programs.calls[0].arguments, (QStringList{"one", "two words"}));
    EXPECT_TRUE(fake.messages.shown.empty());

    fake.programs.outcome = {false, 0, 2, "No such file or directory"};
    EXPECT_FALSE(StartProgram(fake.services(), "/opt/tempiro", "/tavolek", ""));
    EXPECT_TRUE(fake.messages.shown.empty()) << "a missing program shows nothing";

    fake.programs.outcome = {true, 0, 0, {}};
    EXPECT_TRUE(StartProgram(fake.services(), "/opt/tempiro", "/tavolek", ""));
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.shown[0].text, "Cannot start shell.\r\n");
    EXPECT_EQ(fake.messages.shown[0].caption, "Tempiro Timer");
    EXPECT_EQ(fake.messages.shown[0].icon, platform::MessageBoxes::Icon::None);
}

TEST(ProgramLauncher, ARealStartPassesTheArguments) {
    QTemporaryDir folder;
    const QString script = QDir(folder.path()).filePath("record");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.tmp\" && mv \"$0.args.tmp\" \"$0.args\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    platform::FakePlatform fake;
    host::SystemProgramStarter real;
    platform::Services services = fake.services();
    platform::Services withRealStarts{services.clock,
                                      services.sound,
                                      services.windows,
                                      services.settings,
                                      services.registry,
                                      services.zones,
                                      real,
                                      services.browsers,
                                      services.desktop,
                                      services.messages,
                                      services.calendar,
                                      services.notifier,
                                      services.system,
                                      services.programFolder};
    EXPECT_TRUE(StartProgram(withRealStarts, folder.path(), "/record", "one \"two words\" -3"));
    QFile args(script + ".args");
    QElapsedTimer waited;
    waited.start();
    while (!args.exists() && waited.elapsed() < 5000)
        QThread::msleep(20);
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(args.readAll(), "one\ntwo words\n-3\n");

    EXPECT_FALSE(StartProgram(withRealStarts, folder.path(), "/missing", ""));
    EXPECT_TRUE(fake.messages.shown.empty());
    const platform::StartOutcome outcome = real.start(folder.path() + "/missing", {});
    EXPECT_EQ(outcome.errorNumber, ENOENT);
    EXPECT_FALSE(outcome.errorDescription.isEmpty());
}

TEST(BrowserAssociation, TheDesktopsWebHandlerStartedThroughItsEntry) {
    platform::FakeDesktopApps desktop;
    platform::FakeProgramStarter starter;
    host::DesktopBrowserAssociation browsers(desktop, starter);
    QString answer = "unchanged";
    EXPECT_EQ(browsers.findExecutable("/opt/tempiro/test.htm", answer),
              platform::BrowserAssociation::kNoAssociation);
    EXPECT_EQ(answer, "unchanged");

    const platform::DesktopApp html{"html.desktop", "/usr/bin/html-viewer"};
    const platform::DesktopApp web{"web.desktop", "/usr/bin/env"};
    desktop.defaults["text/html"] = html;
    EXPECT_EQ(browsers.findExecutable("/opt/tempiro/test.htm", answer),
              platform::BrowserAssociation::kFound);
    EXPECT_EQ(answer, "/usr/bin/html-viewer");
    desktop.defaults["x-scheme-handler/http"] = web;
    EXPECT_EQ(browsers.findExecutable("/opt/tempiro/test.htm", answer),
              platform::BrowserAssociation::kFound);
    EXPECT_EQ(answer, "/usr/bin/env") << "the web address handler comes before .htm files";

    EXPECT_EQ(browsers.start("/usr/bin/env", {"https://example.org/"}).taskId, 5353);
    EXPECT_EQ(desktop.launches,
              (std::vector<platform::FakeDesktopApps::Launch>{{web, {"https://example.org/"}}}));
    EXPECT_TRUE(starter.calls.empty()) << "a wrapper is never started on the address";
    browsers.start("/opt/other/browser", {"https://example.org/"});
    EXPECT_EQ(starter.calls.size(), 1u) << "a path that is not the desktop's is started as it is";
}
