#include "core/Settings.h"

#include "core/DayCount.h"
#include "core/DisplayEngine.h"
#include "fakes/FakePlatform.h"

#include <gtest/gtest.h>

using namespace tempiro;
using Write = platform::FakeRegistry::Write;

namespace {

const QString kCompanion =
    QStringLiteral(".DEFAULT\\Software\\VB and VBA Program Settings\\TVSrvc\\Options");
const QString kDefaultUser =
    QStringLiteral(".DEFAULT\\Software\\VB and VBA Program Settings\\Tempiro Timer\\Settings");

class SettingsTest : public ::testing::Test {
protected:
    TimerState read() {
        TimerState state;
        readSettings(store, state, link, now, text);
        return state;
    }
    void close(TimerState& state, std::optional<TwipsRect> window = TwipsRect{}) {
        writeSettings(store, registry, state, {link, window, now}, text);
    }

    double now = toDayCount(QDate(2026, 12, 8), QTime(9, 30, 0));
    DateText text{QLocale(QLocale::English, QLocale::UnitedStates)};
    platform::FakeSettingsStore store;
    platform::FakeRegistry registry;
    QString link = QStringLiteral("unset");
};

} // namespace

TEST_F(SettingsTest, NothingStoredGivesTheFirstStartDefaults) {
    const TimerState state = read();
    TimerState expected;
    FirstStart::apply(expected, now);
    EXPECT_EQ(state.bSec, expected.bSec);
    EXPECT_EQ(state.bMin, expected.bMin);
    EXPECT_EQ(state.bHr, expected.bHr);
    EXPECT_EQ(state.bDay, expected.bDay);
    EXPECT_EQ(state.bTTlDay, expected.bTTlDay);
    EXPECT_EQ(state.bLbl, expected.bLbl);
    EXPECT_EQ(state.bWarn, expected.bWarn);
    EXPECT_EQ(state.nWarnMin, 5);
    EXPECT_EQ(state.bAutoOpen, expected.bAutoOpen);
    EXPECT_EQ(state.bAdminReadOnly, expected.bAdminReadOnly);
    EXPECT_EQ(state.bKeepTop, expected.bKeepTop);
    EXPECT_EQ(state.bShowLocalTime, expected.bShowLocalTime);
    EXPECT_EQ(state.bShowMenus, expected.bShowMenus);
    EXPECT_TRUE(state.bTrayIcon) << "the notification-area item is on until turned off";
    EXPECT_EQ(state.dCountFrom, 0) << "when the countdown began is not known";
    EXPECT_EQ(state.nTimeorInterval, kModeTime);
    EXPECT_DOUBLE_EQ(state.dAlarmTime, now + 2.0 / 24.0);
    EXPECT_TRUE(state.sEventTitle.isEmpty());
    EXPECT_TRUE(link.isEmpty());
}

TEST_F(SettingsTest, AnUnreadableTextLeavesTheInitialValueNotTheDefault) {
    store.set("bSec", "maybe");
    store.set("bShowMenus", "");
    store.set("nWarnMin", "99999");
    store.set("nTimeorInterval", "two");
    store.set("AlarmTime", "whenever");
    const TimerState state = read();
    EXPECT_FALSE(state.bSec) << "the initial false, not the default true";
    EXPECT_FALSE(state.bShowMenus);
    EXPECT_EQ(state.nWarnMin, 0);
    EXPECT_EQ(state.nTimeorInterval, kModeTime);
    EXPECT_DOUBLE_EQ(state.dAlarmTime, now + 2.0 / 24) << "absent, never long expired";
    EXPECT_TRUE(state.bMin) << "the other keys still load";
}

