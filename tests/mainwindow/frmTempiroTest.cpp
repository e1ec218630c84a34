#include "mainwindow/frmTempiro.h"

#include "command/CommandApply.h"
#include "core/DayCount.h"
#include "fakes/FakePlatform.h"
#include "timeentry/frmEnterTime.h"
#include "tray/TrayItem.h"
#include "widgets/Announcer.h"
#include "widgets/ClickableLabel.h"
#include "widgets/FittedLabel.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using namespace tempiro;

namespace {

const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        fake.clock.set(start);
        timer.emplace(fake.services().forTimer());
        form = std::make_unique<frmTempiro>(*timer, fake.services());
    }
    ~MainWindowTest() override { QLocale::setDefault(QLocale::c()); }

    // Seconds hidden and an update between minutes, which leaves no redraw asked for.
    void withoutRedrawAsked() {
        form->mnuDispSec_Click();
        fake.clock.advanceSeconds(1);
        form->tmrSec_Timer();
        ASSERT_FALSE(timer->state().bForceRedraw);
    }

    void startProgram() {
        form->Form_Load();
        form->show();
        form->Form_Activate();
    }

    const double start = toDayCount(QDate(2026, 12, 8), QTime(9, 30, 0));
    platform::FakePlatform fake;
    std::optional<Timer> timer; // made in the test's locale
    std::unique_ptr<frmTempiro> form;
};

} // namespace

TEST_F(MainWindowTest, FirstStartCountsDownTwoHoursWithEveryUnitShown) {
    startProgram();
    const frmTempiro& f = *form;
    EXPECT_TRUE(f.timer().state().bSec && f.timer().state().bMin && f.timer().state().bHr &&
                f.timer().state().bDay && f.timer().state().bLbl && f.timer().state().bShowMenus);
    EXPECT_FALSE(f.timer().state().bTTlDay || f.timer().state().bShowLocalTime ||
                 f.timer().state().bWarn || f.timer().state().bAutoOpen ||
                 f.timer().state().bKeepTop);
    EXPECT_EQ(f.timer().state().nWarnMin, 5);
    EXPECT_EQ(f.timer().state().nTimeorInterval, kModeTime);
    EXPECT_DOUBLE_EQ(f.timer().state().dAlarmTime, start + 2.0 / 24.0);
    EXPECT_TRUE(f.timer().state().sEventTitle.isEmpty());
    EXPECT_TRUE(f.txtURL->text().isEmpty());
    EXPECT_TRUE(f.txtURL->isHidden());
    EXPECT_TRUE(f.cmdGo->isHidden());

    EXPECT_TRUE(f.mnuDispSec->isChecked());
    EXPECT_TRUE(f.mnuDispDay->isChecked());
    EXPECT_FALSE(f.mnuDispTtlDay->isChecked());
    EXPECT_TRUE(f.mnuDispMenus->isChecked());
    EXPECT_FALSE(f.mnuDispTop->isChecked());
    EXPECT_TRUE(f.tmrSec->isActive());
    EXPECT_EQ(f.tmrSec->interval(), 945);
    EXPECT_TRUE(fake.windows.topmostCalls.empty());
}

TEST_F(MainWindowTest, EachTickShowsTheRemainingTime) {
    startProgram();
    EXPECT_EQ(form->lblSystemTime->text(), " 00 02:00:00");
    EXPECT_EQ(form->lblLabel->text(), " dy hh:mm:ss");
    EXPECT_EQ(form->lblAlarmTime->text(), "12/8/2026 11:30:00 AM");
    EXPECT_EQ(form->lblSystem->text(), "Time Remain");
    EXPECT_EQ(form->lblAlarm->text(), "Alarm Time");
    EXPECT_EQ(textColour(form->lblSystemTime), kGreen);
    EXPECT_EQ(form->windowTitle(), "Tempiro Timer");

    fake.clock.advanceSeconds(61);
    form->tmrSec_Timer();
    EXPECT_EQ(form->lblSystemTime->text(), " 00 01:58:59");

    fake.clock.set(start + 2.0 / 24.0 + 3.0 / kSecondsPerDay);
    form->tmrSec_Timer();
    EXPECT_EQ(form->lblSystemTime->text(), "+ 00:00:03");
    EXPECT_EQ(form->lblSystem->text(), "Time Expired");
    EXPECT_EQ(textColour(form->lblSystemTime), kRed);
    EXPECT_EQ(fake.sound.beepCount(), 1);
}

