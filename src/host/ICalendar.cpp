#include "host/ICalendar.h"

#include "platform/LoadedLibrary.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUuid>
#include <cstdlib>
#include <libical/ical.h>

namespace tempiro::host {

using platform::LoadedLibrary;

namespace {

// libical is loaded when the first appointment is made, not at start: most runs make none.
struct Ical {
    decltype(&icaltime_null_time) nullTime = nullptr;
    decltype(&icaltimezone_get_utc_timezone) utc = nullptr;
    decltype(&icalcomponent_new) newComponent = nullptr;
    decltype(&icalcomponent_add_property) addProperty = nullptr;
    decltype(&icalcomponent_add_component) addComponent = nullptr;
    decltype(&icalcomponent_as_ical_string_r) asText = nullptr;
    decltype(&icalcomponent_free) freeComponent = nullptr;
    decltype(&icalproperty_new_version) version = nullptr;
    decltype(&icalproperty_new_prodid) prodid = nullptr;
    decltype(&icalproperty_new_uid) uid = nullptr;
    decltype(&icalproperty_new_dtstamp) dtstamp = nullptr;
    decltype(&icalproperty_new_summary) summary = nullptr;
    decltype(&icalproperty_new_description) description = nullptr;
    decltype(&icalproperty_new_dtstart) dtstart = nullptr;
    decltype(&icalproperty_new_dtend) dtend = nullptr;
    bool loaded = false;
};

const Ical& ical() {
    static const Ical loaded = [] {
        Ical i;
        const LoadedLibrary library("libical.so.3");
        i.loaded = library.find(i.nullTime, "icaltime_null_time") &
                   library.find(i.utc, "icaltimezone_get_utc_timezone") &
                   library.find(i.newComponent, "icalcomponent_new") &
                   library.find(i.addProperty, "icalcomponent_add_property") &
                   library.find(i.addComponent, "icalcomponent_add_component") &
                   library.find(i.asText, "icalcomponent_as_ical_string_r") &
                   library.find(i.freeComponent, "icalcomponent_free") &
                   library.find(i.version, "icalproperty_new_version") &
                   library.find(i.prodid, "icalproperty_new_prodid") &
                   library.find(i.uid, "icalproperty_new_uid") &
                   library.find(i.dtstamp, "icalproperty_new_dtstamp") &
                   library.find(i.summary, "icalproperty_new_summary") &
                   library.find(i.description, "icalproperty_new_description") &
                   library.find(i.dtstart, "icalproperty_new_dtstart") &
                   library.find(i.dtend, "icalproperty_new_dtend");
        return i;
    }();
    return loaded;
}

icaltimetype floatingTime(const QDate& date, const QTime& time) {
    icaltimetype t = ical().nullTime();
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
    t.zone = ical().utc();
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
        const QByteArray calendar = appointmentCalendar(m_appointment);
        if (calendar.isEmpty() || !QDir().mkpath(m_folder))
            return false;
        QTemporaryFile file(QDir(m_folder).filePath(QStringLiteral("appointment-XXXXXX.ics")));
        if (!file.open() || file.write(calendar) != calendar.size() || !file.flush())
            return false;
        file.close();
        // Kept for the calendar program to read; one that nothing will read is removed.
        file.setAutoRemove(!m_opener.open(file.fileName()));
        return !file.autoRemove();
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
    const Ical& i = ical();
    if (!i.loaded)
        return {};
    icalcomponent* calendar = i.newComponent(ICAL_VCALENDAR_COMPONENT);
    i.addProperty(calendar, i.version("2.0"));
    i.addProperty(calendar, i.prodid("-//Marrowby Software//Tempiro Timer//EN"));
    icalcomponent* event = i.newComponent(ICAL_VEVENT_COMPONENT);
    i.addProperty(event, i.uid(a.uid.toUtf8().constData()));
    i.addProperty(event, i.dtstamp(utcTime(a.stamp)));
    i.addProperty(event, i.summary(a.subject.toUtf8().constData()));
    i.addProperty(event, i.description(a.body.toUtf8().constData()));
    if (a.startDate.isValid())
        i.addProperty(event, i.dtstart(floatingTime(a.startDate, a.startTime)));
    if (a.endDate.isValid())
        i.addProperty(event, i.dtend(floatingTime(a.endDate, a.endTime)));
    i.addComponent(calendar, event);
    char* text = i.asText(calendar);
    const QByteArray result(text);
    std::free(text);
    i.freeComponent(calendar);
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

} // namespace tempiro::host
