#pragma once

#include "platform/Calendar.h"
#include "platform/DocumentOpener.h"

#include <QByteArray>
#include <QDateTime>

namespace tempiro::host {

using platform::AppointmentItem;
using platform::CalendarApplication;
using platform::CalendarProvider;
using platform::DocumentOpener;

struct Appointment {
    QString subject;
    QString body;
    QDate startDate;
    QTime startTime;
    QDate endDate;
    QTime endTime;
    QString uid;
    QDateTime stamp; // UTC
};

// One VEVENT in a VCALENDAR (RFC 5545), start and end as floating local times: texts escaped
// and long lines folded by libical.
QByteArray appointmentCalendar(const Appointment& appointment);

// Appointments handed to the calendar program as .ics files written into `folder` under a
// unique name and opened with the desktop's handler.
class ICalendarApplication final : public CalendarApplication {
public:
    ICalendarApplication(QString folder, DocumentOpener& opener);
    std::unique_ptr<AppointmentItem> createAppointment() override;

private:
    QString m_folder;
    DocumentOpener& m_opener;
};

class ICalendarProvider final : public CalendarProvider {
public:
    // "<cache home>/tempiro" unless another folder is given.
    explicit ICalendarProvider(DocumentOpener& opener, QString folder = {});
    std::unique_ptr<CalendarApplication> create() override;

private:
    DocumentOpener& m_opener;
    QString m_folder;
};

} // namespace tempiro::host