TEST_F(MainWindowTest, ClickingTheLowerLinePausesAndResumes) {
    startProgram();
    form->lblSystemTime->resize(200, 30);
    QTest::mouseClick(form->lblSystemTime, Qt::LeftButton);
    EXPECT_TRUE(form->timer().state().bPaused);
    EXPECT_FALSE(form->tmrSec->isActive());
    EXPECT_EQ(textColour(form->lblSystemTime), kYellow);

    form->lblSystemTime_Click();
    EXPECT_FALSE(form->timer().state().bPaused);
    EXPECT_TRUE(form->tmrSec->isActive());
    fake.clock.advanceSeconds(90);
    form->tmrSec_Timer();
    EXPECT_EQ(form->lblSystemTime->text(), " 00 01:58:30") << "a pause never moves the target";
    EXPECT_EQ(textColour(form->lblSystemTime), kGreen);
}

TEST_F(MainWindowTest, TheFirstWarningRestoresTheWindowAndPutsItOnTop) {
    startProgram();
    fake.windows.currentState = platform::WindowState::Minimized;
    const QSize size = form->size();
    AlarmRequest alarm;
    alarm.warnMinutes = 10;
    alarm.time = fake.clock.now() + 4.5 / kMinutesPerDay;
    timer->commitAlarm(alarm);
    EXPECT_EQ(fake.windows.stateChanges,
              std::vector<platform::WindowState>{platform::WindowState::Normal});
    ASSERT_EQ(fake.windows.topmostCalls.size(), 1u);
    EXPECT_TRUE(fake.windows.topmostCalls[0].on);
    EXPECT_EQ(fake.windows.topmostCalls[0].topLeft, QPoint(320, 25));
    EXPECT_EQ(form->size(), size);
    EXPECT_FALSE(form->timer().state().bKeepTop);
    EXPECT_FALSE(form->mnuDispTop->isChecked());

    using E = platform::FakeSound::Event;
    std::vector<platform::FakeSound::Entry> fiveBeeps;
    for (int i = 0; i < 5; ++i) {
        fiveBeeps.push_back({E::Beep, 0});
        fiveBeeps.push_back({E::Pause, 300});
    }
    EXPECT_EQ(fake.sound.log, fiveBeeps);
    EXPECT_EQ(textColour(form->lblSystemTime), kYellow);
}

TEST_F(MainWindowTest, ShowMenusHidesAndShowsAllFourMenus) {
    startProgram();
    form->mnuDispMenus_Click();
    EXPECT_FALSE(form->timer().state().bShowMenus);
    for (QMenu* menu : {form->mnuSet, form->mnuDisp, form->mnuTools, form->mnuHelp})
        EXPECT_FALSE(menu->menuAction()->isVisible());
    EXPECT_FALSE(form->mnuDispMenus->isChecked());

    form->ShowMenus(true);
    for (QMenu* menu : {form->mnuSet, form->mnuDisp, form->mnuTools, form->mnuHelp})
        EXPECT_TRUE(menu->menuAction()->isVisible());
    EXPECT_TRUE(form->mnuDispMenus->isChecked());
}

TEST_F(MainWindowTest, MenuBarCarriesEveryItem) {
    auto captions = [](QMenu* menu) {
        QStringList list;
        for (QAction* action : menu->actions())
            list << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return list;
    };
    EXPECT_EQ(form->mnuSet->title(), "&Set");
    EXPECT_EQ(captions(form->mnuSet), (QStringList{"&Alarm...", "&Clock..."}));
    EXPECT_EQ(form->mnuDisp->title(), "&Display");
    EXPECT_EQ(captions(form->mnuDisp),
              (QStringList{"&Seconds", "&Minutes", "&Hours", "&Days", "-", "&Total Days", "-",
                           "&Labels", "&Menus", "-", "Show Local &Time", "-", "Keep on Top",
                           "Notification Area Icon"}));
    EXPECT_EQ(form->mnuDisp->font(), form->menuBar()->font()) << "the pull-downs' font";
    EXPECT_EQ(form->mnuTools->title(), "&Tools");
    EXPECT_EQ(captions(form->mnuTools),
              (QStringList{"Create &Appointment in Outlook", "Keep Computer Awake Near the End"}));
    EXPECT_EQ(form->mnuHelp->title(), "&Help");
    EXPECT_EQ(captions(form->mnuHelp),
              (QStringList{"&Help", "Marrowby Software &Web Site", "&About"}));
}