TEST_F(SettingsTest, StoredTextsAreConverted) {
    store.set("bTTlDay", "TRUE");
    store.set("bSec", "0");
    store.set("nWarnMin", "7.5");
    store.set("sLink", "https://auction.example/item?id=7, \"rare\"");
    store.set("sEventTitle", "Ends soon");
    store.set("AlarmTime", "12/25/2026 10:00:00 PM");
    const TimerState state = read();
    EXPECT_TRUE(state.bTTlDay);
    EXPECT_FALSE(state.bSec);
    EXPECT_EQ(state.nWarnMin, 8);
    EXPECT_EQ(link, "https://auction.example/item?id=7, \"rare\"");
    EXPECT_EQ(state.sEventTitle, "Ends soon");
    EXPECT_DOUBLE_EQ(state.dAlarmTime, toDayCount(QDate(2026, 12, 25), QTime(22, 0)));
}

TEST_F(SettingsTest, ZeroOrNegativeWarningLeadIsKeptAsStored) {
    store.set("nWarnMin", "-4");
    EXPECT_EQ(read().nWarnMin, -4);
    store.set("nWarnMin", "0");
    EXPECT_EQ(read().nWarnMin, 0);
}

TEST_F(SettingsTest, ClosingWritesEveryKeyInOrderAndHandsOffOnTheWay) {
    registry.existingKeys = {kCompanion, kDefaultUser};
    int flushesAtCommit = -1;
    registry.onCommit = [&] { flushesAtCommit = store.flushes; };
    TimerState state = read();
    link = QStringLiteral("https://example.org/event");
    state.sEventTitle = QStringLiteral("Launch");
    close(state, TwipsRect{100, 200, 5280, 4800});
    EXPECT_EQ(store.writtenKeys, (QStringList{"LeftfrmTempiro",
                                              "TopfrmTempiro",
                                              "WidthfrmTempiro",
                                              "HeightfrmTempiro",
                                              "bSec",
                                              "bMin",
                                              "bHr",
                                              "bDay",
                                              "bTTlDay",
                                              "bLbl",
                                              "bWarn",
                                              "nWarnMin",
                                              "bKeepTop",
                                              "bShowLocalTime",
                                              "bShowMenus",
                                              "bAutoOpen",
                                              "bTrayIcon",
                                              "bKeepAwake",
                                              "sLink",
                                              "nTimeorInterval",
                                              "sEventTitle",
                                              "AlarmTime",
                                              "AlarmTimeISO"}));
    EXPECT_EQ(store.value("LeftfrmTempiro"), "100");
    EXPECT_EQ(store.value("HeightfrmTempiro"), "4800");
    EXPECT_EQ(store.value("bSec"), "True");
    EXPECT_EQ(store.value("bTTlDay"), "False");
    EXPECT_EQ(store.value("nWarnMin"), "5");
    EXPECT_EQ(store.value("sLink"), "https://example.org/event");
    EXPECT_EQ(store.value("AlarmTime"), "12/8/2026 11:30:00 AM");
    EXPECT_EQ(store.value("AlarmTimeISO"), "2026-12-08T11:30:00");
    EXPECT_FALSE(store.contains("CountFromISO")) << "not known, so not made up";
    EXPECT_FALSE(store.contains("bAdminReadOnly"));
    EXPECT_EQ(store.flushes, 1);

    EXPECT_EQ(registry.writes, (std::vector<Write>{
                                   {kCompanion, "bTPAutoOpen", "False"},
                                   {kDefaultUser, "bAutoOpen", "False"},
                                   {kDefaultUser, "bAdminReadOnly", "True"},
                                   {kCompanion, "sTPAlarmTime", "12/8/2026 11:30:00 AM"},
                                   {kCompanion, "sTPAlarmTimeISO", "2026-12-08T11:30:00"},
                                   {kDefaultUser, "AlarmTime", "12/8/2026 11:30:00 AM"},
                               }));
    EXPECT_EQ(registry.openKeys, 0) << "every key opened is closed";
    EXPECT_EQ(registry.writesHeld, 6) << "the hand-off is written in one go";
    EXPECT_EQ(registry.commits, 1);
    EXPECT_EQ(flushesAtCommit, 1) << "the user's settings are saved before the hand-off";
}

