#include "aboutbox/HelpText.h"
#include "aboutbox/frmAbout.h"
#include "aboutbox/frmHelp.h"
#include "fakes/FakePlatform.h"
#include "mainwindow/frmTempiro.h"
#include "timeentry/frmEnterTime.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tempiro;

using Shown = platform::FakeMessageBoxes::Shown;
using Icon = platform::MessageBoxes::Icon;

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    AboutBoxTest()
        : form(timer, fake.services()) {
        form.Form_Load();
        form.show();
    }
    ~AboutBoxTest() override {
        if (frmHelp* help = frmHelp::instance())
            delete help;
    }
    platform::FakePlatform fake;
    Timer timer{fake.services().forTimer()};
    frmTempiro form;
};

} // namespace

TEST_F(AboutBoxTest, OneHelpWindowFromTheMenuAndTheAboutBox) {
    form.mnuHelpHelp_Click();
    frmHelp* first = frmHelp::instance();
    form.mnuHelpAbout_Click();
    form.about()->cmdHelp_Click();
    EXPECT_EQ(frmHelp::instance(), first);
    form.mnuHelpHelp_Click();
    EXPECT_EQ(frmHelp::instance(), first);
    EXPECT_TRUE(form.about()->isVisible()) << "the About box stays open";
}

TEST_F(AboutBoxTest, TheAboutBoxShowsTitleVersionAndAddress) {
    form.mnuHelpAbout_Click();
    frmAbout* about = form.about();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Tempiro Timer");
    EXPECT_EQ(about->lblVersion->text(), "Version " TEMPIRO_PROJECT_VERSION);
    EXPECT_EQ(about->lblTitle->text(), "Marrowby Software Tempiro Timer");
    EXPECT_EQ(about->lblWeb->text(), aboutbox::kWebSite);
    EXPECT_TRUE(about->lblDescription->text().isEmpty());
    EXPECT_FALSE(about->lblCopyright->text().isEmpty());
    EXPECT_EQ(about->cmdHelp->toolTip(), "Press to exit screen.");
    EXPECT_EQ(about->cmdOK->toolTip(), "Press to exit screen.");
    EXPECT_EQ(about->cmdSysInfo->text(), "&System Info...");
    EXPECT_EQ(about->cmdSysInfo->toolTip(), "Show Microsoft System information.");
    EXPECT_FALSE(about->isModal());

    form.mnuHelpAbout_Click();
    EXPECT_EQ(form.about(), about) << "one About box";
    about->cmdOK_Click();
    EXPECT_FALSE(about->isVisible());
}

TEST_F(AboutBoxTest, TheAboutBoxOpensBesideTheMainWindow) {
    form.move(20, 20);
    form.mnuHelpAbout_Click();
    const QRect main = form.frameGeometry();
    const QRect box = form.about()->frameGeometry();
    EXPECT_GT(box.left(), main.right());
    EXPECT_EQ(box.top(), main.top());
}

TEST_F(AboutBoxTest, TheWebSiteCommandSaysHowToReachUsWhenNoBrowserStarts) {
    form.mnuHelpWebSite_Click();
    ASSERT_EQ(fake.programs.calls.size(), 1u);
    EXPECT_EQ(fake.programs.calls[0].arguments, QStringList{aboutbox::kWebSite});
    EXPECT_TRUE(fake.messages.shown.empty());

    fake.browsers.resultCode = platform::BrowserAssociation::kNoAssociation;
    form.mnuHelpWebSite_Click();
    EXPECT_EQ(
        fake.messages.shown,
        (std::vector<Shown>{
            {"Cannot find Web Browser.\r\nStart browser and go to " + aboutbox::kWebSite,
             "Tempiro Timer", Icon::Exclamation},
            {"Please contact us at:\r\n" + aboutbox::kWebSite, "Tempiro Timer", Icon::None}}));
}

TEST_F(AboutBoxTest, TheClockCommandStartsTheCompanionBesideTheProgram) {
    form.mnuSetClock_Click();
    ASSERT_EQ(fake.programs.calls.size(), 1u);
    EXPECT_EQ(fake.programs.calls[0].program, fake.programFolder.path() + "/tavolek");
    EXPECT_TRUE(fake.programs.calls[0].arguments.isEmpty());

    fake.programs.outcome = {false, 0, 2, "No such file or directory"};
    form.mnuSetClock_Click();
    EXPECT_TRUE(fake.messages.shown.empty()) << "a missing companion shows nothing";
}

TEST_F(AboutBoxTest, EveryControlTheKeyboardReachesHasAName) {
    form.txtURL->setText("https://example.org/");
    form.Form_Activate();
    form.mnuSetTime_Click();
    form.mnuHelpAbout_Click();
    form.mnuHelpHelp_Click();
    const std::vector<QWidget*> windows = {&form, form.enterTime(), form.about(),
                                           frmHelp::instance()};
    for (QWidget* window : windows) {
        ASSERT_NE(window, nullptr);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(window) || !(control->focusPolicy() & Qt::ClickFocus) ||
                control->focusProxy() || qobject_cast<QMenu*>(control))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(face, nullptr);
            EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty())
                << window->objectName().toStdString() << ": " << control->metaObject()->className()
                << ' ' << control->objectName().toStdString();
        }
    }
}