TEST_F(MainWindowTest, TotalDaysAndTheUnitsExcludeEachOther) {
    startProgram();
    withoutRedrawAsked();
    form->mnuDispSec_Click();
    form->mnuDispTtlDay_Click();
    EXPECT_TRUE(form->timer().state().bTTlDay);
    EXPECT_FALSE(form->timer().state().bSec || form->timer().state().bMin ||
                 form->timer().state().bHr || form->timer().state().bDay);
    for (QAction* unit : {form->mnuDispSec, form->mnuDispMin, form->mnuDispHr, form->mnuDispDay})
        EXPECT_FALSE(unit->isChecked());
    EXPECT_TRUE(form->timer().state().bForceRedraw);

    form->mnuDispSec_Click();
    EXPECT_TRUE(form->timer().state().bSec);
    EXPECT_FALSE(form->timer().state().bTTlDay);
    EXPECT_FALSE(form->mnuDispTtlDay->isChecked());

    // Turning a unit off touches nothing else.
    form->mnuDispSec_Click();
    EXPECT_FALSE(form->timer().state().bSec);
    EXPECT_FALSE(form->timer().state().bTTlDay);
}

TEST_F(MainWindowTest, KeepOnTopMovesTheWindowWithoutResizingIt) {
    startProgram();
    const QSize size = form->size();
    form->mnuDispTop_Click();
    EXPECT_TRUE(form->timer().state().bKeepTop);
    EXPECT_TRUE(form->mnuDispTop->isChecked());
    form->mnuDispTop_Click();
    ASSERT_EQ(fake.windows.topmostCalls.size(), 2u);
    EXPECT_TRUE(fake.windows.topmostCalls[0].on);
    EXPECT_FALSE(fake.windows.topmostCalls[1].on);
    EXPECT_EQ(fake.windows.topmostCalls[1].topLeft, QPoint(320, 25));
    EXPECT_EQ(form->size(), size);
}

TEST_F(MainWindowTest, ShowLocalTimeChangesTheUpperCaptionAtOnce) {
    startProgram();
    form->mnuDispLocalTime_Click();
    EXPECT_EQ(form->lblAlarm->text(), "Local Time");
    fake.clock.advanceSeconds(5);
    form->tmrSec_Timer();
    EXPECT_EQ(form->lblAlarmTime->text(), "12/8/2026 9:30:05 AM");
    form->mnuDispLocalTime_Click();
    EXPECT_EQ(form->lblAlarm->text(), "Alarm Time");
}

TEST_F(MainWindowTest, StoredOptionsAlarmAndLinkComeBackAtLoad) {
    fake.settings.set("bTTlDay", "True");
    fake.settings.set("bSec", "False");
    fake.settings.set("bLbl", "False");
    fake.settings.set("bShowLocalTime", "True");
    fake.settings.set("bShowMenus", "False");
    fake.settings.set("sLink", "https://example.org/lot/42");
    fake.settings.set("sEventTitle", "Lot 42");
    fake.settings.set("AlarmTime", "12/10/2026 6:00:00 PM");
    startProgram();
    EXPECT_TRUE(form->mnuDispTtlDay->isChecked());
    EXPECT_FALSE(form->mnuDispSec->isChecked());
    EXPECT_FALSE(form->mnuDispLbl->isChecked());
    EXPECT_TRUE(form->mnuDispLocalTime->isChecked());
    EXPECT_FALSE(form->mnuDisp->menuAction()->isVisible());
    EXPECT_FALSE(form->mnuDispMenus->isChecked());
    EXPECT_EQ(form->txtURL->text(), "https://example.org/lot/42");
    EXPECT_FALSE(form->txtURL->isHidden());
    EXPECT_FALSE(form->cmdGo->isHidden());
    EXPECT_EQ(form->windowTitle(), "Tempiro to Lot 42");
    EXPECT_EQ(form->lblSystemTime->text(), "2");
}

