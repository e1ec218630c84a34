#include "timeentry/frmEnterTime.h"

#include "core/DayCount.h"
#include "core/WarningMinutes.h"
#include "fakes/FakePlatform.h"
#include "mainwindow/frmTempiro.h"
#include "widgets/ClickableLabel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tempiro;

namespace {

constexpr double kSecond = 1.0 / kSecondsPerDay;
constexpr double kMinute = 1.0 / kMinutesPerDay;

class EnterTimeTest : public ::testing::Test {
protected:
    EnterTimeTest() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        fake.clock.set(start);
        timer.emplace(fake.services().forTimer());
        form = std::make_unique<frmTempiro>(*timer, fake.services());
        form->Form_Load();
        form->show();
        form->Form_Activate();
    }
    ~EnterTimeTest() override {
        form.reset();
        QLocale::setDefault(QLocale::c());
    }

    frmEnterTime& open() {
        form->mnuSetTime_Click();
        frmEnterTime* dialog = form->enterTime();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
    void typeIntoTimeBox(frmEnterTime& dialog, const QString& text) {
        dialog.txtTime->clear();
        QTest::keyClicks(dialog.txtTime, text);
    }
    bool isOpen() const { return form->enterTime() && form->enterTime()->isVisible(); }

    const double start = toDayCount(QDate(2026, 12, 8), QTime(21, 0, 0));
    platform::FakePlatform fake;
    std::optional<Timer> timer; // made in the test's locale
    std::unique_ptr<frmTempiro> form;
};

} // namespace

TEST_F(EnterTimeTest, OpensFilledWithTheCurrentAlarm) {
    AlarmRequest alarm;
    alarm.time = timer->state().dAlarmTime;
    alarm.title = "Auction";
    alarm.warnMinutes = 45;
    alarm.autoOpen = true;
    alarm.link = "https://example.org/lot/1";
    timer->commitAlarm(alarm);
    frmEnterTime& dialog = open();
    EXPECT_EQ(dialog.windowTitle(), "Enter Time");
    EXPECT_EQ(dialog.txtTime->text(), "12/8/2026 11:00:00 PM");
    EXPECT_TRUE(dialog.optTorI[0]->isChecked());
    EXPECT_EQ(dialog.cmdOK->text(), "OK");
    EXPECT_EQ(dialog.txtTitle->text(), "Auction");
    EXPECT_EQ(dialog.txtURL->text(), "https://example.org/lot/1");
    EXPECT_TRUE(dialog.chkWarn->isChecked());
    EXPECT_TRUE(dialog.chkAutoOpen->isChecked());
    EXPECT_EQ(dialog.cboWarnMn->currentText(), "45") << "although the list stops at 30";
    EXPECT_EQ(dialog.cboWarnMn->count(), 30);
    EXPECT_EQ(dialog.cboWarnMn->itemText(0), "1");
    EXPECT_EQ(dialog.cboWarnMn->itemText(29), "30");
    EXPECT_EQ(dialog.nSettingMode, 1);
    EXPECT_EQ(dialog.timer(), &form->timer());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_TRUE(form->tmrSec->isActive()) << "the main window keeps counting";
}

TEST_F(EnterTimeTest, CaptionsAreTheDesignsOwn) {
    frmEnterTime& dialog = open();
    EXPECT_EQ(dialog.Label1->text(), "Time for next setting:");
    EXPECT_EQ(dialog.optTorI[0]->text(), "&Time");
    EXPECT_EQ(dialog.optTorI[1]->text(), "&Interval");
    EXPECT_EQ(dialog.optTorI[2]->text(), "&Stop Watch");
    EXPECT_EQ(dialog.cmdCancel->text(), "Cancel");
    EXPECT_EQ(dialog.Label2->text(), "Event title:");
    EXPECT_EQ(dialog.Label3->text(), "Event URL:");
    EXPECT_EQ(dialog.chkWarn->text(), "warn me                minutes before ending");
    EXPECT_EQ(dialog.chkAutoOpen->text(), "auto open on due date");
    EXPECT_FALSE(dialog.cmdOK->isDefault() || dialog.cmdOK->autoDefault());
    EXPECT_FALSE(dialog.cmdCancel->isDefault() || dialog.cmdCancel->autoDefault());
}

