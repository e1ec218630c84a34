#include "core/DayCount.h"
#include "fakes/FakePlatform.h"
#include "host/DesktopDocumentOpener.h"
#include "host/ICalendar.h"
#include "mainwindow/frmTempiro.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <libical/ical.h>

using namespace tempiro;

namespace {

class AppointmentTest : public ::testing::Test {
protected:
    AppointmentTest()
        : form(timer, fake.services()) {
        AlarmRequest alarm;
        alarm.time = toDayCount(QDate(2026, 12, 25), QTime(22, 0, 5));
        timer.commitAlarm(alarm);
    }
    platform::FakePlatform fake;
    Timer timer{fake.services().forTimer()};
    frmTempiro form;
};

struct ParsedEvent {
    QString summary, description, uid;
    icaltimetype start{}, end{}, stamp{};
};

ParsedEvent parse(const QByteArray& text) {
    ParsedEvent e;
    icalcomponent* calendar = icalparser_parse_string(text.constData());
    if (!calendar)
        return e;
    icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
    if (event) {
        e.summary = QString::fromUtf8(icalcomponent_get_summary(event));
        e.description = QString::fromUtf8(icalcomponent_get_description(event));
        e.uid = QString::fromUtf8(icalcomponent_get_uid(event));
        e.start = icalcomponent_get_dtstart(event);
        e.end = icalcomponent_get_dtend(event);
        e.stamp = icalcomponent_get_dtstamp(event);
    }
    icalcomponent_free(calendar);
    return e;
}

class RecordingOpener final : public platform::DocumentOpener {
public:
    bool open(const QString& file) override {
        opened << file;
        return result;
    }
    QStringList opened;
    bool result = true;
};

} // namespace

TEST_F(AppointmentTest, AnEmptyTitleMakesAnAlarmAppointment) {
    form.mnuToolsAppoint_Click();
    ASSERT_EQ(fake.calendar.items.size(), 1u);
    const auto& item = fake.calendar.items[0];
    EXPECT_EQ(item.subject, "Alarm");
    EXPECT_EQ(item.body, "Alarm expired");
    EXPECT_EQ(item.startDate, QDate(2026, 12, 25));
    EXPECT_EQ(item.startTime, QTime(22, 0, 5));
    EXPECT_EQ(item.endDate, item.startDate);
    EXPECT_EQ(item.endTime, item.startTime);
    EXPECT_EQ(item.steps, (std::vector<QString>{"Subject", "Body", "Start", "End", "Display"}));
}

TEST_F(AppointmentTest, ATitleIsSubjectAndBody) {
    AlarmRequest titled;
    titled.title = "Lot 7, \"rare\"; ends";
    timer.commitAlarm(titled, false);
    form.mnuToolsAppoint_Click();
    EXPECT_EQ(fake.calendar.items.at(0).subject, "Lot 7, \"rare\"; ends");
    EXPECT_EQ(fake.calendar.items.at(0).body, "Lot 7, \"rare\"; ends");
}

TEST_F(AppointmentTest, TwoUsesTwoAppointmentsOneCalendarProgram) {
    form.mnuToolsAppoint_Click();
    form.mnuToolsAppoint_Click();
    EXPECT_EQ(fake.calendar.items.size(), 2u);
    EXPECT_EQ(fake.calendar.applicationsCreated, 1);
}

TEST_F(AppointmentTest, NoCalendarProgramNothingHappensAndItIsTriedAgain) {
    fake.calendar.available = false;
    form.mnuToolsAppoint_Click();
    EXPECT_TRUE(fake.calendar.items.empty());
    EXPECT_TRUE(fake.messages.shown.empty());
    fake.calendar.available = true;
    form.mnuToolsAppoint_Click();
    EXPECT_EQ(fake.calendar.items.size(), 1u);
}

TEST(ICalendar, TextsSurviveEscapingAndFolding) {
    const QString title =
        QStringLiteral("Auktion, \"Zeit\"; Ende \\ bald\nzweite Zeile — ü ß 東京 ") +
        QString(60, u'x');
    host::Appointment a;
    a.subject = title;
    a.body = title;
    a.startDate = a.endDate = QDate(2026, 12, 25);
    a.startTime = a.endTime = QTime(22, 0, 5);
    a.uid = "uid-1";
    a.stamp = QDateTime(QDate(2026, 12, 8), QTime(9, 30), QTimeZone::utc());
    const QByteArray text = host::appointmentCalendar(a);
    for (const QByteArray& line : text.split('\n'))
        EXPECT_LE(line.size(), 76) << "lines are folded at 75 octets";
    EXPECT_TRUE(text.contains("DTSTART:20261225T220005\r\n")) << "floating local time";
    EXPECT_TRUE(text.contains("DTSTAMP:20261208T093000Z"));

    const ParsedEvent e = parse(text);
    EXPECT_EQ(e.summary, title);
    EXPECT_EQ(e.description, title);
    EXPECT_EQ(e.uid, "uid-1");
    EXPECT_EQ(e.start.year, 2026);
    EXPECT_EQ(e.start.hour, 22);
    EXPECT_EQ(e.start.second, 5);
    EXPECT_EQ(e.end.day, 25);
    EXPECT_TRUE(icaltime_is_utc(e.stamp));
}

TEST(ICalendar, EachAppointmentIsItsOwnFileOpenedForTheUser) {
    QTemporaryDir folder;
    RecordingOpener opener;
    host::ICalendarProvider provider(opener, folder.path());
    const auto calendar = provider.create();
    for (const char* subject : {"First", "Second"}) {
        const auto item = calendar->createAppointment();
        item->setSubject(subject);
        item->setBody(subject);
        item->setStart(QDate(2026, 12, 25), QTime(22, 0));
        item->setEnd(QDate(2026, 12, 25), QTime(22, 0));
        EXPECT_TRUE(item->display());
    }
    ASSERT_EQ(opener.opened.size(), 2);
    EXPECT_NE(opener.opened[0], opener.opened[1]);
    QFile second(opener.opened[1]);
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    const ParsedEvent e = parse(second.readAll());
    EXPECT_EQ(e.summary, "Second");
    EXPECT_FALSE(e.uid.isEmpty());
    EXPECT_NE(parse([&] {
                  QFile first(opener.opened[0]);
                  first.open(QIODevice::ReadOnly);
                  return first.readAll();
              }())
                  .uid,
              e.uid);

    opener.result = false;
    const auto item = calendar->createAppointment();
    EXPECT_FALSE(item->display()) << "a failing opener is reported to the caller, who is silent";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "and leaves no file";
}

TEST(ICalendar, OnlyARegisteredCalendarProgramOpensTheAppointment) {
    platform::FakeDesktopApps desktop;
    host::DesktopDocumentOpener opener(desktop, "text/calendar");
    EXPECT_FALSE(opener.open("/tmp/appointment-1.ics"));
    EXPECT_TRUE(desktop.launches.empty()) << "no other program stands in for it";

    desktop.defaults["text/calendar"] = {"calendar.desktop", "/usr/bin/calendar"};
    EXPECT_TRUE(opener.open("/tmp/a b.ics"));
    ASSERT_EQ(desktop.launches.size(), 1u);
    EXPECT_EQ(desktop.launches[0].uris, QStringList{"file:///tmp/a%20b.ics"});
    desktop.outcome.started = false;
    EXPECT_FALSE(opener.open("/tmp/a b.ics"));
}
