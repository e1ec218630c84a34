#include "platform/ICalendar.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUuid>
#include <cstdlib>
#include <libical/ical.h>

namespace platform {

namespace {

icaltimetype floatingTime(const QDate& date, const QTime& time) {
    icaltimetype t = icaltime_null_time();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.hour = time.hour();
    t.minute = time.minute();
    t.second = time.second();
    t.is_date = 0;
    return t;
}

icaltimetype utcTime(const QDateTime& moment) {
    const QDateTime utc = moment.toUTC();
    icaltimetype t = floatingTime(utc.date(), utc.time());
    t.zone = icaltimezone_get_utc_timezone();
    return t;
}

class ICalendarItem final : public AppointmentItem {
public:
    ICalendarItem(QString folder, DocumentOpener& opener)
        : m_folder(std::move(folder))
        , m_opener(opener) {
        m_appointment.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        m_appointment.stamp = QDateTime::currentDateTimeUtc();
    }

    bool setSubject(const QString& subject) override {
        m_appointment.subject = subject;
        return true;
    }
    bool setBody(const QString& body) override {
        m_appointment.body = body;
        return true;
    }
    bool setStart(const QDate& date, const QTime& time) override {
        return setMoment(date, time, m_appointment.startDate, m_appointment.startTime);
    }
    bool setEnd(const QDate& date, const QTime& time) override {
        return setMoment(date, time, m_appointment.endDate, m_appointment.endTime);
    }
    bool display() override {
        if (!QDir().mkpath(m_folder))
            return false;
        QTemporaryFile file(QDir(m_folder).filePath(QStringLiteral("appointment-XXXXXX.ics")));
        file.setAutoRemove(false);
        if (!file.open())
            return false;
        const QByteArray calendar = appointmentCalendar(m_appointment);
        if (file.write(calendar) != calendar.size() || !file.flush())
            return false;
        file.close();
        if (m_opener.open(file.fileName()))
            return true;
        // Nothing will read it: leave no file behind.
        file.remove();
        return false;
    }

private:
    static bool setMoment(const QDate& date, const QTime& time, QDate& dateField,
                          QTime& timeField) {
        if (!date.isValid() || !time.isValid())
            return false;
        dateField = date;
        timeField = time;
        return true;
    }

    QString m_folder;
    DocumentOpener& m_opener;
    Appointment m_appointment;
};

} // namespace

QByteArray appointmentCalendar(const Appointment& a) {
    icalcomponent* calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar,
                               icalproperty_new_prodid("-//Marrowby Software//Tempiro Timer//EN"));
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(a.uid.toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(utcTime(a.stamp)));
    icalcomponent_add_property(event, icalproperty_new_summary(a.subject.toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_description(a.body.toUtf8().constData()));
    if (a.startDate.isValid())
        icalcomponent_add_property(
            event, icalproperty_new_dtstart(floatingTime(a.startDate, a.startTime)));
    if (a.endDate.isValid())
        icalcomponent_add_property(event,
                                   icalproperty_new_dtend(floatingTime(a.endDate, a.endTime)));
    icalcomponent_add_component(calendar, event);
    char* text = icalcomponent_as_ical_string_r(calendar);
    const QByteArray result(text);
    std::free(text);
    icalcomponent_free(calendar);
    return result;
}

ICalendarApplication::ICalendarApplication(QString folder, DocumentOpener& opener)
    : m_folder(std::move(folder))
    , m_opener(opener) {}

std::unique_ptr<AppointmentItem> ICalendarApplication::createAppointment() {
    return std::make_unique<ICalendarItem>(m_folder, m_opener);
}

ICalendarProvider::ICalendarProvider(DocumentOpener& opener, QString folder)
    : m_opener(opener)
    , m_folder(folder.isEmpty()
                   ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                         QStringLiteral("/tempiro")
                   : std::move(folder)) {}

std::unique_ptr<CalendarApplication> ICalendarProvider::create() {
    return std::make_unique<ICalendarApplication>(m_folder, m_opener);
}

} // namespace platform