// A companion file too big for the memory left cannot cost the user's own settings, which are
// written before it is opened, nor end the program.
TEST_F(SettingsTest, ACompanionFileBeyondTheMemoryLeftIsAFailureNotAnAbort) {
    registry.outOfMemory = true;
    TimerState state = read();
    state.sEventTitle = QStringLiteral("Kept");
    EXPECT_EQ(writeSettings(store, registry, state, {link, std::nullopt, now}, text),
              "not enough memory for the companion clock's file");
    EXPECT_EQ(store.flushes, 1);
    EXPECT_EQ(store.value("sEventTitle"), "Kept");
}

TEST_F(SettingsTest, ClosingMinimisedOrMaximisedKeepsTheStoredGeometry) {
    store.set("LeftfrmTempiro", "1500");
    TimerState state = read();
    close(state, std::nullopt);
    EXPECT_EQ(store.value("LeftfrmTempiro"), "1500");
    EXPECT_FALSE(store.writtenKeys.contains("LeftfrmTempiro"));
    EXPECT_FALSE(store.writtenKeys.contains("HeightfrmTempiro"));
    EXPECT_TRUE(store.writtenKeys.contains("AlarmTime"));
}

TEST_F(SettingsTest, AnUnreadableTargetCountsAsAbsentAndAZeroOneIsTheMomentOfClosing) {
    store.set("AlarmTime", "soon");
    TimerState state = read();
    EXPECT_DOUBLE_EQ(state.dAlarmTime, now + 2.0 / 24);
    state.dAlarmTime = 0;
    now += 1.0 / 24;
    close(state);
    EXPECT_DOUBLE_EQ(state.dAlarmTime, now);
    EXPECT_EQ(store.value("AlarmTime"), "12/8/2026 10:30:00 AM");
}

TEST_F(SettingsTest, AStopWatchRunsOnAcrossARestart) {
    TimerState running = read();
    running.nTimeorInterval = kModeStopWatch;
    running.dAlarmTime = now - 3.0 / 24;
    close(running);
    EXPECT_EQ(store.value("nTimeorInterval"), "2");

    now += 1.0; // the next day
    TimerState restarted = read();
    EXPECT_EQ(restarted.nTimeorInterval, kModeStopWatch);
    EXPECT_NEAR(restarted.dAlarmTime, running.dAlarmTime, 0.5 / kSecondsPerDay);
    const DisplayUpdate u = decideUpdate(restarted, now, text);
    EXPECT_EQ(u.valueText, " 03:00:00") << "a day and three hours, whole days dropped";
}

TEST_F(SettingsTest, ACountdownKeepsWhenItBeganAcrossARestart) {
    TimerState running = read();
    running.dCountFrom = now - 0.25;
    close(running);
    now += 0.1;
    EXPECT_NEAR(read().dCountFrom, running.dCountFrom, 0.5 / kSecondsPerDay);
}

TEST_F(SettingsTest, AStoredIntervalStartsFromTheNextStart) {
    store.set("nTimeorInterval", "1");
    store.set("AlarmTime", "12:30:00 AM");
    TimerState state = read();
    EXPECT_EQ(state.nTimeorInterval, kModeInterval);
    decideUpdate(state, now, text);
    EXPECT_EQ(state.nTimeorInterval, kModeTime);
    EXPECT_DOUBLE_EQ(state.dAlarmTime, now + 30.0 / kMinutesPerDay);
}

TEST_F(SettingsTest, HandOffWritesOnlyIntoKeysThatExist) {
    TimerState state = read();
    close(state);
    EXPECT_TRUE(registry.writes.empty());

    registry.existingKeys = {kCompanion};
    state.bAutoOpen = true;
    state.sEventTitle = QStringLiteral("Not for the companion");
    link = QStringLiteral("https://example.org/");
    close(state);
    EXPECT_EQ(registry.writes, (std::vector<Write>{
                                   {kCompanion, "bTPAutoOpen", "True"},
                                   {kCompanion, "sTPAlarmTime", "12/8/2026 11:30:00 AM"},
                                   {kCompanion, "sTPAlarmTimeISO", "2026-12-08T11:30:00"},
                               }));
}

