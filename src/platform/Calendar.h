#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <memory>

namespace tempiro::platform {

// One appointment being filled in, shown to the user when complete. Each step may fail on
// its own; a failure is reported by false and changes nothing else.
class AppointmentItem {
public:
    virtual ~AppointmentItem() = default;
    virtual bool setSubject(const QString& subject) = 0;
    virtual bool setBody(const QString& body) = 0;
    virtual bool setStart(const QDate& date, const QTime& time) = 0;
    virtual bool setEnd(const QDate& date, const QTime& time) = 0;
    // Opens the appointment in the user's calendar program, without waiting.
    virtual bool display() = 0;
};

// The user's calendar program, asked for new appointments.
class CalendarApplication {
public:
    virtual ~CalendarApplication() = default;
    virtual std::unique_ptr<AppointmentItem> createAppointment() = 0;
};

// Creates the calendar program's object on first use; nothing when there is none.
class CalendarProvider {
public:
    virtual ~CalendarProvider() = default;
    virtual std::unique_ptr<CalendarApplication> create() = 0;
};

} // namespace tempiro::platform