TEST_F(MainWindowTest, KeepOnTopSavedOnIsAppliedAgainAtLoad) {
    fake.settings.set("bKeepTop", "True");
    fake.settings.set("LeftfrmTempiro", "1500");
    fake.settings.set("TopfrmTempiro", "1500");
    startProgram();
    EXPECT_TRUE(form->timer().state().bKeepTop);
    EXPECT_TRUE(form->mnuDispTop->isChecked());
    ASSERT_EQ(fake.windows.topmostCalls.size(), 1u);
    EXPECT_TRUE(fake.windows.topmostCalls[0].on);
    EXPECT_EQ(form->pos(), QPoint(320, 25)) << "whatever position was saved";
}

TEST_F(MainWindowTest, TheWindowComesBackWhereAndAsLargeAsItWas) {
    fake.settings.set("LeftfrmTempiro", "1500");
    fake.settings.set("TopfrmTempiro", "3000");
    fake.settings.set("WidthfrmTempiro", "6000");
    fake.settings.set("HeightfrmTempiro", "4500");
    startProgram();
    EXPECT_EQ(form->pos(), QPoint(100, 200));
    EXPECT_EQ(form->size(), QSize(400, 300));
}

TEST_F(MainWindowTest, APlaceOffEveryScreenKeepsTheDesignedPosition) {
    const QPoint designed = form->pos();
    fake.settings.set("LeftfrmTempiro", "60000");
    fake.settings.set("TopfrmTempiro", "-45000");
    fake.settings.set("WidthfrmTempiro", "6000");
    startProgram();
    EXPECT_EQ(form->pos(), designed);
    EXPECT_EQ(form->width(), 400) << "the size is still restored";
}

TEST_F(MainWindowTest, TheCornerIsAStoredPlaceAndAZeroSizeGivesTheDesignedOne) {
    const QSize designed = form->size();
    fake.settings.set("LeftfrmTempiro", "0");
    fake.settings.set("TopfrmTempiro", "0");
    fake.settings.set("WidthfrmTempiro", "0");
    fake.settings.set("HeightfrmTempiro", "1e30");
    startProgram();
    EXPECT_TRUE(form->testAttribute(Qt::WA_Moved)) << "placed by us, not by the window manager";
    EXPECT_EQ(form->pos(), QPoint(0, 0));
    EXPECT_EQ(form->size(), designed);
}

TEST_F(MainWindowTest, ClosingSavesOnceAndMinimisedKeepsTheOldGeometry) {
    fake.settings.set("LeftfrmTempiro", "1500");
    startProgram();
    fake.windows.currentState = platform::WindowState::Minimized;
    fake.clock.advanceSeconds(30);
    form->close();
    form->Form_Unload();
    EXPECT_FALSE(fake.settings.writtenKeys.contains("LeftfrmTempiro"));
    EXPECT_EQ(fake.settings.writtenKeys.count("AlarmTime"), 1);
    EXPECT_EQ(fake.settings.value("AlarmTime"), "12/8/2026 11:30:00 AM");
    EXPECT_EQ(fake.settings.flushes, 1);
}

TEST_F(MainWindowTest, ASaveThatFailsAtTheCloseIsToldInANotification) {
    for (const bool settingsFail : {true, false}) {
        platform::FakePlatform platform;
        (settingsFail ? platform.settings.flushFailure : platform.registry.commitFailure) =
            "No space left on device";
        Timer timer(platform.services().forTimer());
        frmTempiro window(timer, platform.services());
        window.Form_Load();
        window.close();
        EXPECT_EQ(platform.notifier.shown,
                  (std::vector<std::pair<QString, QString>>{
                      {"Tempiro Timer",
                       "Tempiro Timer could not save its settings: No space left on device"}}));
    }
    form->close();
    EXPECT_TRUE(fake.notifier.shown.empty()) << "nothing to tell after a good save";
}

TEST_F(MainWindowTest, ClosingInTheNormalStateSavesThePlace) {
    startProgram();
    form->move(150, 75);
    form->resize(420, 330);
    form->close();
    EXPECT_EQ(fake.settings.value("LeftfrmTempiro"), "2250");
    EXPECT_EQ(fake.settings.value("TopfrmTempiro"), "1125");
    EXPECT_EQ(fake.settings.value("WidthfrmTempiro"), "6300");
    EXPECT_EQ(fake.settings.value("HeightfrmTempiro"), "4950");
}

