#include "aboutbox/frmAbout.h"
#include "aboutbox/frmHelp.h"
#include "fakes/FakePlatform.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tempiro;

using Shown = platform::FakeMessageBoxes::Shown;
using Icon = platform::MessageBoxes::Icon;

namespace {

// The About box and the help window opened by themselves, beside a plain owner.
class AboutBoxAloneTest : public ::testing::Test {
protected:
    AboutBoxAloneTest() { owner.show(); }
    ~AboutBoxAloneTest() override { delete frmHelp::instance(); }

    frmAbout* open() {
        auto* box = new frmAbout(fake.services(), &owner);
        box->myForm = &owner;
        box->Show();
        return box;
    }

    platform::FakePlatform fake;
    QWidget owner;
    frmAbout* about = nullptr;
};

} // namespace

TEST_F(AboutBoxAloneTest, TheHelpTextIsThirtySevenLinesEachEndedByCrLf) {
    frmHelp::Show(&owner);
    frmHelp* help = frmHelp::instance();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "Tempiro Timer Help");
    const QString text = help->text();
    EXPECT_TRUE(text.endsWith("\r\n"));
    QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.takeLast(), "");
    ASSERT_EQ(lines.size(), 37);
    EXPECT_EQ(text.count("\r\n"), 37);
    EXPECT_EQ(text.count('\n'), 37) << "no bare line feeds";
    EXPECT_EQ(lines[0], "==============Main Screen=====================");
    EXPECT_EQ(lines[1], "  Main Menu:");
    EXPECT_TRUE(lines[2].startsWith("   Set Menu"));
    EXPECT_TRUE(lines[4].startsWith("     Seconds...Days"));
    EXPECT_EQ(lines[14], "    Clicking Time  Window pauses the time display.");
    for (const int empty : {11, 15, 16, 23, 33})
        EXPECT_EQ(lines[empty], "") << "line " << empty + 1;
    EXPECT_EQ(lines[12], "  Shortcuts: ");
    EXPECT_EQ(lines[17], "=============Enter Time Screen================");
    EXPECT_EQ(lines[36], "   the Tempiro utility will convert the end time to local time. ");
    EXPECT_EQ(help->cmdOK->toolTip(), "Press to exit screen.");
    // Shown in a text a screen reader reads by line, the keys after it.
    const QString shown = help->lblDescription->toPlainText();
    EXPECT_TRUE(shown.startsWith(QString(text).replace("\r\n", "\n"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Pause or Ctrl+P")) << shown.toStdString();

    help->cmdOK_Click();
    EXPECT_EQ(frmHelp::instance(), nullptr);
    frmHelp::Show(&owner);
    EXPECT_EQ(frmHelp::instance()->text(), text) << "the same on every opening";
}

TEST_F(AboutBoxAloneTest, SystemInfoOnlyWhenAProgramIsFound) {
    about = open();
    EXPECT_TRUE(about->cmdSysInfo->isHidden());
    EXPECT_TRUE(about->SysInfoPath.isEmpty());
    about->cmdOK_Click();

    fake.programs.installed["gnome-system-monitor"] = "/usr/bin/gnome-system-monitor";
    fake.programs.installed["kinfocenter"] = "/usr/bin/kinfocenter";
    about = open();
    EXPECT_FALSE(about->cmdSysInfo->isHidden());
    EXPECT_EQ(about->SysInfoPath, "/usr/bin/kinfocenter") << "in the fixed order";

    about->cmdSysInfo_Click();
    ASSERT_EQ(fake.programs.calls.size(), 1u);
    EXPECT_EQ(fake.programs.calls[0].program, "/usr/bin/kinfocenter");

    fake.programs.outcome = {false, 0, 2, "No such file or directory"};
    about->cmdSysInfo_Click();
    EXPECT_EQ(fake.messages.shown,
              (std::vector<Shown>{{"System Information Is Unavailable At This Time\r\nIt can be "
                                   "installed as a Windows 95 Accessory",
                                   "Tempiro Timer", Icon::None}}));
    EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutBoxAloneTest, ASystemInfoProgramWithADesktopEntryStartsThroughIt) {
    fake.programs.installed["hardinfo"] = "/usr/bin/hardinfo";
    fake.desktop.programs["hardinfo"] = {"hardinfo.desktop", "/usr/bin/hardinfo"};
    about = open();
    EXPECT_EQ(about->SysInfoPath, "/usr/bin/hardinfo");
    about->cmdSysInfo_Click();
    ASSERT_EQ(fake.desktop.launches.size(), 1u);
    EXPECT_EQ(fake.desktop.launches[0].app.id, "hardinfo.desktop");
    EXPECT_TRUE(fake.programs.calls.empty());
    fake.desktop.outcome.started = false;
    about->cmdSysInfo_Click();
    EXPECT_EQ(fake.messages.shown.size(), 1u);
}

TEST_F(AboutBoxAloneTest, TheRegistryPathComesFirstAndTheTextLosesItsNul) {
    fake.registry.existingKeys = {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"};
    fake.registry
        .storedValues["HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO\\PATH"] = {
        platform::kRegSz, "C:\\Program Files\\MSINFO32.EXE"};
    fake.programs.installed["hardinfo"] = "/usr/bin/hardinfo";
    about = open();
    EXPECT_EQ(about->SysInfoPath, "C:\\Program Files\\MSINFO32.EXE");
    QString value = "stale";
    EXPECT_FALSE(
        about->GetKeyValue(platform::RegistryRoot::LocalMachine, "SOFTWARE\\None", "PATH", value));
    EXPECT_TRUE(value.isEmpty());
    EXPECT_EQ(fake.registry.openKeys, 0);
}
