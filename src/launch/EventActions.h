#pragma once

#include "core/TimerState.h"
#include "platform/Services.h"

#include <QString>
#include <memory>
#include <optional>

// What the event itself opens: its web page in the desktop's browser, and an appointment in the
// desktop's calendar program. The main window's Go and Tools command, or any other face, call
// these.
namespace tempiro::launch {

// The browser of the last opening of the event page: its program and the launch's process id.
struct BrowserObject {
    QString program;
    qint64 taskId = 0;
};

// The desktop's browser, or nothing after the message that there is none.
std::optional<BrowserObject> loadBrowser(const platform::Services& services);

// Opens the link in a new window of the browser found by loadBrowser, which is kept with the
// last launch's process id; forgotten, after the message, when the start failed. The link is
// the user's text: it reaches the browser as one argument, never as an option or through a
// shell.
void openEventPage(const platform::Services& services, std::optional<BrowserObject>& browser,
                   const QString& link);

// Hands the alarm to the calendar program (made on first use and kept in `calendar`) as an
// appointment at the target; every step that fails is passed over silently.
void createAppointment(const platform::Services& services,
                       std::unique_ptr<platform::CalendarApplication>& calendar,
                       const AlarmRecord& alarm);

} // namespace tempiro::launch