TEST_F(MainWindowTest, AClickOnTheBackgroundBringsAHiddenMenuBarBack) {
    startProgram();
    form->mnuDispMenus_Click();
    ASSERT_FALSE(form->mnuDisp->menuAction()->isVisible());
    QWidget* client = form->centralWidget();
    withoutRedrawAsked();

    // The frame and its labels are not the background.
    QTest::mouseClick(client, Qt::LeftButton, {}, form->frameDisplay->geometry().center());
    QTest::mouseClick(form->lblLabel, Qt::LeftButton);
    EXPECT_FALSE(form->mnuDisp->menuAction()->isVisible());

    QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(1, client->height() - 1));
    EXPECT_TRUE(form->timer().state().bShowMenus);
    for (QMenu* menu : {form->mnuSet, form->mnuDisp, form->mnuTools, form->mnuHelp})
        EXPECT_TRUE(menu->menuAction()->isVisible());
    EXPECT_TRUE(form->mnuDispMenus->isChecked());
    EXPECT_FALSE(form->timer().state().bForceRedraw) << "unlike the Menus command";
}

TEST_F(MainWindowTest, TheDisplayScalesWithTheWindow) {
    startProgram();
    form->resize(700, 500); // 10500 twips across at 96 dpi
    QCoreApplication::processEvents();
    EXPECT_EQ(form->lblAlarmTime->font().pointSizeF(), 48);
    EXPECT_EQ(form->lblLabel->font().pointSizeF(), 46);
    EXPECT_EQ(form->lblSystemTime->width(), form->lblAlarmTime->width());
    EXPECT_GT(form->lblAlarm->x(), form->lblAlarmTime->width() / 2) << "over the right end";
    EXPECT_EQ(form->lblAlarmTime->reservedRight(), form->lblAlarm->width());
    const QFont fitted = form->lblAlarmTime->fittedFont();
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(form->lblAlarmTime->text()),
              form->lblAlarmTime->width() - form->lblAlarm->width())
        << "the time stays clear of its caption";
}

TEST_F(MainWindowTest, MinimisingOnlyAsksForAFullRedraw) {
    startProgram();
    const QRect before = form->lblSystemTime->geometry();
    withoutRedrawAsked();
    fake.windows.currentState = platform::WindowState::Minimized;
    form->Form_Resize();
    EXPECT_TRUE(form->timer().state().bForceRedraw);
    EXPECT_EQ(form->lblSystemTime->geometry(), before);
}

TEST_F(MainWindowTest, TurningLabelsOnPlacesTheCaptionsAtOnce) {
    fake.settings.set("bLbl", "False");
    startProgram();
    form->resize(500, 400); // 7500 twips across at 96 dpi
    QCoreApplication::processEvents();
    const QRect hiddenPlace = form->lblAlarm->geometry();
    form->mnuDispLbl_Click();
    EXPECT_TRUE(form->timer().state().bLbl);
    EXPECT_NE(form->lblAlarm->geometry(), hiddenPlace);
    EXPECT_EQ(form->lblAlarm->font().pointSizeF(), 10);
    form->tmrSec_Timer();
    EXPECT_TRUE(form->lblAlarm->isVisible());
}

TEST_F(MainWindowTest, TheExpiryReachesTheDesktopsNotifications) {
    startProgram();
    fake.clock.set(form->timer().state().dAlarmTime + 1.0 / kSecondsPerDay);
    form->tmrSec_Timer();
    ASSERT_EQ(fake.notifier.shown.size(), 1u);
    EXPECT_EQ(fake.notifier.shown[0],
              (std::pair<QString, QString>{"Tempiro Timer", "Time Expired"}));
}

TEST_F(MainWindowTest, AScreenReaderReadsEachLineWithItsCaption) {
    startProgram();
    EXPECT_EQ(form->lblSystemTime->accessibleName(), "0 days 2 hours 0 minutes 0 seconds");
    EXPECT_EQ(form->lblAlarmTime->accessibleName(), "12/8/2026 11:30:00 AM");
    // Each caption is its line's label, so it is read once, before the line.
    for (auto [caption, line] : {std::pair{form->lblSystem, form->lblSystemTime},
                                 std::pair{form->lblAlarm, form->lblAlarmTime}}) {
        const auto labels =
            QAccessible::queryAccessibleInterface(line)->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0].first->text(QAccessible::Name), caption->text());
    }
    EXPECT_EQ(form->lblLabel->accessibleName(), "days, hours, minutes and seconds");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->frameDisplay)->role(),
              QAccessible::Grouping);
    EXPECT_FALSE(form->lblSystemTime->accessibleDescription().isEmpty());
    form->lblSystemTime_Click();
    EXPECT_TRUE(form->lblSystemTime->accessibleName().endsWith(", paused"));
}

