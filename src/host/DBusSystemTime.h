#pragma once

#include "platform/SystemTime.h"

#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace tempiro::host {

using platform::SystemTime;

// logind and timedate1 on the system bus, and a timer of the kernel's that is cancelled when
// the wall clock is set.
class DBusSystemTime final : public QObject, public SystemTime {
    Q_OBJECT
public:
    DBusSystemTime();
    ~DBusSystemTime() override;
    void watch() override;
    void askSynchronised() override;
    void holdAwake(const QString& why) override;
    void release() override;
    double suspendedSeconds() const override;

private slots:
    void onPrepareForSleep(bool start);

private:
    void armClockTimer();
    void onClockTimer();

    int m_clockTimer = -1;
    std::unique_ptr<QSocketNotifier> m_clockNotifier;
    QString m_holdWhy;     // the hold asked for, empty when none
    int m_holdRequest = 0; // counts requests, so that a late answer to an old one is dropped
    QDBusUnixFileDescriptor m_hold; // closing it ends the hold
};

} // namespace tempiro::host
