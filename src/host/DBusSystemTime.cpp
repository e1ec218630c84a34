#include "host/DBusSystemTime.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <limits>
#include <sys/timerfd.h>
#include <unistd.h>

namespace tempiro::host {

namespace {
const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kLoginPath = QStringLiteral("/org/freedesktop/login1");
const QString kLoginManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kTimedate = QStringLiteral("org.freedesktop.timedate1");
const QString kTimedatePath = QStringLiteral("/org/freedesktop/timedate1");
constexpr int kAnswerMilliseconds = 5000;
} // namespace

DBusSystemTime::DBusSystemTime() = default;

DBusSystemTime::~DBusSystemTime() {
    if (m_clockTimer >= 0)
        ::close(m_clockTimer);
}

void DBusSystemTime::watch() {
    QDBusConnection::systemBus().connect(kLogin, kLoginPath, kLoginManager,
                                         QStringLiteral("PrepareForSleep"), this,
                                         SLOT(onPrepareForSleep(bool)));
    // A timer on the wall clock set far ahead, which the kernel cancels whenever the clock is
    // set: the one way to hear of a change the moment it is made.
    m_clockTimer = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_clockTimer < 0)
        return;
    armClockTimer();
    m_clockNotifier =
        std::make_unique<QSocketNotifier>(m_clockTimer, QSocketNotifier::Read, nullptr);
    connect(m_clockNotifier.get(), &QSocketNotifier::activated, this,
            &DBusSystemTime::onClockTimer);
}

void DBusSystemTime::armClockTimer() {
    itimerspec far{};
    far.it_value.tv_sec = std::numeric_limits<time_t>::max() / 2;
    ::timerfd_settime(m_clockTimer, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr);
}

void DBusSystemTime::onClockTimer() {
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(m_clockTimer, &expirations, sizeof expirations);
    if (got >= 0 || errno != ECANCELED)
        return;
    // A cancelled timer stays cancelled until it is set again.
    armClockTimer();
    if (onClockSet)
        onClockSet();
}

double DBusSystemTime::suspendedSeconds() const {
    // The boot clock counts the time suspended, the monotonic clock does not.
    timespec boot{}, monotonic{};
    ::clock_gettime(CLOCK_BOOTTIME, &boot);
    ::clock_gettime(CLOCK_MONOTONIC, &monotonic);
    return double(boot.tv_sec - monotonic.tv_sec) + double(boot.tv_nsec - monotonic.tv_nsec) / 1e9;
}

void DBusSystemTime::onPrepareForSleep(bool start) {
    if (onSleep)
        onSleep(start);
}

void DBusSystemTime::askSynchronised() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kTimedate, kTimedatePath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << kTimedate << QStringLiteral("NTPSynchronized");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get, kAnswerMilliseconds), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (reply.isValid() && onSynchronised)
            onSynchronised(reply.value().variant().toBool());
    });
}

void DBusSystemTime::holdAwake(const QString& why) {
    if (why == m_holdWhy)
        return;
    release();
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    m_holdWhy = why;
    QDBusMessage inhibit = QDBusMessage::createMethodCall(kLogin, kLoginPath, kLoginManager,
                                                          QStringLiteral("Inhibit"));
    inhibit << QStringLiteral("sleep:idle") << QStringLiteral("Tempiro Timer") << why
            << QStringLiteral("block");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(inhibit, kAnswerMilliseconds), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, request = ++m_holdRequest](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
                // An answer to a hold released meanwhile is dropped, which closes it.
                if (reply.isValid() && request == m_holdRequest)
                    m_hold = reply.value();
            });
}

void DBusSystemTime::release() {
    m_holdWhy.clear();
    ++m_holdRequest;
    m_hold = QDBusUnixFileDescriptor();
}

} // namespace tempiro::host