TEST_F(SettingsTest, GeometryKeysMissingOrUnreadableAreAbsent) {
    EXPECT_FALSE(readStoredWindow(store).left.has_value());
    store.set("TopfrmTempiro", "900.5");
    store.set("WidthfrmTempiro", "narrow");
    const StoredWindow stored = readStoredWindow(store);
    EXPECT_EQ(stored.top, 900.5f);
    EXPECT_FALSE(stored.width.has_value());
}

TEST(WindowPlacement, ARectangleOffEveryScreenIsOutOfReach) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_TRUE(onSomeScreen(QRect(3000, 900, 350, 300), screens));
    EXPECT_TRUE(onSomeScreen(QRect(-200, -100, 350, 300), screens));
    EXPECT_FALSE(onSomeScreen(QRect(3300, 100, 350, 300), screens));
    EXPECT_FALSE(onSomeScreen(QRect(100, 1100, 350, 300), screens));
}

TEST(WindowPlacement, AStoredPlaceIsKeptWhileReachableAndABadSizeGivesTheDesignedOne) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QSize designed(352, 306);
    const std::optional<float> none;
    struct Case {
        StoredWindow stored; // twips, 15 to the pixel at 96 dpi
        std::optional<QPoint> position;
        QSize size;
    } cases[] = {
        {{0, 0, 6000, 4500}, QPoint(0, 0), {400, 300}},
        {{15, 15, 6000, 4500}, QPoint(1, 1), {400, 300}},
        {{none, 15, 6000, 4500}, std::nullopt, {400, 300}},
        {{47700, 0, 6000, 4500}, QPoint(3180, 0), {400, 300}}, // title bar on the second screen
        {{49500, 0, 6000, 4500}, std::nullopt, {400, 300}},    // right of every screen
        {{1500, -600, 6000, 4500}, std::nullopt, {400, 300}},  // title bar above every screen
        {{1500, 1500, 0, -4500}, QPoint(100, 100), designed},
        {{1500, 1500, 1e30f, 1e30f}, QPoint(100, 100), designed},
        {{1500, 1500, 48000, 16200}, QPoint(100, 100), {3200, 1080}}, // all screens together
        {{1500, 1500, 48015, 16215}, QPoint(100, 100), designed},
        {{-1e30f, 1e30f, none, none}, std::nullopt, designed},
    };
    for (const Case& c : cases) {
        const WindowPlacement placement = placementAtStart(c.stored, designed, 96, screens);
        EXPECT_EQ(placement.position, c.position) << c.stored.left.value_or(-1);
        EXPECT_EQ(placement.size, c.size) << c.stored.width.value_or(-1);
    }
}

TEST_F(SettingsTest, ANumberBeyondItsTypeReadsAsTheInitialValueNeverAnother) {
    for (const char* text : {"1e9", "-1e9", "32768", "-32769", "1e999", "nan", "inf", "0x10"}) {
        store.set("nWarnMin", text);
        store.set("nTimeorInterval", text);
        const TimerState state = read();
        EXPECT_EQ(state.nWarnMin, 0) << text;
        EXPECT_EQ(state.nTimeorInterval, kModeTime) << text;
    }
}

TEST_F(SettingsTest, ATargetSavedUnderOneLocaleIsTheSameMomentUnderAnother) {
    TimerState saved = read();
    saved.dAlarmTime = toDayCount(QDate(2027, 4, 3), QTime(10, 0));
    close(saved); // "4/3/2027 10:00:00 AM"
    for (const char* name : {"en_GB", "de_DE", "C", "ar_EG", "ko_KR", "th_TH", "sq_AL"}) {
        TimerState loaded;
        readSettings(store, loaded, link, now, DateText(QLocale(name)));
        EXPECT_DOUBLE_EQ(loaded.dAlarmTime, saved.dAlarmTime) << name;
    }
    store.set("AlarmTimeISO", "garbled");
    TimerState fallback = read();
    EXPECT_DOUBLE_EQ(fallback.dAlarmTime, saved.dAlarmTime) << "the text when that key is bad";
}
