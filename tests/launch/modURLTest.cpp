#include "launch/modURL.h"

#include "fakes/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tempiro;

using namespace modURL;
using Icon = platform::MessageBoxes::Icon;

namespace {

class BrowserTest : public ::testing::Test {
protected:
    bool find(const QString& answer, QString& path) {
        fake.browsers.answer = answer;
        return FindBrowser(fake.services(), path);
    }
    QString testDocument() const { return QDir(fake.programFolder.path()).filePath("test.htm"); }

    platform::FakePlatform fake;
};

} // namespace

TEST_F(BrowserTest, APlainAnswerIsThePath) {
    QString path;
    EXPECT_TRUE(find("/usr/bin/firefox-esr", path));
    EXPECT_EQ(path, "/usr/bin/firefox-esr");
    EXPECT_EQ(GetBrowserCommand(path, "http://example.org/a page"),
              "\"/usr/bin/firefox-esr\" http://example.org/a page")
        << "the address goes unquoted";
}

// A browser installed under a path longer than the design's 128-character buffer is found and
// started by its whole path.
TEST_F(BrowserTest, AnAnswerLongerThanTheBufferIsKeptWhole) {
    QString path;
    const QString longPath = "/opt/" + QString(200, u'b');
    EXPECT_TRUE(find(longPath, path));
    EXPECT_EQ(path, longPath);
    EXPECT_TRUE(StartBrowser(fake.services(), "https://example.org/"));
    ASSERT_EQ(fake.programs.calls.size(), 1u);
    EXPECT_EQ(fake.programs.calls[0].program, longPath);
}

TEST_F(BrowserTest, AFailedLookupLeavesThePathAlone) {
    fake.browsers.resultCode = platform::BrowserAssociation::kNoAssociation;
    QString path = "before";
    EXPECT_FALSE(FindBrowser(fake.services(), path));
    EXPECT_EQ(path, "before");
}

TEST_F(BrowserTest, TheLookupNamesTheTestDocumentButWritesNothing) {
    QString path;
    find("/usr/bin/browser", path);
    EXPECT_FALSE(QFileInfo::exists(testDocument())) << "the program's folder belongs to root";
    EXPECT_EQ(fake.browsers.documents, QStringList{testDocument()});
}

TEST_F(BrowserTest, StartBrowserStartsTheBrowserOnTheAddress) {
    EXPECT_TRUE(StartBrowser(fake.services(), "https://example.org/"));
    ASSERT_EQ(fake.programs.calls.size(), 1u);
    EXPECT_EQ(fake.programs.calls[0].program, "/usr/bin/test-browser");
    EXPECT_EQ(fake.programs.calls[0].arguments, QStringList{"https://example.org/"});
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(BrowserTest, StartBrowserSaysWhyItFailed) {
    fake.browsers.resultCode = platform::BrowserAssociation::kNoAssociation;
    EXPECT_FALSE(StartBrowser(fake.services(), "https://example.org/"));
    fake.browsers.resultCode = platform::BrowserAssociation::kFound;
    fake.programs.outcome = {true, 0, 0, {}};
    EXPECT_FALSE(StartBrowser(fake.services(), "https://example.org/"));
    fake.programs.outcome = {false, 0, 2, "No such file or directory"};
    EXPECT_FALSE(StartBrowser(fake.services(), "https://example.org/"));

    using Shown = platform::FakeMessageBoxes::Shown;
    EXPECT_EQ(fake.messages.shown,
              (std::vector<Shown>{
                  {"Cannot find Web Browser.\r\nStart browser and go to https://example.org/",
                   "Tempiro Timer", Icon::Exclamation},
                  {"Cannot start Web Browser.\r\nStart browser and go to https://example.org/",
                   "Tempiro Timer", Icon::Exclamation},
                  {"Can't start Web browser. Error: 2  Description: No such file or directory",
                   "Tempiro Timer", Icon::None},
              }));
}

TEST(LinkAddress, AnAddressOrTheTextNeverAnOption) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"", ""},
        {"   ", ""},
        {" https://example.org/lot?id=7&x=%2F ", "https://example.org/lot?id=7&x=%2F"},
        {"http://exa mple.com", "http://exa%20mple.com"},
        {"https://example.org/a b", "https://example.org/a%20b"},
        {"example.org/lot 7", "http://example.org/lot%207"},
        {"localhost:8080/x", "http://localhost:8080/x"},
        {"mailto:me@example.org", "mailto:me@example.org"},
        {"my auction", "my auction"},
        {"%%%", "%%%"},
        {"-new-instance", "http://-new-instance"},
        {"--remote-debugging-port=9222", "http://--remote-debugging-port=9222"},
        {"-my auction", "http://-my%20auction"},
    };
    for (const auto& [link, address] : cases)
        EXPECT_EQ(linkAddress(link).toStdString(), address.toStdString()) << link.toStdString();
}
