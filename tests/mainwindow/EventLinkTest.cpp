#include "core/DayCount.h"
#include "fakes/FakePlatform.h"
#include "mainwindow/frmTempiro.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tempiro;

using Shown = platform::FakeMessageBoxes::Shown;

namespace {

class EventLinkTest : public ::testing::Test {
protected:
    EventLinkTest()
        : form(timer, fake.services()) {}
    platform::FakePlatform fake;
    Timer timer{fake.services().forTimer()};
    frmTempiro form;
};

} // namespace

TEST_F(EventLinkTest, EachClickOpensANewBrowserWindowOnTheLink) {
    form.txtURL->setText("https://auction.example/lot/7");
    form.cmdGo_Click();
    fake.programs.outcome.taskId = 5151;
    form.cmdGo->click();
    ASSERT_EQ(fake.programs.calls.size(), 2u);
    for (const auto& call : fake.programs.calls) {
        EXPECT_EQ(call.program, "/usr/bin/test-browser");
        EXPECT_EQ(call.arguments, QStringList{"https://auction.example/lot/7"});
    }
    ASSERT_TRUE(form.objBrowser.has_value());
    EXPECT_EQ(form.objBrowser->taskId, 5151) << "the main window keeps only the last";
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(EventLinkTest, AnEmptyBoxOpensABlankWindow) {
    form.cmdGo_Click();
    ASSERT_EQ(fake.programs.calls.size(), 1u);
    EXPECT_TRUE(fake.programs.calls[0].arguments.isEmpty());
}

TEST_F(EventLinkTest, WithoutABrowserOneMessageAndNothingElse) {
    fake.browsers.resultCode = platform::BrowserAssociation::kNoAssociation;
    form.txtURL->setText("https://example.org/");
    form.cmdGo_Click();
    EXPECT_TRUE(fake.programs.calls.empty());
    EXPECT_FALSE(form.objBrowser.has_value());
    EXPECT_EQ(fake.messages.shown,
              (std::vector<Shown>{{"Error in loading IEXPLORE.\r\nRadozArod cannot function "
                                   "correctly without Browser",
                                   "Problem running Browser",
                                   platform::MessageBoxes::Icon::Exclamation}}));
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor) << "the hourglass is gone again";
}

TEST_F(EventLinkTest, TheLinkIsNeverAnOptionOrACommand) {
    for (const QString& link :
         {QStringLiteral("--remote-debugging-port=9222"), QStringLiteral("-new-instance"),
          QStringLiteral("example.org/lot 7; rm -rf ~")}) {
        fake.programs.calls.clear();
        form.txtURL->setText(link);
        form.cmdGo_Click();
        for (const auto& call : fake.programs.calls) {
            ASSERT_EQ(call.arguments.size(), 1) << link.toStdString();
            EXPECT_FALSE(call.arguments[0].startsWith(u'-')) << link.toStdString();
            EXPECT_TRUE(call.arguments[0].startsWith("http://")) << call.arguments[0].toStdString();
        }
    }
    form.txtURL->setText("example.org/lot 7");
    fake.programs.calls.clear();
    form.cmdGo_Click();
    ASSERT_EQ(fake.programs.calls.size(), 1u);
    EXPECT_EQ(fake.programs.calls[0].arguments, QStringList{"http://example.org/lot%207"});
}
