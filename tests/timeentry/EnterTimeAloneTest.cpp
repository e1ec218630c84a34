#include "core/DayCount.h"
#include "fakes/FakePlatform.h"
#include "timeentry/frmEnterTime.h"

#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tempiro;

// The dialog needs only a timer and an owner: no main window.
TEST(EnterTimeAlone, OkSetsTheGivenTimersAlarmAndCancelLeavesItAlone) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    platform::FakePlatform fake;
    fake.clock.set(toDayCount(QDate(2026, 12, 8), QTime(21, 0)));
    QWidget owner;
    for (const bool ok : {false, true}) {
        Timer alarm(fake.services().forTimer());
        QPointer<frmEnterTime> dialog = new frmEnterTime(fake.services(), &owner);
        dialog->Show(alarm);
        QSignalSpy set(dialog.data(), &frmEnterTime::alarmSet);
        dialog->txtTime->setText("12/25/2026 10:00 PM");
        dialog->txtURL->setText("https://auction.example/lot/7");
        ok ? dialog->cmdOK_Click() : dialog->cmdCancel_Click();
        EXPECT_EQ(set.size(), ok ? 1 : 0);
        EXPECT_EQ(fake.settings.contains("AlarmTime"), ok) << "committed: shown and saved";
        EXPECT_EQ(alarm.state().dAlarmTime, ok ? toDayCount(QDate(2026, 12, 25), QTime(22, 0)) : 0);
        EXPECT_EQ(alarm.link(), ok ? "https://auction.example/lot/7" : "");
        EXPECT_FALSE(dialog->isVisible());
        delete dialog.data();
    }
    QLocale::setDefault(QLocale::c());
}