// "warning" is said only while warnings sound, not for the whole last hour.
TEST_F(MainWindowTest, TheLowerLineSaysWarningOnlyWhileWarningsSound) {
    startProgram();
    const struct {
        std::optional<qint16> warn;
        double minutesLeft;
        bool warning;
    } cases[] = {{std::nullopt, 30, false}, {10, 30, false}, {10, 9, true}};
    for (const auto& c : cases) {
        AlarmRequest alarm;
        alarm.time = fake.clock.now() + c.minutesLeft / kMinutesPerDay;
        alarm.warnMinutes = c.warn;
        timer->commitAlarm(alarm);
        EXPECT_EQ(form->lblSystemTime->accessibleName().endsWith(", warning"), c.warning)
            << c.minutesLeft;
    }
}

TEST_F(MainWindowTest, AClockJumpingHoursOnlyChangesWhatIsShownNotTheTarget) {
    startProgram();
    const double target = form->timer().state().dAlarmTime;
    fake.clock.advanceSeconds(3 * 3600.0); // a suspend, or the clock set forward
    form->tmrSec_Timer();
    EXPECT_EQ(form->lblSystemTime->text(), "+ 01:00:00");
    EXPECT_EQ(form->lblSystem->text(), "Time Expired");
    fake.clock.advanceSeconds(-4 * 3600.0); // set back again
    form->tmrSec_Timer();
    EXPECT_EQ(form->lblSystemTime->text(), " 00 03:00:00");
    EXPECT_EQ(form->lblSystem->text(), "Time Remain");
    EXPECT_EQ(textColour(form->lblSystemTime), kGreen);

    form->lblSystemTime_Click();
    fake.clock.advanceSeconds(5400);
    form->lblSystemTime_Click();
    form->tmrSec_Timer();
    EXPECT_DOUBLE_EQ(form->timer().state().dAlarmTime, target) << "a pause never moves the target";
    EXPECT_EQ(form->lblSystemTime->text(), " 00 01:30:00");
}

TEST_F(MainWindowTest, OnlyComingBackFromAnotherOwnWindowActivates) {
    startProgram();
    QWindow menu, dialog;
    menu.setFlags(Qt::Popup);
    form->txtURL->setText("https://example.org/");
    form->lblSystemTime_Click(); // paused
    const QString frozen = form->lblSystemTime->text();
    fake.clock.advanceSeconds(4);
    for (QWindow* window : {form->windowHandle(), &menu, form->windowHandle()})
        form->onFocusWindowChanged(window);
    EXPECT_EQ(form->lblSystemTime->text(), frozen) << "a menu closing is no activation";
    EXPECT_TRUE(form->txtURL->isHidden());
    for (QWindow* window : {&dialog, form->windowHandle()})
        form->onFocusWindowChanged(window);
    EXPECT_FALSE(form->txtURL->isHidden());
}

TEST_F(MainWindowTest, PauseAndHiddenMenusAreReachedFromTheKeyboard) {
    startProgram();
    QApplication::setActiveWindow(form.get());
    for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Pause), Qt::CTRL | Qt::Key_P}) {
        const bool paused = form->timer().state().bPaused;
        QTest::keyClick(form.get(), keys.key(), keys.keyboardModifiers());
        EXPECT_NE(form->timer().state().bPaused, paused);
    }
    form->mnuDispMenus_Click();
    ASSERT_FALSE(form->timer().state().bShowMenus);
    QTest::keyClick(form.get(), Qt::Key_F10);
    EXPECT_TRUE(form->timer().state().bShowMenus);
    EXPECT_EQ(form->menuBar()->activeAction(), form->mnuSet->menuAction()) << "F10 enters the bar";
    EXPECT_TRUE(form->mnuSet->isVisible());
    form->mnuSet->close();
    form->mnuDispMenus_Click();
    QTest::keyPress(form->txtURL, Qt::Key_Alt);
    QTest::keyRelease(form->txtURL, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(form->timer().state().bShowMenus) << "Alt pressed alone";
    QTest::keyClick(form.get(), Qt::Key_Alt);
    EXPECT_TRUE(form->timer().state().bShowMenus) << "shown menus stay";
}