TEST_F(EnterTimeTest, EachControlShowsItsHintWhenItTakesTheFocus) {
    frmEnterTime& dialog = open();
    const std::vector<std::pair<QWidget*, QString>> hints = {
        {dialog.txtTime, "Edit or enter the time for the setting to occur"},
        {dialog.optTorI[0], "Enter a date/time (mm/dd/yy hh:mm:ss)  for the alarm."},
        {dialog.optTorI[1], "Enter the time interval (hh:mm:ss) to set the alarm."},
        {dialog.optTorI[2], "Operate in the stop watch mode."},
        {dialog.cmdOK, "To set time and exit form."},
        {dialog.cmdCancel, "To exit form without setting time."},
        {dialog.txtTitle, "Event description"},
        {dialog.txtURL, "Web address of event being timed"},
        {dialog.chkWarn, "Sound a warning beep 5 minutes before event expires"},
        {dialog.chkAutoOpen, "Check to start timer automatically on event due date"},
    };
    for (const auto& [control, hint] : hints) {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(control, &focusIn);
        EXPECT_EQ(dialog.lblStatus->text(), hint);
    }
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(dialog.cboWarnMn, &focusIn);
    EXPECT_EQ(dialog.lblStatus->text(), "Check to start timer automatically on event due date")
        << "the warning minutes leave the status line alone";
}

TEST_F(EnterTimeTest, OpenedOnAStopWatchTypingSwitchesToTime) {
    AlarmRequest stopWatch;
    stopWatch.mode = kModeStopWatch;
    timer->commitAlarm(stopWatch);
    frmEnterTime& dialog = open();
    EXPECT_TRUE(dialog.optTorI[2]->isChecked());
    EXPECT_TRUE(dialog.txtTime->text().isEmpty());
    EXPECT_EQ(dialog.cmdOK->text(), "Start");
    EXPECT_FALSE(dialog.chkWarn->isEnabled());
    EXPECT_FALSE(dialog.chkAutoOpen->isEnabled());

    QTest::keyClick(dialog.txtTime, Qt::Key_1);
    EXPECT_TRUE(dialog.optTorI[0]->isChecked());
    EXPECT_EQ(dialog.cmdOK->text(), "OK");
    EXPECT_TRUE(dialog.chkWarn->isEnabled());
    EXPECT_TRUE(dialog.chkAutoOpen->isEnabled());
    EXPECT_EQ(dialog.txtTime->text(), "1");
}

TEST_F(EnterTimeTest, OpenedWithoutATargetShowsNow) {
    timer->commitAlarm({});
    EXPECT_EQ(open().txtTime->text(), "12/8/2026 9:00:00 PM");
}

TEST_F(EnterTimeTest, AnUnknownModeOpensAsTime) {
    fake.settings.set("nTimeorInterval", "7"); // a hand-edited file
    timer->load();
    EXPECT_TRUE(open().optTorI[0]->isChecked());
}

TEST_F(EnterTimeTest, StopWatchThenTimeLeavesTheBoxEmptyAndOkRefusesIt) {
    frmEnterTime& dialog = open();
    dialog.optTorI[2]->setChecked(true);
    EXPECT_TRUE(dialog.txtTime->text().isEmpty());
    dialog.optTorI[0]->setChecked(true);
    EXPECT_TRUE(dialog.txtTime->text().isEmpty());
    dialog.cmdOK_Click();
    EXPECT_EQ(dialog.lblStatus->text(), "Date/time is not in the correct format.");
    EXPECT_EQ(dialog.txtTime->text(), "12/8/2026 9:00:00 PM");
    EXPECT_EQ(fake.sound.beepCount(), 1);
    EXPECT_TRUE(isOpen());
}

