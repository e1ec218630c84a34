#include "launch/EventActions.h"

#include "core/DayCount.h"
#include "core/modMain.h"
#include "launch/modURL.h"

#include <QCoreApplication>

namespace tempiro::launch {

namespace {

// The context of this folder's texts for the translation tools and translators.
struct LaunchText {
    Q_DECLARE_TR_FUNCTIONS(LaunchText)
};

void showBrowserProblem(const platform::Services& services) {
    services.messages.show(
        LaunchText::tr("Error in loading IEXPLORE.") + QStringLiteral("\r\n") +
            LaunchText::tr("RadozArod cannot function correctly without Browser"),
        LaunchText::tr("Problem running Browser"), platform::MessageBoxes::Icon::Exclamation);
}

} // namespace

std::optional<BrowserObject> loadBrowser(const platform::Services& services) {
    QString program;
    if (!modURL::FindBrowser(services, program)) {
        showBrowserProblem(services);
        return std::nullopt;
    }
    return BrowserObject{program, 0};
}

void openEventPage(const platform::Services& services, std::optional<BrowserObject>& browser,
                   const QString& link) {
    if (!browser)
        return;
    const QString address = modURL::linkAddress(link);
    const platform::StartOutcome outcome = services.browsers.start(
        browser->program, address.isEmpty() ? QStringList() : QStringList{address});
    if (!outcome.started) {
        browser.reset();
        showBrowserProblem(services);
        return;
    }
    browser->taskId = outcome.taskId;
}

void createAppointment(const platform::Services& services,
                       std::unique_ptr<platform::CalendarApplication>& calendar,
                       const AlarmRecord& alarm) {
    if (!calendar)
        calendar = services.calendar.create();
    if (!calendar)
        return;
    const std::unique_ptr<platform::AppointmentItem> item = calendar->createAppointment();
    if (!item)
        return;
    if (alarm.sEventTitle.isEmpty()) {
        item->setSubject(LaunchText::tr("Alarm"));
        item->setBody(LaunchText::tr("Alarm expired"));
    } else {
        item->setSubject(alarm.sEventTitle);
        item->setBody(alarm.sEventTitle);
    }
    const LocalDateTime target = toLocalDateTime(alarm.dAlarmTime);
    item->setStart(target.date, target.time);
    item->setEnd(target.date, target.time);
    if (!item->display() && modMain::bTrace)
        modMain::TraceLine(QStringLiteral("Appointment not opened: no calendar program took it"));
}

} // namespace tempiro::launch