// The window is one face of the timer: what another face commands shows in it, and the timer
// runs on after it.
TEST_F(MainWindowTest, TheWindowFollowsTheTimersCommandsAndTheTimerOutlivesIt) {
    startProgram();
    timer->toggleOption(DisplayOption::KeepOnTop);
    timer->toggleOption(DisplayOption::TotalDays);
    EXPECT_TRUE(form->mnuDispTop->isChecked() && form->mnuDispTtlDay->isChecked());
    EXPECT_FALSE(form->mnuDispSec->isChecked() || form->mnuDispDay->isChecked());
    ASSERT_EQ(fake.windows.topmostCalls.size(), 1u);
    timer->setPaused(true);
    EXPECT_EQ(textColour(form->lblSystemTime), kYellow);
    EXPECT_TRUE(form->lblSystemTime->accessibleName().endsWith(", paused"));
    AlarmRequest alarm;
    alarm.time = start + 1;
    alarm.link = "https://auction.example/lot/7";
    timer->commitAlarm(alarm);
    EXPECT_EQ(form->txtURL->text(), "https://auction.example/lot/7");

    form.reset();
    fake.windows.currentState = platform::WindowState::Minimized;
    QSignalSpy updates(&*timer, &Timer::updated);
    timer->tick();
    ASSERT_EQ(updates.size(), 1);
    EXPECT_EQ(updates[0][0].value<DisplayUpdate>().title, "Tempiro Timer")
        << "without a window there is no minimised title";
}

// Where the compositor places windows (Wayland) the stored place is neither used nor replaced,
// and Keep on Top is shown as the option it is, disabled with the reason.
TEST_F(MainWindowTest, OnWaylandThePlaceAndKeepOnTopAreLeftToTheCompositor) {
    fake.windows.places = false;
    fake.settings.set("bKeepTop", "True");
    fake.settings.set("LeftfrmTempiro", "1500");
    fake.settings.set("TopfrmTempiro", "1500");
    fake.settings.set("WidthfrmTempiro", "6000");
    startProgram();
    EXPECT_EQ(form->width(), 400);
    EXPECT_NE(form->pos(), QPoint(100, 100));
    EXPECT_TRUE(form->mnuDispTop->isChecked());
    EXPECT_FALSE(form->mnuDispTop->isEnabled());
    EXPECT_TRUE(form->mnuDispTop->toolTip().contains("Wayland"));
    EXPECT_TRUE(fake.windows.topmostCalls.empty());
    form->move(150, 75);
    form->close();
    EXPECT_EQ(fake.settings.value("LeftfrmTempiro"), "1500");
    EXPECT_EQ(fake.settings.value("bKeepTop"), "True");
}

// The Tools menu's hold on sleep is an option the menu shows and the close keeps; the clock's
// state shows on the upper line once the window is up and the system has answered.
TEST_F(MainWindowTest, KeepAwakeAndTheClocksStateReachTheWindow) {
    startProgram();
    QCoreApplication::processEvents();
    EXPECT_EQ(fake.system.watched, 1) << "the system is asked once the window is up";
    form->mnuToolsAwake->trigger();
    EXPECT_TRUE(form->mnuToolsAwake->isChecked());
    fake.system.onSynchronised(false);
    EXPECT_EQ(form->lblAlarmTime->toolTip(), unsynchronisedClockText());
    fake.system.onSynchronised(true);
    EXPECT_TRUE(form->lblAlarmTime->toolTip().isEmpty());
    form->close();
    EXPECT_EQ(fake.settings.value("bKeepAwake"), "True");
}

// The unit heading stands over the digits it names, whatever the window's width.
TEST_F(MainWindowTest, TheHeadingStandsOverItsDigits) {
    startProgram();
    for (const int width : {352, 1000}) {
        form->resize(width, width * 4290 / 5280);
        QCoreApplication::processEvents();
        const auto centre = [](const widgets::FittedLabel* line) {
            return line->x() + (line->width() - line->reservedRight()) / 2.0;
        };
        EXPECT_NEAR(centre(form->lblLabel), centre(form->lblSystemTime), 1) << width;
    }
}