TEST_F(EnterTimeTest, EnterInTheTimeBoxIsOk) {
    frmEnterTime& dialog = open();
    typeIntoTimeBox(dialog, "7/4/1990");
    QTest::keyClick(dialog.txtTime, Qt::Key_Return);
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(dialog.lblStatus->text(), "Date/time must be in the future.");
    EXPECT_EQ(fake.sound.beepCount(), 1);

    typeIntoTimeBox(dialog, "12/25/2026 10:00 PM");
    QTest::keyClick(dialog.txtTime, Qt::Key_Enter);
    EXPECT_FALSE(isOpen());
    EXPECT_DOUBLE_EQ(form->timer().state().dAlarmTime,
                     toDayCount(QDate(2026, 12, 25), QTime(22, 0)));
    EXPECT_FALSE(form->timer().state().bAlarmTimeChg) << "taken over at once";
}

TEST_F(EnterTimeTest, APastedTargetWithItsZoneIsThatInstantHere) {
    fake.zones.rules = QTimeZone("Asia/Tokyo");
    fake.zones.designations = {{"CET", 3600}};
    const std::pair<const char*, QTime> cases[] = {{"12/25/2026 10:00 PM PST", QTime(15, 0)},
                                                   {"12/25/2026 10:00 PM CET", QTime(6, 0)},
                                                   {"2026-12-25T22:00:00+05:30", QTime(1, 30)}};
    for (const auto& [typed, local] : cases) {
        frmEnterTime& dialog = open();
        dialog.txtTime->clear();
        QApplication::clipboard()->setText(typed);
        dialog.txtTime->paste();
        dialog.cmdOK_Click();
        EXPECT_FALSE(isOpen()) << typed;
        EXPECT_DOUBLE_EQ(form->timer().state().dAlarmTime, toDayCount(QDate(2026, 12, 26), local))
            << typed;
    }
}

TEST_F(EnterTimeTest, OkWritesTheAlarmIntoTheMainWindow) {
    fake.zones.rules = QTimeZone("America/New_York");
    frmEnterTime& dialog = open();
    typeIntoTimeBox(dialog, "12/25/2026 10:00 PM PST");
    dialog.txtTitle->setText("Lot 7");
    dialog.txtURL->setText("https://auction.example/lot/7");
    dialog.chkWarn->setChecked(true);
    dialog.cboWarnMn->setEditText("7.5");
    dialog.chkAutoOpen->setChecked(true);
    dialog.cmdOK_Click();
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(form->timer().state().nTimeorInterval, kModeTime);
    EXPECT_DOUBLE_EQ(form->timer().state().dAlarmTime,
                     toDayCount(QDate(2026, 12, 26), QTime(1, 0)));
    EXPECT_FALSE(form->timer().state().bAlarmTimeChg) << "taken over at once";
    EXPECT_EQ(form->timer().state().sEventTitle, "Lot 7");
    EXPECT_TRUE(form->timer().state().bWarn);
    EXPECT_EQ(form->timer().state().nWarnMin, 8);
    EXPECT_TRUE(form->timer().state().bAutoOpen);
    EXPECT_EQ(form->txtURL->text(), "https://auction.example/lot/7");

    form->Form_Activate();
    EXPECT_FALSE(form->txtURL->isHidden());
    EXPECT_FALSE(form->cmdGo->isHidden());
    EXPECT_EQ(form->windowTitle(), "Tempiro to Lot 7");
}

