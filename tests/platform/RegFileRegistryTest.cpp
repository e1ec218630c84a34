#include "host/RegFileRegistry.h"

#include "core/modMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tempiro;

using host::RegFileRegistry;
using platform::RegistryRoot;

namespace {

const QByteArray kCompanionHeader =
    "[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program Settings\\TVSrvc\\Options]";
const QByteArray kDefaultUserHeader =
    "[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program Settings\\Tempiro Timer\\Settings]";

class RegFileRegistryTest : public ::testing::Test {
protected:
    QString file() const { return QDir(dir.path()).filePath("HKEY_USERS.reg"); }
    void writeFile(const QByteArray& content) {
        QFile out(file());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    QByteArray readFile() const {
        QFile in(file());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }
    bool save(const QString& key, const QString& name, const QString& value) {
        return modMain::SaveOptionKey(registry, key, RegistryRoot::Users, name, value);
    }

    QTemporaryDir dir;
    RegFileRegistry registry{dir.path()};
};

} // namespace

TEST_F(RegFileRegistryTest, NoFileOrNoSectionMeansTheKeyDoesNotExist) {
    EXPECT_FALSE(save(modMain::kCompanionOptionsKey, "bTPAutoOpen", "True"));
    EXPECT_FALSE(QFile::exists(file())) << "a key is never created";

    const QByteArray content = "REGEDIT4\n\n[HKEY_USERS\\.DEFAULT\\Software\\Other]\n\"a\"=\"b\"\n";
    writeFile(content);
    EXPECT_FALSE(save(modMain::kCompanionOptionsKey, "bTPAutoOpen", "True"));
    EXPECT_EQ(readFile(), content);
}

TEST_F(RegFileRegistryTest, SettingAValueKeepsEveryOtherLineByteForByte) {
    const QByteArray before = "REGEDIT4\r\n\r\n" + kCompanionHeader +
                              "\r\n\"Chime\"=\"on\"\r\n\"bTPAutoOpen\"=\"False\"\r\n"
                              "\"Volume\"=dword:0000000a\r\n\r\n; a comment\r\n" +
                              kDefaultUserHeader + "\r\n\"AlarmTime\"=\"old\"\r\n";
    writeFile(before);
    EXPECT_TRUE(save(modMain::kCompanionOptionsKey, "bTPAutoOpen", "True"));
    const QByteArray expected = "REGEDIT4\r\n\r\n" + kCompanionHeader +
                                "\r\n\"Chime\"=\"on\"\r\n\"bTPAutoOpen\"=\"True\"\r\n"
                                "\"Volume\"=dword:0000000a\r\n\r\n; a comment\r\n" +
                                kDefaultUserHeader + "\r\n\"AlarmTime\"=\"old\"\r\n";
    EXPECT_EQ(readFile(), expected);
}

TEST_F(RegFileRegistryTest, ANewValueGoesAtTheEndOfItsSection) {
    writeFile("REGEDIT4\n\n" + kCompanionHeader + "\n\"Chime\"=\"on\"\n\n" + kDefaultUserHeader +
              "\n");
    EXPECT_TRUE(save(modMain::kCompanionOptionsKey, "sTPAlarmTime", "12/25/2026 10:00:00 PM"));
    EXPECT_TRUE(save(modMain::kDefaultUserSettingsKey, "AlarmTime", "12/25/2026 10:00:00 PM"));
    EXPECT_EQ(readFile(),
              "REGEDIT4\n\n" + kCompanionHeader +
                  "\n\"Chime\"=\"on\"\n\"sTPAlarmTime\"=\"12/25/2026 10:00:00 PM\"\n\n" +
                  kDefaultUserHeader + "\n\"AlarmTime\"=\"12/25/2026 10:00:00 PM\"\n");
}

TEST_F(RegFileRegistryTest, ALastSectionWithoutAFinalLineBreakStillTakesValues) {
    writeFile("REGEDIT4\n\n" + kCompanionHeader);
    EXPECT_TRUE(save(modMain::kCompanionOptionsKey, "bTPAutoOpen", "False"));
    EXPECT_EQ(readFile(), "REGEDIT4\n\n" + kCompanionHeader + "\n\"bTPAutoOpen\"=\"False\"\n");
}

TEST_F(RegFileRegistryTest, NamesAndTextsAreEscapedAndMatchedWithoutRegardToCase) {
    writeFile("REGEDIT4\n\n" + kCompanionHeader.toLower() + "\n\"BTPAUTOOPEN\"=\"False\"\n");
    EXPECT_TRUE(save(modMain::kCompanionOptionsKey, "bTPAutoOpen", "True"));
    EXPECT_TRUE(
        save(modMain::kCompanionOptionsKey, "Odd \"name\"", "C:\\Zeit \"jetzt\" 25.12.2026 ü"));
    EXPECT_TRUE(save(modMain::kCompanionOptionsKey, "Odd \"NAME\"", "second"));
    EXPECT_EQ(readFile(), "REGEDIT4\n\n" + kCompanionHeader.toLower() +
                              "\n\"bTPAutoOpen\"=\"True\"\n\"Odd \\\"NAME\\\"\"=\"second\"\n");

    EXPECT_TRUE(save(modMain::kCompanionOptionsKey, "Path", "C:\\Zeit \"jetzt\" 25.12.2026 ü"));
    EXPECT_TRUE(readFile().endsWith(
        QString("\"Path\"=\"C:\\\\Zeit \\\"jetzt\\\" 25.12.2026 ü\"\n").toUtf8()));
}

TEST_F(RegFileRegistryTest, TheCloseHandsTheSixValuesToTheCompanion) {
    writeFile("REGEDIT4\n\n" + kCompanionHeader + "\n\n" + kDefaultUserHeader + "\n");
    modMain::handOffAutoOpen(registry, false);
    modMain::handOffAlarmTime(registry, "12/25/2026 10:00:00 PM", "2026-12-25T22:00:00");
    EXPECT_EQ(readFile(), "REGEDIT4\n\n" + kCompanionHeader +
                              "\n\"bTPAutoOpen\"=\"False\"\n"
                              "\"sTPAlarmTime\"=\"12/25/2026 10:00:00 PM\"\n"
                              "\"sTPAlarmTimeISO\"=\"2026-12-25T22:00:00\"\n\n" +
                              kDefaultUserHeader +
                              "\n\"bAutoOpen\"=\"False\"\n\"bAdminReadOnly\"=\"True\"\n"
                              "\"AlarmTime\"=\"12/25/2026 10:00:00 PM\"\n");
}

TEST_F(RegFileRegistryTest, ArbitraryBytesAroundTheSectionSurvive) {
    QByteArray noise("\x00\xff\xfe garbage \x80\r\n", 15);
    const QByteArray before = noise + kCompanionHeader + "\n" + noise;
    writeFile(before);
    EXPECT_TRUE(save(modMain::kCompanionOptionsKey, "bTPAutoOpen", "True"));
    EXPECT_EQ(readFile(), before + "\"bTPAutoOpen\"=\"True\"\r\n");
}

// Files are gone through in blocks of about a megabyte: lines longer than a block (outside and
// inside the section, one of them a value being set), blank lines across a block's end and a
// header just after one keep their bytes and places.
TEST_F(RegFileRegistryTest, BlocksOfAnySizeKeepEveryLineAndPlace) {
    const QByteArray longLine(1500000, 'x');
    const QByteArray longValue = "\"bTPAutoOpen\"=\"" + QByteArray(2500000, 'y') + "\"";
    const QByteArray blanks(1048570, '\n');
    const auto file = [&](const QByteArray& value, const QByteArray& added) {
        return "REGEDIT4\r\n; " + longLine + "\r\n" + kCompanionHeader + "\r\n" + value + "\r\n" +
               longLine + "\r\n" + added + blanks + kDefaultUserHeader + "\r\n";
    };
    writeFile(file(longValue, ""));
    EXPECT_TRUE(save(modMain::kCompanionOptionsKey, "bTPAutoOpen", "True"));
    EXPECT_TRUE(save(modMain::kCompanionOptionsKey, "sTPAlarmTime", "now"));
    EXPECT_TRUE(save(modMain::kDefaultUserSettingsKey, "AlarmTime", "then"));
    const QByteArray expected = file("\"bTPAutoOpen\"=\"True\"", "\"sTPAlarmTime\"=\"now\"\r\n") +
                                "\"AlarmTime\"=\"then\"\r\n";
    EXPECT_TRUE(readFile() == expected) << "sizes " << readFile().size() << ", " << expected.size();
    EXPECT_TRUE(registry.createKey(RegistryRoot::Users, "Other"));
    EXPECT_TRUE(readFile() == expected + "\r\n[HKEY_USERS\\Other]\r\n");
}
