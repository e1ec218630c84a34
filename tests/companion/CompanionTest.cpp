#include "Companion.h"

#include "core/DayCount.h"
#include "core/modMain.h"
#include "fakes/FakePlatform.h"
#include "host/RegFileRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tempiro;

namespace {

const QString kOptions = modMain::kCompanionOptionsKey;

class CompanionTest : public ::testing::Test {
protected:
    CompanionTest()
        : companion(fake.registry, fake.clock, fake.programs, "/opt/tempiro/tempiro",
                    QLocale(QLocale::English, QLocale::UnitedStates)) {
        fake.clock.set(toDayCount(QDate(2026, 12, 25), QTime(8, 0)));
        companion.createKeys();
    }
    void handOff(const QString& autoOpen, const QString& alarmTime) {
        fake.registry.storedValues[kOptions + "\\bTPAutoOpen"] = {platform::kRegSz, autoOpen};
        fake.registry.storedValues[kOptions + "\\sTPAlarmTime"] = {platform::kRegSz, alarmTime};
    }

    platform::FakePlatform fake;
    Companion companion;
};

} // namespace

TEST_F(CompanionTest, CreatesItsTwoKeysOnce) {
    EXPECT_EQ(fake.registry.keysCreated, 2);
    EXPECT_TRUE(fake.registry.existingKeys.contains(modMain::kCompanionOptionsKey));
    EXPECT_TRUE(fake.registry.existingKeys.contains(modMain::kDefaultUserSettingsKey));
    companion.createKeys();
    EXPECT_EQ(fake.registry.keysCreated, 2);
}

TEST_F(CompanionTest, OpensTheTimerOnTheDueDayOncePerTarget) {
    handOff("True", "12/25/2026 10:00:00 PM");
    EXPECT_TRUE(companion.check());
    ASSERT_EQ(fake.programs.calls.size(), 1u);
    EXPECT_EQ(fake.programs.calls[0].program, "/opt/tempiro/tempiro");

    fake.clock.advanceSeconds(60);
    EXPECT_FALSE(companion.check()) << "the same target again";
    handOff("True", "12/25/2026 11:00:00 PM");
    fake.programs.running.insert(4242);
    EXPECT_FALSE(companion.check()) << "the timer it opened still runs";
    fake.programs.running.clear();
    EXPECT_TRUE(companion.check()) << "a new target once the timer has closed";
    EXPECT_EQ(fake.programs.calls.size(), 2u);
}

TEST_F(CompanionTest, IgnoresAutoOpenOffAnotherDayAndAnUnreadableTarget) {
    handOff("False", "12/25/2026 10:00:00 PM");
    EXPECT_FALSE(companion.check());
    handOff("True", "12/26/2026 10:00:00 PM");
    EXPECT_FALSE(companion.check());
    handOff("True", "12/24/2026 10:00:00 PM");
    EXPECT_FALSE(companion.check());
    handOff("True", "someday");
    EXPECT_FALSE(companion.check());
    fake.registry.storedValues.clear();
    EXPECT_FALSE(companion.check());
    EXPECT_TRUE(fake.programs.calls.empty());
}

TEST_F(CompanionTest, ReadsTheTargetsIsoFormBeforeItsLocaleText) {
    // A timer in Britain wrote 3 April; read in the United States' way the text is 4 March.
    fake.clock.set(toDayCount(QDate(2027, 4, 3), QTime(8, 0)));
    handOff("True", "03/04/2027 22:00:00");
    EXPECT_FALSE(companion.check()) << "without the ISO form, as an older timer left it";
    fake.registry.storedValues[kOptions + "\\sTPAlarmTimeISO"] = {platform::kRegSz,
                                                                  "2027-04-03T22:00:00"};
    EXPECT_TRUE(companion.check());
}

TEST_F(CompanionTest, AcceptsTheWordsAsTheTimerWritesThemInAnyCase) {
    handOff("TRUE", "12/25/2026");
    EXPECT_TRUE(companion.check());
}

TEST(CompanionFile, ReadsWhatTheTimersCloseWrote) {
    QTemporaryDir folder;
    host::RegFileRegistry registry(folder.path());
    platform::FakeClock clock(toDayCount(QDate(2026, 12, 25), QTime(8, 0)));
    platform::FakeProgramStarter programs;
    Companion companion(registry, clock, programs, "/opt/tempiro/tempiro",
                        QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_TRUE(companion.createKeys());
    QFile file(QDir(folder.path()).filePath("HKEY_USERS.reg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              "REGEDIT4\n\n[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program "
              "Settings\\TVSrvc\\Options]\n\n[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program "
              "Settings\\Tempiro Timer\\Settings]\n");
    file.close();

    modMain::handOffAutoOpen(registry, true);
    modMain::handOffAlarmTime(registry, "12/25/2026 10:00:00 PM", "2026-12-25T22:00:00");
    const Companion::HandOff handOff = companion.read();
    EXPECT_EQ(handOff.autoOpen, "True");
    EXPECT_EQ(handOff.alarmTime, "12/25/2026 10:00:00 PM");
    EXPECT_TRUE(companion.check());
    EXPECT_EQ(programs.calls.size(), 1u);
}