TEST_F(EnterTimeTest, WarningMinutesAreReadFromTheirLeadingNumber) {
    for (const auto& [typed, stored] : std::vector<std::pair<QString, qint16>>{
             {"6.5", 6}, {"abc", 0}, {"-2", -2}, {"12 min", 12}}) {
        frmEnterTime& dialog = open();
        dialog.chkWarn->setChecked(true);
        dialog.cboWarnMn->setEditText(typed);
        dialog.cmdOK_Click();
        EXPECT_EQ(form->timer().state().nWarnMin, stored) << typed.toStdString();
    }
}

TEST_F(EnterTimeTest, WarningMinutesBeyondSixteenBitsAreRefusedAndNothingIsWritten) {
    const double before = form->timer().state().dAlarmTime;
    frmEnterTime& dialog = open();
    typeIntoTimeBox(dialog, "12/25/2026 10:00 PM");
    dialog.chkWarn->setChecked(true);
    dialog.cboWarnMn->setEditText("99999");
    dialog.cmdOK_Click();
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(dialog.lblStatus->text(), warningOutOfRange());
    EXPECT_EQ(fake.sound.beepCount(), 1);
    EXPECT_EQ(form->timer().state().dAlarmTime, before);
    EXPECT_FALSE(form->timer().state().bAlarmTimeChg);
}

TEST_F(EnterTimeTest, WithoutWarningTheMinutesStayAsTheyWere) {
    AlarmRequest alarm;
    alarm.time = timer->state().dAlarmTime;
    alarm.warnMinutes = 12;
    timer->commitAlarm(alarm);
    frmEnterTime& dialog = open();
    dialog.chkWarn->setChecked(false);
    dialog.cboWarnMn->setEditText("3");
    dialog.cmdOK_Click();
    EXPECT_FALSE(form->timer().state().bWarn);
    EXPECT_EQ(form->timer().state().nWarnMin, 12);
}

TEST_F(EnterTimeTest, OkInStopWatchModeStartsNowWhateverTheBoxSays) {
    frmEnterTime& dialog = open();
    dialog.optTorI[2]->setChecked(true);
    dialog.txtTime->setText("not a date");
    fake.clock.advanceSeconds(7);
    dialog.cmdOK_Click();
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(form->timer().state().nTimeorInterval, kModeStopWatch);
    EXPECT_DOUBLE_EQ(form->timer().state().dAlarmTime, start + 7 * kSecond);

    fake.clock.advanceSeconds(3);
    form->Form_Activate();
    EXPECT_DOUBLE_EQ(form->timer().state().dAlarmTime, start + 7 * kSecond)
        << "started at the OK, not again when the window is active again";
    EXPECT_EQ(form->lblAlarm->text(), "Start Time");
    EXPECT_EQ(form->lblSystemTime->text(), " 00:00:03");
}

TEST_F(EnterTimeTest, CancelAndEscapeChangeNothing) {
    const double before = form->timer().state().dAlarmTime;
    frmEnterTime& dialog = open();
    typeIntoTimeBox(dialog, "12/25/2026 10:00 PM");
    dialog.txtTitle->setText("changed");
    dialog.cmdCancel_Click();
    EXPECT_FALSE(isOpen());
    EXPECT_EQ(form->timer().state().dAlarmTime, before);
    EXPECT_TRUE(form->timer().state().sEventTitle.isEmpty());
    EXPECT_FALSE(form->timer().state().bAlarmTimeChg);

    frmEnterTime& again = open();
    again.txtTitle->setText("changed");
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_FALSE(isOpen());
    EXPECT_TRUE(form->timer().state().sEventTitle.isEmpty());
}

TEST_F(EnterTimeTest, OpeningAgainKeepsWhatTheBoxesShow) {
    frmEnterTime& dialog = open();
    dialog.txtTitle->setText("typed so far");
    AlarmRequest other;
    other.title = "other";
    timer->commitAlarm(other, false);
    frmEnterTime& again = open();
    EXPECT_EQ(&again, &dialog) << "one dialog";
    EXPECT_EQ(again.txtTitle->text(), "typed so far");
    EXPECT_EQ(again.sEventTitle, "other") << "the public variables are set again";
}