// The time left takes the keyboard focus after the link row and pauses on Space as on a click.
TEST_F(MainWindowTest, TheTimeLeftIsWithinReachOfTheKeyboard) {
    startProgram();
    QWidget* next = form->cmdGo->nextInFocusChain();
    while (next != form->cmdGo && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, form->lblSystemTime) << "the tab stop after Go";
    // Taking the focus at every start must not build a label's text document.
    QFocusEvent focusIn(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(form->lblSystemTime, &focusIn);
    EXPECT_EQ(form->lblSystemTime->findChild<QTextDocument*>(), nullptr);
    QTest::keyClick(form->lblSystemTime, Qt::Key_Space);
    EXPECT_TRUE(form->timer().state().bPaused);
    QTest::keyClick(form->lblSystemTime, Qt::Key_Return);
    EXPECT_FALSE(form->timer().state().bPaused);
}

// A refusal and each milestone reach the screen reader as a notification object shown with the
// words, the route Orca speaks wherever the focus is; each from the main window.
TEST_F(MainWindowTest, RefusalsAndMilestonesAreSaidAsNotifications) {
    startProgram();
    QStringList said;
    const auto hear = [&said](QWidget* window) {
        auto* announcer = window->findChild<widgets::Announcer*>();
        ASSERT_NE(announcer, nullptr);
        ASSERT_TRUE(announcer->isVisible());
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(announcer);
        ASSERT_EQ(face->role(), QAccessible::Notification);
        said << face->text(QAccessible::Name);
    };
    form->lblSystemTime_Click();
    hear(form.get());
    form->lblSystemTime_Click();
    hear(form.get());
    AlarmRequest alarm;
    alarm.time = fake.clock.now() + 2.0 / kMinutesPerDay;
    alarm.title = "Tea";
    alarm.warnMinutes = 5;
    timer->commitAlarm(alarm);
    hear(form.get());
    fake.clock.advanceSeconds(121);
    timer->tick();
    hear(form.get());
    form->mnuSetTime_Click();
    form->enterTime()->txtTime->setText("zz");
    form->enterTime()->cmdOK_Click();
    hear(form.get()); // the dialog's refusal too: said from a dialog, Orca repeats it

    EXPECT_EQ(said.mid(0, 2), (QStringList{"Paused", "Resumed"}));
    EXPECT_TRUE(said[2].startsWith("Tea: ") && said[3].startsWith("Tea: ") && said[2] != said[3]);
    EXPECT_EQ(said[4], "Date/time is not in the correct format.");
    // Said, and then gone: a later review of the window meets no spent message.
    auto* announcer = form->findChild<widgets::Announcer*>();
    QElapsedTimer waited;
    waited.start();
    while (announcer->isVisible() &&
           waited.elapsed() < widgets::Announcer::kShownMilliseconds + 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_FALSE(announcer->isVisible()) << "still showing after it was said";
}

// One moment, one set of facts: with Days shown, a 90-minute warning lead and 70 minutes left
// the window's lower line is green (an hour or more left) while warnings sound; the
// notification-area disc shows the window's colour, and the status line says what the lower
// line's name says, over a pause too.
TEST_F(MainWindowTest, TheWindowTheItemAndTheStatusTellTheSameMoment) {
    startProgram();
    AlarmRequest alarm;
    alarm.time = start + 100 / kMinutesPerDay;
    alarm.title = "Tea";
    alarm.warnMinutes = 90;
    timer->commitAlarm(alarm);
    fake.clock.set(start + 30 / kMinutesPerDay);
    timer->tick();
    tray::TrayItem item(*timer);
    const auto discColour = [&] {
        // Two o'clock: inside the rim, clear of the pause bars.
        return item.icon().icon().pixmap(32).toImage().pixelColor(25, 12);
    };
    const auto jsonWarning = [&] {
        command::Command status;
        status.status = status.json = true;
        return command::applyCommand(*timer, status).out.contains("\"warning\":true");
    };
    EXPECT_EQ(textColour(form->lblSystemTime), kGreen);
    EXPECT_GT(discColour().green(), 2 * discColour().red()) << "a green disc, not a yellow one";
    EXPECT_TRUE(form->lblSystemTime->accessibleName().endsWith(", warning"));
    EXPECT_TRUE(jsonWarning());

    timer->setPaused(true);
    EXPECT_EQ(textColour(form->lblSystemTime), kYellow);
    EXPECT_LT(discColour().blue(), 60);
    EXPECT_GT(discColour().red(), 200) << "a yellow disc";
    EXPECT_TRUE(form->lblSystemTime->accessibleName().endsWith(", paused"));
}