TEST_F(EnterTimeTest, OpenedOnAnIntervalSetAMinuteAgoShowsItsTarget) {
    AlarmRequest interval;
    interval.mode = kModeInterval;
    interval.time = 10 * kMinute;
    timer->commitAlarm(interval);
    fake.clock.advanceSeconds(60);
    form->tmrSec_Timer();
    frmEnterTime& dialog = open();
    EXPECT_TRUE(dialog.optTorI[0]->isChecked());
    EXPECT_EQ(dialog.txtTime->text(), "12/8/2026 9:10:00 PM");
}

TEST_F(EnterTimeTest, AcceptingWhilePausedRunsTheDisplayAgain) {
    form->lblSystemTime_Click();
    ASSERT_FALSE(form->tmrSec->isActive());
    frmEnterTime& dialog = open();
    typeIntoTimeBox(dialog, "10:30 PM");
    dialog.cmdOK_Click();
    form->Form_Activate();
    EXPECT_TRUE(form->tmrSec->isActive());
    EXPECT_FALSE(form->timer().state().bPaused);
    EXPECT_EQ(form->lblSystemTime->text(), " 00 01:30:00");
}

// With seconds hidden the count is drawn once a minute; a new target is drawn at once all the
// same, rather than the old target's count until the minute turns.
TEST_F(EnterTimeTest, WithSecondsHiddenTheNewTargetShowsAboveAndBelowAtOnce) {
    form->mnuDispSec_Click();
    fake.clock.set(toDayCount(QDate(2026, 12, 8), QTime(21, 0, 10)));
    form->tmrSec_Timer(); // uses up the forced redraw
    fake.clock.set(toDayCount(QDate(2026, 12, 8), QTime(21, 0, 37)));
    frmEnterTime& dialog = open();
    typeIntoTimeBox(dialog, "12/8/2026 10:30 PM");
    dialog.cmdOK_Click();
    form->Form_Activate();
    EXPECT_EQ(form->lblAlarmTime->text(), "12/8/2026 10:30:00 PM");
    EXPECT_EQ(form->lblSystemTime->text(), " 00 01:29");
    fake.clock.set(toDayCount(QDate(2026, 12, 8), QTime(21, 1, 0)));
    form->tmrSec_Timer();
    EXPECT_EQ(form->lblSystemTime->text(), " 00 01:29");
}

TEST_F(EnterTimeTest, TheLinkRowFollowsTheAcceptedLink) {
    frmEnterTime& dialog = open();
    dialog.txtURL->setText("https://example.org/");
    dialog.cmdOK_Click();
    form->Form_Activate();
    EXPECT_FALSE(form->txtURL->isHidden());
    frmEnterTime& again = open();
    again.txtURL->clear();
    again.cmdOK_Click();
    form->Form_Activate();
    EXPECT_TRUE(form->txtURL->isHidden());
    EXPECT_TRUE(form->cmdGo->isHidden());
}

TEST_F(EnterTimeTest, ClickingTheUpperLineOpensTheDialogBesideTheMainWindow) {
    form->move(40, 40);
    form->lblAlarmTime->resize(200, 30);
    QTest::mouseClick(form->lblAlarmTime, Qt::LeftButton);
    ASSERT_TRUE(isOpen());
    const QRect main = form->frameGeometry();
    const QRect dialog = form->enterTime()->frameGeometry();
    EXPECT_GT(dialog.left(), main.right()) << "never over the main window";
    EXPECT_EQ(dialog.top(), main.top());
}

TEST_F(EnterTimeTest, ReturningFromTheDialogActivatesTheMainWindow) {
    frmEnterTime& dialog = open();
    typeIntoTimeBox(dialog, "11:00 PM");
    dialog.cmdOK_Click();
    QSignalSpy updates(&*timer, &Timer::updated);
    // The focus passes from the program's dialog to the main window.
    emit qApp->focusWindowChanged(dialog.windowHandle());
    emit qApp->focusWindowChanged(form->windowHandle());
    EXPECT_EQ(updates.size(), 1);
    // Coming back from another program does not.
    emit qApp->focusWindowChanged(nullptr);
    emit qApp->focusWindowChanged(form->windowHandle());
    EXPECT_EQ(updates.size(), 1);
}

TEST(EnterTimeKeys, OnlyPrintableKeysAndBackspaceMeanATime) {
    const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, QString, bool>> keys = {
        {Qt::Key_1, Qt::NoModifier, "1", true},
        {Qt::Key_Space, Qt::NoModifier, " ", true},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", true},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", false},
        {Qt::Key_Tab, Qt::NoModifier, "\t", false},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", false},
        {Qt::Key_A, Qt::ControlModifier, "a", false},
        {Qt::Key_Left, Qt::NoModifier, "", false},
        // Editing keys change the text as typing does.
        {Qt::Key_V, Qt::ControlModifier, "\x16", true},
        {Qt::Key_X, Qt::ControlModifier, "\x18", true},
        {Qt::Key_Z, Qt::ControlModifier, "\x1a", true},
        {Qt::Key_Insert, Qt::ShiftModifier, "", true},
    };
    for (const auto& [key, modifiers, text, meansATime] : keys) {
        const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        EXPECT_EQ(frmEnterTime::meansATime(event), meansATime) << key;
    }
}

// Opened to type a new target: typing replaces the shown one; a target pasted over a stop
// watch is kept as a time; the warn box is named with its number.
TEST_F(EnterTimeTest, TypingReplacesTheTargetAndAPasteOverAStopWatchIsKept) {
    frmEnterTime& dialog = open();
    EXPECT_EQ(dialog.txtTime->selectedText(), dialog.txtTime->text());
    EXPECT_EQ(dialog.chkWarn->accessibleName(), "Warn me 5 minutes before ending");
    dialog.cboWarnMn->setEditText("120");
    EXPECT_EQ(dialog.chkWarn->accessibleName(), "Warn me 120 minutes before ending");
    dialog.cboWarnMn->setEditText(" 1");
    EXPECT_EQ(dialog.chkWarn->accessibleName(), "Warn me 1 minute before ending");
    // The minutes box keeps its name with any value; the status line is a status bar.
    QAccessibleInterface* minutes = QAccessible::queryAccessibleInterface(dialog.cboWarnMn);
    EXPECT_EQ(minutes->text(QAccessible::Name), "Warning minutes");
    EXPECT_EQ(minutes->text(QAccessible::Value), " 1");
    EXPECT_EQ(minutes->indexOfChild(minutes->child(1)), 1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.lblStatus)->role(),
              QAccessible::StatusBar);
    dialog.optTorI[kModeStopWatch]->click();
    QGuiApplication::clipboard()->setText("12/25/2027 10:00 PM PST");
    QTest::keyClick(dialog.txtTime, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(dialog.optTorI[kModeTime]->isChecked());
    EXPECT_EQ(dialog.txtTime->text(), "12/25/2027 10:00 PM PST");
}

TEST_F(EnterTimeTest, EnterPressesTheFocusedButtonAndTabReachesTheSelectedMode) {
    frmEnterTime& dialog = open();
    auto tabStops = [&] {
        std::vector<bool> stops;
        for (QRadioButton* mode : dialog.optTorI)
            stops.push_back(mode->focusPolicy() & Qt::TabFocus);
        return stops;
    };
    EXPECT_EQ(tabStops(), (std::vector<bool>{true, false, false}));
    dialog.optTorI[2]->setChecked(true);
    EXPECT_EQ(tabStops(), (std::vector<bool>{false, false, true}));
    QTest::keyClick(dialog.cmdCancel, Qt::Key_Return);
    EXPECT_FALSE(isOpen());
}
